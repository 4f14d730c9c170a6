#pragma once
// The main dialog's one icon in the notification area. It remembers what it
// shows, so that a restarted shell can be given the icon again.
#include <windows.h>

#include <string>

namespace horalo {

// The tooltip the notification area can hold (127 characters and the NUL),
// cut from a longer text.
std::string TrayTooltip(const std::string& text);

// Fills the icon data and hands it to the shell with NIM_ADD, NIM_MODIFY or
// NIM_DELETE. A given icon handle is destroyed after the call: the shell
// keeps its own copy.
bool SetTrayIcon(HWND owner, DWORD action, HICON icon, const char* tooltip);

class TrayIcon {
public:
    explicit TrayIcon(HWND owner = nullptr) : owner_(owner) {}

    void Attach(HWND owner) { owner_ = owner; }
    // Icon and tooltip are resource identifiers of the language library.
    void Add(int iconId, UINT tooltipId);
    // Changes the shown icon; nothing while the icon is removed.
    void Show(int iconId, UINT tooltipId);
    void Remove();
    // Adds the icon again as last shown, after the shell has restarted.
    void Restore();
    // The tooltip's text from now on, in place of the text of the tooltip
    // identifier; empty goes back to that text.
    void SetTooltip(const std::string& text);
    const std::string& tooltip() const { return tooltip_; }
    // A note beside the icon that goes by itself: for what the user should
    // know of but need not answer. Nothing while the icon is removed.
    void Tell(const std::string& text, bool warning = false);
    const std::string& told() const { return told_; }

    bool Added() const { return added_; }
    int IconId() const { return iconId_; }
    UINT TooltipId() const { return tooltipId_; }

private:
    bool Send(DWORD action);

    HWND owner_;
    bool added_ = false;
    int iconId_ = 0;
    UINT tooltipId_ = 0;
    std::string tooltip_;
    std::string told_;
};

}  // namespace horalo
