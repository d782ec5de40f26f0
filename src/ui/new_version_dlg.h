// The window that announces a newer release: the advice, the release notes in the user's
// language and the link to the download, with no caption bar and a bitmap close button.
#pragma once

#include <string>

#include "ui/bitmap_button.h"
#include "framework/dialog.h"
#include "ui/hyper_link.h"

namespace blenker {

class CNewVersionDlg : public Dialog {
  public:
    explicit CNewVersionDlg(HWND owner);

    std::string m_strNotes;
    // Read from the release file: the link opens it only when it is a web address, and only when
    // it is an https one if the release file came over https.
    std::string m_strDownload;
    bool m_bFromSecureSite = false;

    const CHyperLink& Link() const { return m_link; }

  protected:
    BOOL OnInitDialog() override;

  private:
    CHyperLink m_link;
    BitmapButton m_close;
};

}  // namespace blenker
