#include "titles/case_fold.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace blenker {

namespace {

// Code points first, first + stride, ... last fold to themselves plus delta.
struct FoldRun {
    std::uint32_t first;
    std::uint32_t last;
    std::int32_t delta;
    std::uint32_t stride;
};

constexpr FoldRun kFoldRuns[] = {
#include "titles/case_fold_table.inc"
};

}  // namespace

char32_t FoldCase(char32_t c) {
    if (c < 0x80) {
        return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
    }
    // The last run that starts at or before c.
    const auto after = std::upper_bound(std::begin(kFoldRuns), std::end(kFoldRuns), c,
                                        [](char32_t code, const FoldRun& run) {
                                            return code < run.first;
                                        });
    if (after == std::begin(kFoldRuns)) {
        return c;
    }
    const FoldRun& run = *std::prev(after);
    if (c > run.last || (c - run.first) % run.stride != 0) {
        return c;
    }
    return static_cast<char32_t>(static_cast<std::int32_t>(c) + run.delta);
}

}  // namespace blenker
