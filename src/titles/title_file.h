// The title file "Blenked.txt": the title list kept between runs as plain text, one title per
// line. Reading accepts CR LF or bare LF line ends; writing always uses CR LF, in list order.
// The file's encoding is DecodeFileText's and EncodeFileText's (text_encoding.h): UTF-8 (with or
// without a byte order mark), UTF-16 LE with its mark, or the system's code page, which the file
// keeps as long as every title survives it.
//
// File names go to the C library as they are, which on Windows reads them in the ANSI code page:
// the program's names are the bare "Blenked.txt" and "Blenked.txt.tmp", in the current folder,
// which itself may be named in any script. The file is read and written with <cstdio> only: the C++
// streams and std::filesystem would bring the whole locale machinery of the C++ library into
// the program, most of its size.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "titles/text_encoding.h"
#include "titles/title_list.h"

namespace blenker {

// Adds the lines of the text to the list, without emptying it first. Each line is trimmed;
// empty lines and lines equal to an entry already present are skipped. The own-name rules of
// AddTitle do not apply: a file may hold any title.
void ParseTitleFile(std::string_view text, TitleList& list);

// Every entry in list order, each followed by CR LF.
std::string FormatTitleFile(const TitleList& list);

// A source of bytes: copies at most "size" bytes into "buffer" and returns how many; 0 means
// the end of the data. On a read error it sets "failed"; any bytes returned by that same
// call were read whole and still count.
using ReadBytesFn = std::function<std::size_t(char* buffer, std::size_t size, bool& failed)>;

// Reads the bytes to their end, decodes them (DecodeFileText) and parses them. Returns false on a
// read error; the complete lines read before it stay in the list, a line cut short by it is
// dropped.
bool ReadTitleData(const ReadBytesFn& read, TitleList& list, const CodePage& codePage);

// Opens a file for ReadTitleData: its byte source, or an empty function when it cannot be opened.
using OpenBytesFn = std::function<ReadBytesFn(const std::string& path)>;

// The byte source of a file on disk, read with <cstdio>.
ReadBytesFn OpenFileBytes(const std::string& path);

// Empties the list, then loads the file. Returns false when the file cannot be opened or
// read (the caller then tells the user and adds the built-in titles).
bool LoadTitleFile(const std::string& path, TitleList& list, const CodePage& codePage,
                   const OpenBytesFn& open = &OpenFileBytes);

// Moves the file "from" over "to", replacing it; true on success.
using ReplaceFileFn = std::function<bool(const std::string& from, const std::string& to)>;

// Writes the list (EncodeFileText of FormatTitleFile) to "<path>.tmp" beside the file, then lets
// replace() move it over the file, so that a failed write never costs the titles already saved.
// On failure the temporary file is removed, the previous file stays as it was, and the result
// is false.
bool SaveTitleFile(const std::string& path, const TitleList& list, const CodePage& codePage,
                   const ReplaceFileFn& replace);

}  // namespace blenker
