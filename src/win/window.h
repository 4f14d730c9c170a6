#pragma once
// A window that is no dialog (the preview frame, its canvas), with the
// object pointer passed through the creation parameters and kept in
// GWLP_USERDATA from WM_NCCREATE on. Frames that own themselves delete
// themselves once the window is gone, as modeless dialogs do.
#include <windows.h>

#include <functional>

#include "win/window_lifetime.h"

namespace horalo::win {

// The first top-level window of the calling thread that `match` accepts, or
// none.
HWND FindThreadWindow(const std::function<bool(HWND)>& match);

struct WindowClass {
    const char* name = nullptr;
    UINT style = CS_HREDRAW | CS_VREDRAW;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;     // nullptr: the arrow
    HBRUSH background = nullptr;  // nullptr: the window paints everything itself
};

struct WindowPlacement {
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
};

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Registers the class on first use. On false the object was not deleted
    // and has no window.
    bool Create(const WindowClass& windowClass, const char* title, DWORD style, DWORD exStyle = 0,
                const WindowPlacement& placement = {}, HWND parent = nullptr, HMENU menu = nullptr);

    HWND Handle() const { return handle_; }

    // Accelerators the program's message loop translates while this window
    // is active; nullptr removes them. They go with the window.
    void SetAccelerators(HACCEL accelerators);

protected:
    // Raw messages; the default is DefWindowProcA.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called once the window is gone and no message of it is being handled.
    // Default: nothing; a window that owns itself deletes itself here.
    virtual void PostNcDestroy() {}

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Detach();

    HWND handle_ = nullptr;
    WindowLifetime lifetime_;
};

}  // namespace horalo::win
