// This build's version text and release number.
#pragma once

namespace blenker {

inline constexpr char kVersionText[] = "2.005";
inline constexpr int kReleaseNumber = 2005;

}  // namespace blenker
