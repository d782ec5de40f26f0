// libFuzzer target: the records parser, and the checks that judge the downloaded values, fed
// with whatever bytes a server could send.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/text_format.h"
#include "version.h"
#include "net/records.h"
#include "net/release.h"
#include "app/web_address.h"
#include "titles/title_text.h"

namespace {

using blenker::Records;

void Require(bool condition, const char* what, int line) {
    if (!condition) {
        std::fprintf(stderr, "records_fuzz.cpp:%d: broken: %s\n", line, what);
        std::abort();
    }
}
#define REQUIRE(condition) Require((condition), #condition, __LINE__)

// Writes the table back as text that must parse to the same table. Every value ends with
// CR LF, so that the CR at the end of its last line, if any, stays text.
std::string FormatBack(const Records& records) {
    std::string text;
    for (const auto& [key, value] : records.Entries()) {
        text += "@" + key + "\n" + value + "\r\n";
    }
    return text;
}

// The pieces of a value are its lines: none holds an LF or begins with the marker. Returns the
// number of bytes they take from the text.
std::size_t CheckValue(std::string_view value) {
    std::size_t bytes = 0;
    for (;;) {
        const std::size_t join = value.find("\r\n");
        const std::string_view piece = value.substr(0, join);
        REQUIRE(piece.find('\n') == std::string_view::npos);
        REQUIRE(piece.empty() || piece.front() != '@');
        bytes += piece.size();
        if (join == std::string_view::npos) {
            return bytes;
        }
        value.remove_prefix(join + 2);
    }
}

void CheckDownloadedValue(const std::string& value) {
    // The address check looks at the scheme only, and the scheme is ASCII.
    if (blenker::IsWebAddress(value)) {
        std::string scheme = value.substr(0, 8);
        for (char& c : scheme) {
            c = static_cast<char>(blenker::AsciiLower(static_cast<unsigned char>(c)));
        }
        REQUIRE(scheme.starts_with("http://") || scheme == "https://");
    }
    // The release decision: nothing is newer than the largest number or than itself, and what
    // is newer than this release is newer than every earlier one.
    REQUIRE(!blenker::IsNewerRelease(value, -1));
    REQUIRE(!blenker::IsNewerRelease(value, blenker::ParseDecimal(value)));
    if (blenker::IsNewerRelease(value, blenker::kReleaseNumber)) {
        REQUIRE(blenker::IsNewerRelease(value, 0));
        REQUIRE(blenker::IsNewerRelease(value, blenker::kReleaseNumber - 1));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Records records = Records::Parse(text);

    // Every line gives at most one record, and any text has a first line.
    std::size_t lines = 0;
    for (const char c : text) {
        lines += c == '\n';
    }
    REQUIRE(records.Size() <= lines + 1);
    REQUIRE(text.empty() == (records.Size() == 0));

    // Each byte of the text lands in one key or value line at most.
    std::size_t bytes = 0;
    for (const auto& [key, value] : records.Entries()) {
        REQUIRE(key.find('\n') == std::string::npos);
        REQUIRE(blenker::TrimCSpace(key) == key);
        REQUIRE(&records.GetValue(key) == &value);
        bytes += key.size() + CheckValue(value);
        CheckDownloadedValue(value);
    }
    REQUIRE(bytes <= size);
    REQUIRE(records.GetValue(" key").empty());  // keys are trimmed: this one cannot be there

    REQUIRE(Records::Parse(FormatBack(records)).Entries() == records.Entries());
    return 0;
}
