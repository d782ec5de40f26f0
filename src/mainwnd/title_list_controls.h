// What the title list needs of the main window's controls: the list box that shows the list in
// its order, and the title field.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace blenker {

class TitleListControls {
  public:
    virtual ~TitleListControls() = default;

    // Shows the title at that place of the list box.
    virtual void InsertEntry(std::size_t index, const std::string& title) = 0;
    virtual void DeleteEntry(std::size_t index) = 0;
    // Empties the list box and shows the titles in their order.
    virtual void ShowEntries(const std::vector<std::string>& titles) = 0;
    // The indexes of the selected entries, in any order.
    virtual std::vector<std::size_t> SelectedEntries() const = 0;
    // The entry the selection last moved to; nothing when there is none.
    virtual std::optional<std::size_t> CurrentEntry() const = 0;

    virtual std::string FieldText() const = 0;
    virtual void SetFieldText(const std::string& text) = 0;
};

}  // namespace blenker
