#include "framework/controls.h"

namespace blenker {

std::vector<int> ListBox::GetSelItems() const {
    const int count = GetSelCount();
    if (count <= 0) {
        return {};
    }
    std::vector<int> selected(static_cast<std::size_t>(count));
    const int got =
        Send(LB_GETSELITEMS, selected.size(), reinterpret_cast<LPARAM>(selected.data()));
    selected.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return selected;
}

}  // namespace blenker
