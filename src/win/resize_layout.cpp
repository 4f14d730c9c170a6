#include "win/resize_layout.h"

#include <algorithm>

namespace horalo::win {
namespace {

SIZE SizeOf(const RECT& rect) { return {rect.right - rect.left, rect.bottom - rect.top}; }

// One axis of a kept place: as long as fits into the work area, but not
// shorter than the smallest, and inside it from its start where it fits.
void FitAxis(LONG& start, LONG& end, LONG workStart, LONG workEnd, LONG smallest) {
    const LONG length = std::max(std::min(end - start, workEnd - workStart), smallest);
    start = std::max(std::min(start, workEnd - length), workStart);
    end = start + length;
}

}  // namespace

void ResizeLayout::Begin(HWND window) {
    window_ = window;
    RECT rect;
    GetWindowRect(window, &rect);
    smallest_ = SizeOf(rect);
    restored_ = rect;
    GetClientRect(window, &rect);
    startClient_ = SizeOf(rect);
    // Drawn below the buttons that reach into the corner.
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    const int height = GetSystemMetrics(SM_CYHSCROLL);
    grip_ = CreateWindowExA(0, "SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, rect.right - width,
                            rect.bottom - height, width, height, window, nullptr, nullptr, nullptr);
    if (grip_) {
        SetWindowPos(grip_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        const RECT corner{rect.right - width, rect.bottom - height, rect.right, rect.bottom};
        controls_.push_back({grip_, corner, kRight | kBottom});
    }
}

void ResizeLayout::Anchor(int id, unsigned edges) {
    HWND control = GetDlgItem(window_, id);
    if (!control) return;
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
    controls_.push_back({control, rect, edges});
}

bool ResizeLayout::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!window_) return false;
    switch (message) {
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED) return true;
        if (grip_) ShowWindow(grip_, wParam == SIZE_MAXIMIZED ? SW_HIDE : SW_SHOW);
        Arrange(LOWORD(lParam), HIWORD(lParam));
        KeepRestoredPlace();
        return true;
    case WM_SHOWWINDOW:
        if (wParam && maximiseWhenShown_) {
            maximiseWhenShown_ = false;
            PostMessageA(window_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
        return false;
    case WM_MOVE:
        KeepRestoredPlace();
        return true;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = std::max(info->ptMinTrackSize.x, smallest_.cx);
        info->ptMinTrackSize.y = std::max(info->ptMinTrackSize.y, smallest_.cy);
        return true;
    }
    default:
        return false;
    }
}

// Every control from its place at the template's size, so rounding never
// adds up over many steps.
void ResizeLayout::Arrange(int width, int height) {
    const int dx = width - startClient_.cx;
    const int dy = height - startClient_.cy;
    HDWP positions = BeginDeferWindowPos(static_cast<int>(controls_.size()));
    for (const Anchored& anchored : controls_) {
        RECT rect = anchored.start;
        if (anchored.edges & kRight) {
            rect.right += dx;
            if (!(anchored.edges & kLeft)) rect.left += dx;
        }
        if (anchored.edges & kBottom) {
            rect.bottom += dy;
            if (!(anchored.edges & kTop)) rect.top += dy;
        }
        const SIZE size = SizeOf(rect);
        if (positions)
            positions = DeferWindowPos(positions, anchored.control, nullptr, rect.left, rect.top, size.cx, size.cy,
                                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (positions) EndDeferWindowPos(positions);
    // Buttons that moved leave their old picture behind otherwise.
    InvalidateRect(window_, nullptr, TRUE);
}

// Only the restored rectangle counts: a maximised or minimised window
// goes back to it.
void ResizeLayout::KeepRestoredPlace() {
    if (IsZoomed(window_) || IsIconic(window_)) return;
    GetWindowRect(window_, &restored_);
}

std::optional<WindowPlace> ResizeLayout::Place() const {
    if (!window_) return std::nullopt;
    return WindowPlace{restored_.left, restored_.top, restored_.right, restored_.bottom, IsZoomed(window_) != FALSE};
}

void ResizeLayout::MoveTo(const WindowPlace& place) {
    RECT rect{place.left, place.top, place.right, place.bottom};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor)) {
        FitAxis(rect.left, rect.right, monitor.rcWork.left, monitor.rcWork.right, smallest_.cx);
        FitAxis(rect.top, rect.bottom, monitor.rcWork.top, monitor.rcWork.bottom, smallest_.cy);
    }
    const SIZE size = SizeOf(rect);
    SetWindowPos(window_, nullptr, rect.left, rect.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    restored_ = rect;
    if (!place.maximised) return;
    // Maximised before it is first shown, the window comes up restored
    // where the window system sets up its frame only then (Wine without a
    // window manager): it is maximised once it is up.
    if (IsWindowVisible(window_)) ShowWindow(window_, SW_MAXIMIZE);
    else maximiseWhenShown_ = true;
}

}  // namespace horalo::win
