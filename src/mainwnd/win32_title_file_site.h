// The title file's system side on Windows: the strings of the resources, the replacing move,
// and the boxes owned by the main window.
#pragma once

#include <string>

#include "framework/win32.h"
#include "mainwnd/title_file_site.h"

namespace blenker {

class Win32TitleFileSite : public TitleFileSite {
  public:
    // The window that owns the boxes, once it exists.
    void Attach(HWND owner) { m_owner = owner; }

    std::string Text(int id) const override;
    bool Replace(const std::string& from, const std::string& to) const override;
    void TellCreated(const std::string& message) const override;
    void TellSaveFailed(const std::string& message) const override;

  private:
    HWND m_owner = nullptr;
};

}  // namespace blenker
