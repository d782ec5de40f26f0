// The status line of the Titles page's theme update: waiting for the first click, retrieving
// while a request is pending, then the themes shown or the update failed, as the reply says.
#pragma once

namespace blenker {

enum class ThemeStatus { Idle, Retrieving, Ready, Failed };

// What a reply of the maker's themes file brought, as far as the status line cares.
enum class ThemesReply {
    TransferFailed,  // no connection, an HTTP error, a broken transfer
    LaterFormat,     // a file of a format this release cannot read
    NoTheme,         // a readable file that lists no theme
    Themes,          // a readable file with at least one theme
};

class ThemeUpdateStatus {
  public:
    ThemeStatus Current() const { return m_status; }
    // A click sends a request, replacing any pending one.
    void Start() { m_status = ThemeStatus::Retrieving; }
    // The pending request's reply. A file of a later format leaves the line at "retrieving":
    // the page says so in a message of its own.
    void OnReply(ThemesReply reply);
    // The string table id of the line's text.
    int TextId() const;

  private:
    ThemeStatus m_status = ThemeStatus::Idle;
};

}  // namespace blenker
