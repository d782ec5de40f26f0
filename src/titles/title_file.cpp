#include "titles/title_file.h"

#include <fstream>
#include <istream>
#include <new>
#include <string>
#include <system_error>

#include "titles/title_text.h"

namespace blenker {

namespace {

// One line of the file, without its LF; trimming also drops the CR of a CR LF line end.
void AddLine(std::string_view line, TitleList& list) {
    line = TrimCSpace(line);
    if (!line.empty() && !list.TitleExists(line)) {
        list.Insert(std::string(line));
    }
}

void RemoveQuietly(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

bool WriteWholeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        return false;
    }
    out.close();
    return !out.fail();
}

}  // namespace

void ParseTitleFile(std::string_view text, TitleList& list) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        AddLine(text.substr(0, end), list);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
}

std::string FormatTitleFile(const TitleList& list) {
    std::string text;
    for (const std::string& title : list.Titles()) {
        text += title;
        text += "\r\n";
    }
    return text;
}

bool ReadTitleStream(std::istream& in, TitleList& list) {
    // Line by line, so that each complete line is in the list before a read error can end
    // the reading; a line cut short by the error is dropped. The last line needs no LF.
    std::string line;
    while (std::getline(in, line)) {
        AddLine(line, list);
    }
    return !in.bad();
}

bool LoadTitleFile(const std::filesystem::path& path, TitleList& list) {
    list.Clear();
    try {
        std::ifstream in(path, std::ios::binary);
        return in.is_open() && ReadTitleStream(in, list);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        return false;
    }
}

bool SaveTitleFile(const std::filesystem::path& path, const TitleList& list,
                   const ReplaceFileFn& replace) {
    std::filesystem::path temp = path;
    temp += ".tmp";
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

bool ReplaceFileByRename(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
}

}  // namespace blenker
