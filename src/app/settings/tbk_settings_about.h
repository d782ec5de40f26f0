// The first page of the settings sheet: the program's name and version, the author, the maker's
// web site and e-mail address as links. It holds no stored value.
#pragma once

#include "app/settings/resizeable_property_page.h"
#include "ui/hyper_link.h"

namespace blenker {

class CTBKSettingsAbout : public CResizeablePropertyPage {
  public:
    CTBKSettingsAbout();

    void SetTexts() override;

    const CHyperLink& WebLink() const { return m_linkWeb; }
    const CHyperLink& MailLink() const { return m_linkMail; }

  protected:
    BOOL OnInitDialog() override;

  private:
    CHyperLink m_linkWeb;
    CHyperLink m_linkMail;
};

}  // namespace blenker
