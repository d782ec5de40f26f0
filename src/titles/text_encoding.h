// The encodings of the text files the program reads and writes: the title file and the two
// files it downloads. Inside, text is UTF-8; files of earlier releases are in the system's ANSI
// code page, which only Windows code knows and hands in as a CodePage.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace blenker {

// The system's ANSI code page, which Windows code supplies (the Win32 side passes
// blenker::CodePageToUtf8 / blenker::Utf8ToCodePage from src/framework/text.h, which have
// exactly these signatures).
struct CodePage {
    std::string (*toUtf8)(std::string_view bytes);
    std::optional<std::string> (*fromUtf8)(std::string_view utf8);  // nothing when not lossless
};

// A file's bytes as UTF-8 text:
// - a UTF-8 byte order mark (EF BB BF): UTF-8, the mark dropped;
// - a UTF-16 little endian mark (FF FE): UTF-16 LE, the mark dropped, a lone surrogate read as
//   U+FFFD and an odd last byte dropped;
// - no mark, valid UTF-8 with at least one byte above 7F: UTF-8 as it is;
// - otherwise the code page's bytes, as every earlier release wrote.
std::string DecodeFileText(std::string_view bytes, const CodePage& codePage);

// The bytes to write for a UTF-8 text: the code page's, when DecodeFileText reads them back as the
// same text (so that earlier releases still read the file), otherwise a UTF-8 byte order mark and
// the UTF-8.
std::string EncodeFileText(std::string_view utf8, const CodePage& codePage);

// The bytes that hold the complete lines of the start of a file (up to its last line feed, which
// stays), in the file's encoding: for a UTF-16 LE file (FF FE) the last line feed is a whole
// unit 0A 00, for the others a byte 0A. Nothing when there is no line feed.
std::string_view CompleteLines(std::string_view bytes);

}  // namespace blenker
