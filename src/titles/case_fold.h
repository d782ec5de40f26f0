// Unicode's simple case folding: each code point to the one code point that stands for its
// case-insensitive class ('A' and 'a' to 'a', U+212A KELVIN SIGN to 'k', U+1E9E to U+00DF).
// Only the one-to-one mappings of CaseFolding.txt (status C and S) apply, so a folded text keeps
// its count of code points; the full (F) and Turkic (T) mappings do not.
#pragma once

namespace blenker {

// The folded code point; a code point without a mapping, or no code point at all, is itself.
char32_t FoldCase(char32_t c);

}  // namespace blenker
