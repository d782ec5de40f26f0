#include "titles/title_list.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "titles/title_text.h"

namespace blenker {

namespace {

constexpr std::string_view kOneWordName = "Blenker";
constexpr std::string_view kCaptionName = "The Blenker";

}  // namespace

bool IsOwnName(std::string_view title) {
    // Case folded, on whole characters: "BLENKER", or a Kelvin sign for the K, is the name too.
    // The title is a beginning of "The Blenker", or begins with it.
    return StartsWithFolded(title, kOneWordName, false) ||
           StartsWithFolded(title, kCaptionName, false) ||
           StartsWithFolded(kCaptionName, title, false);
}

bool TitleList::TitleExists(std::string_view title) const {
    // The ordering need not put equal titles side by side (the system's ignores hyphens, for
    // one), so every entry is looked at: no more work than the insert that usually follows.
    return std::any_of(m_titles.begin(), m_titles.end(), [&](const std::string& entry) {
        return m_bCaseSensitive ? entry == title : EqualNoCase(entry, title);
    });
}

std::optional<std::size_t> TitleList::AddTitle(std::string_view title) {
    title = TrimCSpace(title);
    if (title.empty() || TitleExists(title) || IsOwnName(title)) {
        return std::nullopt;
    }
    return Insert(std::string(title));
}

std::size_t TitleList::Insert(std::string title) {
    auto place = std::upper_bound(m_titles.begin(), m_titles.end(), title,
                                  [this](const auto& a, const auto& b) { return Less(a, b); });
    const auto index = static_cast<std::size_t>(place - m_titles.begin());
    m_titles.insert(place, std::move(title));
    ++m_revision;
    return index;
}

void TitleList::InsertAll(std::vector<std::string> titles) {
    if (titles.empty()) {
        return;
    }
    SortStable(titles);
    const auto less = [this](const auto& a, const auto& b) { return Less(a, b); };
    std::vector<std::string> merged;
    merged.reserve(m_titles.size() + titles.size());
    // Equal keys: the entries already there come first, as Insert would have put them.
    std::merge(std::make_move_iterator(m_titles.begin()), std::make_move_iterator(m_titles.end()),
               std::make_move_iterator(titles.begin()), std::make_move_iterator(titles.end()),
               std::back_inserter(merged), less);
    m_titles = std::move(merged);
    ++m_revision;
}

void TitleList::SortStable(std::vector<std::string>& titles) const {
    if (m_order.key == nullptr) {
        std::stable_sort(titles.begin(), titles.end(),
                         [this](const auto& a, const auto& b) { return Less(a, b); });
        return;
    }
    // Each key beside the title's index: equal keys stay in the given order.
    std::vector<std::pair<std::string, std::size_t>> keyed;
    keyed.reserve(titles.size());
    for (std::size_t i = 0; i < titles.size(); ++i) {
        keyed.emplace_back(m_order.key(titles[i]), i);
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> sorted;
    sorted.reserve(titles.size());
    for (const auto& entry : keyed) {
        sorted.push_back(std::move(titles[entry.second]));
    }
    titles = std::move(sorted);
}

void TitleList::RemoveSelected(std::vector<std::size_t> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    // From the highest index down, so each index still names the entry it was read for.
    bool removed = false;
    for (auto it = indices.rbegin(); it != indices.rend(); ++it) {
        if (*it < m_titles.size()) {
            m_titles.erase(m_titles.begin() + static_cast<std::ptrdiff_t>(*it));
            removed = true;
        }
    }
    if (removed) {
        ++m_revision;
    }
}

void TitleList::Clear() {
    m_titles.clear();
    ++m_revision;
}

}  // namespace blenker
