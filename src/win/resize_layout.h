#pragma once
// The layout of a resizable dialog: its controls keep their distances to
// the edges they are anchored to, the window never gets smaller than its
// template, a size grip sits in the bottom-right corner, and the window's
// place (restored rectangle and maximised state) is kept and put back.
#include <windows.h>

#include <optional>
#include <vector>

#include "core/settings/window_place.h"

namespace horalo::win {

class ResizeLayout {
public:
    // The edges of the client area a control keeps its distance to. Left
    // and right together stretch it, as do top and bottom.
    enum Edges : unsigned { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8, kAll = kLeft | kTop | kRight | kBottom };

    // Takes the window's size now (its template's) as its smallest, and
    // adds the size grip. Call once, from WM_INITDIALOG, before Anchor.
    void Begin(HWND window);
    // Controls not anchored stay where the template puts them.
    void Anchor(int id, unsigned edges);

    // Handles WM_SIZE (moves the controls), WM_MOVE (keeps the restored
    // place) and WM_GETMINMAXINFO (the smallest size), true for these, and
    // WM_SHOWWINDOW (a kept maximised state). The dialog goes on with its
    // own handling of them.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Where the window is; none before Begin.
    std::optional<WindowPlace> Place() const;
    // Puts the window at a kept place, brought onto the work area of the
    // nearest monitor and shrunk to it, though not below the smallest size;
    // maximised when it was.
    void MoveTo(const WindowPlace& place);

private:
    struct Anchored {
        HWND control;
        RECT start;  // in client coordinates, at the template's size
        unsigned edges;
    };
    void Arrange(int width, int height);
    void KeepRestoredPlace();

    HWND window_ = nullptr;
    HWND grip_ = nullptr;
    SIZE smallest_{};  // the window, frame included
    SIZE startClient_{};
    RECT restored_{};  // screen coordinates
    std::vector<Anchored> controls_;
    bool maximiseWhenShown_ = false;
};

}  // namespace horalo::win
