#include "scan/asked_windows.h"

#include <algorithm>

namespace blenker {

bool AskedWindows::Asked(WindowRef window, std::string_view title) const {
    return std::any_of(m_asked.begin(), m_asked.end(), [&](const auto& asked) {
        return asked.first == window && asked.second == title;
    });
}

void AskedWindows::Remember(WindowRef window, std::string title) {
    std::erase_if(m_asked, [window](const auto& asked) { return asked.first == window; });
    if (m_asked.size() == kCapacity) {
        m_asked.pop_front();
    }
    m_asked.emplace_back(window, std::move(title));
}

void AskedWindows::ForgetChanged(const std::function<std::string(WindowRef)>& titleOf) {
    std::erase_if(m_asked, [&](const auto& asked) { return titleOf(asked.first) != asked.second; });
}

}  // namespace blenker
