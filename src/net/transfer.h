// What the end of a transfer of one of the maker's files means: the outcome its message
// carries, whether the server's answer is a file at all, and the body read as its chunks arrive,
// held to a size no file of the maker's reaches.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "net/records.h"
#include "titles/text_encoding.h"

namespace blenker {

enum class DownloadOutcome {
    Complete,       // the records are ready
    InternetError,  // no connection, no such host, an HTTP status other than 200
    FileError,      // a failure while reading the file
};

// The outcome as the message that reports it carries it: (1, 0) complete, (0, 1) an Internet
// failure, (0, 2) a failure while reading the file.
struct OutcomeCode {
    int wParam;
    int lParam;
};
inline constexpr int kInternetErrorCode = 1;
inline constexpr int kFileErrorCode = 2;
OutcomeCode CodeOf(DownloadOutcome outcome);

// Both files are a few kilobytes; a server that sends more than this is not the maker's.
inline constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;

// An error page is no file of the maker's: only status 200 is.
inline bool IsFileStatus(unsigned long status) {
    return status == 200;
}

// The body of the reply as it arrives.
class TransferBody {
  public:
    // Adds a chunk; false, and nothing added, when the body would grow past kMaxFileBytes.
    bool Append(std::string_view chunk);
    // The records of the whole body, read as a text file is (DecodeFileText: UTF-8 with or without
    // a byte order mark, UTF-16 LE with its mark, or the system's code page).
    Records Parse(const CodePage& codePage) const {
        return Records::Parse(DecodeFileText(m_text, codePage));
    }
    std::size_t Size() const { return m_text.size(); }

  private:
    std::string m_text;
};

}  // namespace blenker
