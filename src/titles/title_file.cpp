#include "titles/title_file.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <new>
#include <unordered_set>
#include <vector>

#include "titles/title_text.h"

namespace blenker {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// The key of the duplicate rule: two titles are the same when their keys are equal.
std::string DuplicateKey(std::string_view title, bool caseSensitive) {
    return caseSensitive ? std::string(title) : FoldNoCase(title);
}

std::FILE* OpenFile(const std::string& path, bool write) {
    return std::fopen(path.c_str(), write ? "wb" : "rb");
}

void RemoveQuietly(const std::string& path) {
    std::remove(path.c_str());
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    UniqueFile file(OpenFile(path, true));
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                         std::fflush(file.get()) == 0;
    // Closed here, before the replace can move it, and checked: closing writes what is left.
    return std::fclose(file.release()) == 0 && written;
}

}  // namespace

void ParseTitleFile(std::string_view text, TitleList& list) {
    // Each line trimmed (which drops the CR of a CR LF line end), the empty ones and repeats
    // of a title already listed or read skipped, then all put in place at once.
    const bool caseSensitive = list.CaseSensitive();
    std::unordered_set<std::string> seen;
    for (const std::string& title : list.Titles()) {
        seen.insert(DuplicateKey(title, caseSensitive));
    }
    std::vector<std::string> titles;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = TrimCSpace(text.substr(0, end));
        if (!line.empty() && seen.insert(DuplicateKey(line, caseSensitive)).second) {
            titles.emplace_back(line);
        }
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    list.InsertAll(std::move(titles));
}

std::string FormatTitleFile(const TitleList& list) {
    std::string text;
    for (const std::string& title : list.Titles()) {
        text += title;
        text += "\r\n";
    }
    return text;
}

bool ReadTitleData(const ReadBytesFn& read, TitleList& list, const CodePage& codePage) {
    // The whole file first: its encoding shows only in the whole (a byte order mark, or bytes
    // that are all valid UTF-8). After a read error, the bytes up to the last line end read.
    char buffer[4096];
    std::string bytes;
    bool failed = false;
    for (;;) {
        const std::size_t count = read(buffer, sizeof buffer, failed);
        bytes.append(buffer, count < sizeof buffer ? count : sizeof buffer);
        if (failed) {
            ParseTitleFile(DecodeFileText(CompleteLines(bytes), codePage), list);
            return false;
        }
        if (count == 0) {
            ParseTitleFile(DecodeFileText(bytes, codePage), list);
            return true;
        }
    }
}

ReadBytesFn OpenFileBytes(const std::string& path) {
    // Shared: the byte source is a copyable function, and the file closes with its last copy.
    std::FILE* opened = OpenFile(path, false);
    if (!opened) {
        return {};
    }
    const std::shared_ptr<std::FILE> file(opened, FileCloser{});
    return [file](char* buffer, std::size_t size, bool& failed) {
        const std::size_t count = std::fread(buffer, 1, size, file.get());
        failed = std::ferror(file.get()) != 0;
        return count;
    };
}

bool LoadTitleFile(const std::string& path, TitleList& list, const CodePage& codePage,
                   const OpenBytesFn& open) {
    list.Clear();
    try {
        const ReadBytesFn read = open(path);
        return read && ReadTitleData(read, list, codePage);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        return false;
    }
}

bool SaveTitleFile(const std::string& path, const TitleList& list, const CodePage& codePage,
                   const ReplaceFileFn& replace) {
    const std::string temp = path + ".tmp";
    try {
        if (WriteWholeFile(temp, EncodeFileText(FormatTitleFile(list), codePage)) &&
            replace(temp, path)) {
            return true;
        }
    } catch (const std::bad_alloc&) {
        RemoveQuietly(temp);
        throw;
    } catch (const std::exception&) {
        // Reported as a failed save below.
    }
    RemoveQuietly(temp);
    return false;
}

}  // namespace blenker
