// The main window's controls, its title file's system side and its scan host in memory, for the
// tests of the portable parts of the main window.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "mainwnd/scan_switch.h"
#include "mainwnd/title_list_editor.h"
#include "fake_desktop.h"
#include "resource.h"
#include "memory_profile_store.h"

namespace blenker {

using Texts = std::vector<std::string>;

// A list box and a title field in memory.
struct FakeTitleControls : TitleListControls {
    void InsertEntry(std::size_t index, const std::string& title) override {
        box.insert(box.begin() + static_cast<std::ptrdiff_t>(index), title);
    }
    void DeleteEntry(std::size_t index) override {
        deleted.push_back(index);
        box.erase(box.begin() + static_cast<std::ptrdiff_t>(index));
    }
    void ShowEntries(const Texts& titles) override { box = titles; }
    std::vector<std::size_t> SelectedEntries() const override { return selected; }
    std::optional<std::size_t> CurrentEntry() const override { return current; }
    std::string FieldText() const override { return field; }
    void SetFieldText(const std::string& text) override { field = text; }

    Texts box;
    std::vector<std::size_t> selected, deleted;
    std::optional<std::size_t> current;
    std::string field;
};

// The file lives in the test's temporary folder; the boxes are only recorded.
struct FakeTitleSite : TitleFileSite {
    std::string Text(int id) const override {
        return id == IDS_TITLE_FILE ? path : id == IDS_FILE_CREATED ? "made %s (%s)" : "?";
    }
    bool Replace(const std::string& from, const std::string& to) const override {
        std::remove(from.c_str());
        replaced.push_back(to);
        return replaceWorks;
    }
    void TellCreated(const std::string& message) const override { told.push_back(message); }
    void TellSaveFailed(const std::string& message) const override { told.push_back(message); }

    std::string path = testing::TempDir() + "editor_titles.txt";
    bool replaceWorks = true;
    mutable Texts replaced, told;
};

// The scan timer (failing when told) and the Enable box and delay field.
struct FakeScanHost : ScanHost, ScanSwitchControls {
    unsigned SetScanTimer(int) override { return failTimer ? 0 : 1; }
    void KillScanTimer() override {}
    void SetCaption(const std::string&) override {}
    void DrawLamp(bool) override {}
    void RefreshControls() override { ++refreshes; }
    bool ListenToWindowEvents(bool on) override {
        listening = on;
        return true;
    }
    bool EnableChecked() const override { return checked; }
    void CheckEnable(bool check) override { checked = check; }
    std::string DelayText() const override { return delay; }
    void SetDelayText(const std::string& text) override { delay = text; }

    bool failTimer = false;
    bool listening = false;
    int refreshes = 0;
    bool checked = false;
    std::string delay;
};

// The title list and the scan switch over those, with a title file that cannot be read.
struct MainWindowTest : testing::Test {
    FakeTitleControls controls;
    FakeTitleSite site;
    TitleFileKeeper file{[](const std::string&) { return ReadBytesFn(); }, site};
    TitleListEditor editor{{}, controls, file};
    FakeScanHost host;
    FakeDesktop desktop;
    MemoryProfileStore store;
    ScanSwitch scan{host, host, desktop, editor.List(), store, "2.005"};
};

}  // namespace blenker
