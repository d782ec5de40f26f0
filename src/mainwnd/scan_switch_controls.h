// What the scan switch needs of the main window's controls: the "Enable" check box and the
// delay field.
#pragma once

#include <string>

namespace blenker {

class ScanSwitchControls {
  public:
    virtual ~ScanSwitchControls() = default;

    virtual bool EnableChecked() const = 0;
    virtual void CheckEnable(bool checked) = 0;
    virtual std::string DelayText() const = 0;
    virtual void SetDelayText(const std::string& text) = 0;
};

}  // namespace blenker
