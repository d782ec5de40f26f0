// The title list: the titles (or beginnings of titles) whose windows the scan pass closes.
// Kept sorted by an ordering given at construction (the program's is the system's comparison
// without case, as a sorted list box orders), stable among entries that order equal; the main
// dialog's list box shows exactly this order, so every change reports the index it touched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "titles/title_text.h"

namespace blenker {

// How the list is ordered: a three-way comparison (<0, 0 or >0) and, when there is one, its sort
// key, a byte string whose plain order is the comparison's. With a key, many titles are sorted
// with one key each instead of work in every comparison. By default the bytes with A to Z
// folded, the order of the portable tests.
struct TitleOrder {
    int (*compare)(std::string_view a, std::string_view b) = &CompareNoCase;
    std::string (*key)(std::string_view title) = &FoldNoCase;
};

class TitleList {
  public:
    explicit TitleList(TitleOrder order = {}) : m_order(order) {}

    // Trims the title, then refuses it when it is empty, already present or would match the
    // program's own window. Returns the index of the new entry, or nothing when refused.
    std::optional<std::size_t> AddTitle(std::string_view title);

    // True when an entry equals the whole title under the current case option (exactly, or with
    // A to Z folded), whatever the ordering.
    bool TitleExists(std::string_view title) const;

    // Puts the title at its sorted place, after the entries that sort equal to it, and
    // returns that index. No rule is checked: callers that load a file apply their own.
    std::size_t Insert(std::string title);

    // Puts the titles at their sorted places at once, each after the entries that sort equal to
    // it and in the order given among themselves: the list Insert would make one by one, in
    // n log n. No rule is checked.
    void InsertAll(std::vector<std::string> titles);

    // Removes the entries at these indices (any order; repeated or out-of-range indices are
    // ignored).
    void RemoveSelected(std::vector<std::size_t> indices);

    void Clear();

    void SetCaseSensitive(bool caseSensitive) { m_bCaseSensitive = caseSensitive; }
    bool CaseSensitive() const { return m_bCaseSensitive; }

    const std::vector<std::string>& Titles() const { return m_titles; }
    std::size_t Size() const { return m_titles.size(); }
    const std::string& operator[](std::size_t index) const { return m_titles[index]; }

    // Goes up at every change of the entries, so that derived indexes know when to rebuild.
    std::uint64_t Revision() const { return m_revision; }

  private:
    bool Less(std::string_view a, std::string_view b) const { return m_order.compare(a, b) < 0; }
    // Sorts the titles, keeping the given order among equal ones.
    void SortStable(std::vector<std::string>& titles) const;

    TitleOrder m_order;
    std::vector<std::string> m_titles;
    bool m_bCaseSensitive = false;
    std::uint64_t m_revision = 0;
};

// The own-name rules: a title that the main window's caption "The Blenker 2.005 - On" would
// match, or that begins with the one-word product name, is never added.
bool IsOwnName(std::string_view title);

}  // namespace blenker
