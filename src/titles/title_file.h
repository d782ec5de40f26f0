// The title file "Blenked.txt": the title list kept between runs as plain text, one title per
// line. Reading accepts CR LF or bare LF line ends; writing always uses CR LF, in list order.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "titles/title_list.h"

namespace blenker {

// Adds the lines of the text to the list, without emptying it first. Each line is trimmed;
// empty lines and lines equal to an entry already present are skipped. The own-name rules of
// AddTitle do not apply: a file may hold any title.
void ParseTitleFile(std::string_view text, TitleList& list);

// Every entry in list order, each followed by CR LF.
std::string FormatTitleFile(const TitleList& list);

// Reads the stream to its end and parses it. Returns false on a read error; the complete
// lines read before it stay in the list.
bool ReadTitleStream(std::istream& in, TitleList& list);

// Empties the list, then loads the file. Returns false when the file cannot be opened or
// read (the caller then tells the user and adds the built-in titles).
bool LoadTitleFile(const std::filesystem::path& path, TitleList& list);

// Moves the file "from" over "to", replacing it; true on success.
using ReplaceFileFn =
    std::function<bool(const std::filesystem::path& from, const std::filesystem::path& to)>;

// Writes the list to "<path>.tmp" beside the file, then lets replace() move it over the file,
// so that a failed write never costs the titles already saved. On failure the temporary file
// is removed, the previous file stays as it was, and the result is false.
bool SaveTitleFile(const std::filesystem::path& path, const TitleList& list,
                   const ReplaceFileFn& replace);

// A portable replace for SaveTitleFile: std::filesystem::rename.
bool ReplaceFileByRename(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace blenker
