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

void RemoveQuietly(const std::string& path) {
    std::remove(path.c_str());
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    UniqueFile file(std::fopen(path.c_str(), "wb"));
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

bool ReadTitleData(const ReadBytesFn& read, TitleList& list) {
    // Block by block: "lines" gathers the complete lines, "rest" the start of a line whose LF
    // has not come yet (the last line needs no LF). They go into the list at once at the end,
    // or when a read error ends the reading: the complete lines read before it are kept.
    char buffer[4096];
    std::string lines;
    std::string rest;
    bool failed = false;
    for (;;) {
        const std::size_t count = read(buffer, sizeof buffer, failed);
        const std::string_view block(buffer, count < sizeof buffer ? count : sizeof buffer);
        const std::size_t lastEnd = block.rfind('\n');
        if (lastEnd == std::string_view::npos) {
            rest += block;
        } else {
            lines += rest;
            lines += block.substr(0, lastEnd + 1);
            rest = block.substr(lastEnd + 1);
        }
        if (failed) {
            ParseTitleFile(lines, list);
            return false;
        }
        if (block.empty()) {
            lines += rest;
            ParseTitleFile(lines, list);
            return true;
        }
    }
}

ReadBytesFn OpenFileBytes(const std::string& path) {
    // Shared: the byte source is a copyable function, and the file closes with its last copy.
    std::FILE* opened = std::fopen(path.c_str(), "rb");
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

bool LoadTitleFile(const std::string& path, TitleList& list, const OpenBytesFn& open) {
    list.Clear();
    try {
        const ReadBytesFn read = open(path);
        return read && ReadTitleData(read, list);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        return false;
    }
}

bool SaveTitleFile(const std::string& path, const TitleList& list, const ReplaceFileFn& replace) {
    const std::string temp = path + ".tmp";
    try {
        if (WriteWholeFile(temp, FormatTitleFile(list)) && replace(temp, path)) {
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
