// The font of a dialog template. The templates name "MS Sans Serif", a bitmap face drawn for
// 96 DPI; at other DPIs the program makes its dialogs from a copy of the template in a TrueType
// face of the same metrics, which grows sharp with the DPI.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace blenker {

// The face for the dialogs at a DPI: none (the template's own) at 96 DPI, otherwise
// "Microsoft Sans Serif", the TrueType counterpart of "MS Sans Serif" with its metrics.
std::optional<std::u16string_view> DialogFaceForDpi(int dpi);

// A copy of an extended dialog template (DLGTEMPLATEEX, as the resource compiler writes every
// DIALOGEX) whose font has this face; nothing when the bytes are no such template with a font.
// The controls that follow the font keep their bytes: they start on the next 4-byte boundary,
// as before, so their own alignment holds.
std::optional<std::vector<std::uint8_t>> WithFontFace(std::span<const std::uint8_t> dialog,
                                                      std::u16string_view face);

}  // namespace blenker
