#include "ui/main/tray_icon.h"

#include <shellapi.h>

#include <cstring>

#include "resource_ids.h"
#include "win/resources.h"

namespace horalo {
namespace {
// The tooltip of the icon data since Windows 2000.
constexpr std::size_t kTooltipCapacity = 128;
static_assert(sizeof(NOTIFYICONDATAA{}.szTip) >= kTooltipCapacity);
}  // namespace

std::string TrayTooltip(const std::string& text) { return text.substr(0, kTooltipCapacity - 1); }

bool SetTrayIcon(HWND owner, DWORD action, HICON icon, const char* tooltip) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = HORALO_TRAY_ICON_ID;
    // No icon is not a valid icon: some shells stall on a null one.
    data.uFlags = NIF_MESSAGE | NIF_TIP | (icon ? NIF_ICON : 0);
    data.uCallbackMessage = WM_HORALO_TRAY_CALLBACK;
    data.hIcon = icon;
    const std::string tip = TrayTooltip(tooltip ? tooltip : "");
    std::memcpy(data.szTip, tip.c_str(), tip.size() + 1);
    const bool done = Shell_NotifyIconA(action, &data) != FALSE;
    if (icon) DestroyIcon(icon);
    return done;
}

bool TrayIcon::Send(DWORD action) {
    // The small size, so the shell need not shrink a large picture.
    HICON icon = static_cast<HICON>(LoadImageA(win::ResourceModule(), MAKEINTRESOURCEA(iconId_), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    const std::string tooltip = tooltip_.empty() ? win::LoadText(tooltipId_) : tooltip_;
    return SetTrayIcon(owner_, action, icon, tooltip.c_str());
}

void TrayIcon::Add(int iconId, UINT tooltipId) {
    iconId_ = iconId;
    tooltipId_ = tooltipId;
    added_ = true;
    Send(NIM_ADD);
}

void TrayIcon::Show(int iconId, UINT tooltipId) {
    if (!added_) return;
    iconId_ = iconId;
    tooltipId_ = tooltipId;
    Send(NIM_MODIFY);
}

void TrayIcon::Remove() {
    if (!added_) return;
    added_ = false;
    SetTrayIcon(owner_, NIM_DELETE, nullptr, nullptr);
}

void TrayIcon::Restore() {
    if (added_) Send(NIM_ADD);
}

void TrayIcon::SetTooltip(const std::string& text) {
    if (text == tooltip_) return;
    tooltip_ = text;
    if (!added_) return;
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = HORALO_TRAY_ICON_ID;
    data.uFlags = NIF_TIP;
    const std::string tip = TrayTooltip(tooltip_.empty() ? win::LoadText(tooltipId_) : tooltip_);
    std::memcpy(data.szTip, tip.c_str(), tip.size() + 1);
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

void TrayIcon::Tell(const std::string& text, bool warning) {
    if (!added_) return;
    told_ = text;
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = HORALO_TRAY_ICON_ID;
    data.uFlags = NIF_INFO;
    data.dwInfoFlags = warning ? NIIF_WARNING : NIIF_INFO;
    const std::string info = text.substr(0, sizeof data.szInfo - 1);
    std::memcpy(data.szInfo, info.c_str(), info.size() + 1);
    std::memcpy(data.szInfoTitle, "Horalo", sizeof "Horalo");
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

}  // namespace horalo
