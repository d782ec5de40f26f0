// The scan switch on the main window: the real desktop for its scan pass, and the "Enable"
// check box and the delay field of the dialog for the switch that decides what they do.
#pragma once

#include <string>
#include <utility>

#include "framework/dialog.h"
#include "mainwnd/scan_switch.h"
#include "scan/win32_desktop.h"

namespace blenker {

class CScanSwitchView : private ScanSwitchControls {
  public:
    CScanSwitchView(ScanHost& host, TitleList& titles, ProfileStore& store, std::string versionText)
        : m_switch(host, *this, m_desktop, titles, store, std::move(versionText)) {}
    CScanSwitchView(const CScanSwitchView&) = delete;
    CScanSwitchView& operator=(const CScanSwitchView&) = delete;

    // The dialog whose controls the switch uses, once they exist.
    void Attach(Dialog& dialog);
    ScanSwitch& Switch() { return m_switch; }
    const ScanSwitch& Switch() const { return m_switch; }

  private:
    bool EnableChecked() const override;
    void CheckEnable(bool checked) override;
    std::string DelayText() const override;
    void SetDelayText(const std::string& text) override;

    Dialog* m_dialog = nullptr;
    Win32Desktop m_desktop;
    ScanSwitch m_switch;
};

}  // namespace blenker
