#include "net/theme_status.h"

#include "resource.h"

namespace blenker {

void ThemeUpdateStatus::OnReply(ThemesReply reply) {
    switch (reply) {
        case ThemesReply::TransferFailed:
        case ThemesReply::NoTheme:
            m_status = ThemeStatus::Failed;
            break;
        case ThemesReply::LaterFormat:
            break;
        case ThemesReply::Themes:
            m_status = ThemeStatus::Ready;
            break;
    }
}

int ThemeUpdateStatus::TextId() const {
    switch (m_status) {
        case ThemeStatus::Idle:
            break;
        case ThemeStatus::Retrieving:
            return IDS_THEMES_RETRIEVING;
        case ThemeStatus::Ready:
            return IDS_THEMES_READY;
        case ThemeStatus::Failed:
            return IDS_THEMES_FAILED;
    }
    return IDS_THEMES_IDLE;
}

}  // namespace blenker
