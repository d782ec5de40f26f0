#include "scan/scan_schedule.h"

#include <algorithm>
#include <cstdio>

#include "store/settings.h"

namespace blenker {

namespace {
constexpr int kShortestDelay = 100;
constexpr int kLongestDelay = 10000;
// Marks a timer to be switched off by the first toggle of the start-up.
constexpr unsigned kStartOffMarker = static_cast<unsigned>(-1);
}  // namespace

int StepDelayValue(int delayMs, int direction) {
    if (direction > 0) {
        if (delayMs < 1000) {
            return delayMs + 100;
        }
        if (delayMs <= 1500) {
            return delayMs + 500;
        }
        if (delayMs >= kLongestDelay) {
            return kLongestDelay;
        }
        return delayMs + 1000;
    }
    if (delayMs >= 3000) {
        return delayMs - 1000;
    }
    if (delayMs >= 1500) {
        return delayMs - 500;
    }
    if (delayMs <= kShortestDelay) {
        return kShortestDelay;
    }
    return delayMs - 100;
}

int ClampDelay(int delayMs) {
    return std::clamp(delayMs, kShortestDelay, kLongestDelay);
}

std::string FormatDelay(int delayMs) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", delayMs / 1000.0);
    return text;
}

ScanSchedule::ScanSchedule(ScanHost& host, ProfileStore& store, ScanEngine& engine,
                           std::string versionText)
    : m_nDelay(ClampDelay(ReadInt(store, Setting::Delay))),
      m_strDelay(FormatDelay(m_nDelay)),
      m_host(host),
      m_store(store),
      m_engine(engine),
      m_strVersion(std::move(versionText)) {}

void ScanSchedule::StepDelay(int direction) {
    m_nDelay = StepDelayValue(m_nDelay, direction);
    m_strDelay = FormatDelay(m_nDelay);
    m_host.RefreshControls();
    if (m_bEnable) {
        m_host.KillScanTimer();
        m_nTimer = m_host.SetScanTimer(m_nDelay);
    }
    WriteInt(m_store, Setting::Delay, m_nDelay);
}

void ScanSchedule::ToggleScan() {
    if (m_nTimer != 0) {
        m_host.KillScanTimer();
        m_nTimer = 0;
    } else {
        m_nTimer = m_host.SetScanTimer(m_nDelay);
    }
    m_bEnable = m_nTimer != 0 ? 1 : 0;
    WriteInt(m_store, Setting::PreviousState, m_bEnable);
    UpdateCaption(m_nTimer != 0 ? "On" : "Off");
    m_host.DrawLamp(m_nTimer != 0);
    FollowInstantBlenk();
}

void ScanSchedule::UpdateCaption(std::string_view word) {
    std::string caption = "The Blenker ";
    caption += m_strVersion;
    caption += " - ";
    caption += word;
    m_host.SetCaption(caption);
}

void ScanSchedule::StartupState() {
    int state = ReadInt(m_store, Setting::InitialState);
    if (state == 2) {
        state = ReadInt(m_store, Setting::PreviousState);
    }
    if (state == 0) {
        m_nTimer = kStartOffMarker;
    }
    ToggleScan();
}

void ScanSchedule::End() {
    WriteInt(m_store, Setting::Delay, m_nDelay);
    WriteInt(m_store, Setting::PreviousState, m_bEnable);
    WriteInt(m_store, Setting::Closed, m_engine.m_nClosedTotal);
    m_host.KillScanTimer();
    m_nTimer = 0;
    FollowInstantBlenk();
}

void ScanSchedule::FollowInstantBlenk() {
    const bool listen = m_nTimer != 0 && m_engine.Options().instantBlenk;
    if (listen != m_listening) {
        // A listening that could not start is tried again at the next change.
        m_listening = m_host.ListenToWindowEvents(listen) && listen;
    }
}

}  // namespace blenker
