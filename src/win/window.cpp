#include "win/window.h"

#include "win/message_loop.h"

namespace horalo::win {

HWND FindThreadWindow(const std::function<bool(HWND)>& match) {
    struct Search {
        const std::function<bool(HWND)>& match;
        HWND found;
    } search{match, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
            auto* search = reinterpret_cast<Search*>(param);
            if (!search->match(window)) return TRUE;
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
namespace {

bool RegisterOnce(const WindowClass& windowClass, WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, windowClass.name, &existing)) return true;
    WNDCLASSEXA registration{};
    registration.cbSize = sizeof registration;
    registration.style = windowClass.style;
    registration.lpfnWndProc = procedure;
    registration.hInstance = instance;
    registration.hIcon = windowClass.icon;
    registration.hIconSm = windowClass.icon;
    registration.hCursor = windowClass.cursor ? windowClass.cursor : LoadCursorA(nullptr, IDC_ARROW);
    registration.hbrBackground = windowClass.background;
    registration.lpszClassName = windowClass.name;
    return RegisterClassExA(&registration) != 0;
}

}  // namespace

Window::~Window() {
    // Deleted while its window still exists: cut the window loose first, so
    // no message reaches a dead object and PostNcDestroy does not run again.
    if (handle_) {
        HWND window = handle_;
        Detach();
        DestroyWindow(window);
    }
}

bool Window::Create(const WindowClass& windowClass, const char* title, DWORD style, DWORD exStyle,
                    const WindowPlacement& placement, HWND parent, HMENU menu) {
    if (handle_ || !RegisterOnce(windowClass, Procedure)) return false;
    lifetime_.BeginCreation();
    CreateWindowExA(exStyle, windowClass.name, title, style, placement.x, placement.y, placement.width,
                    placement.height, parent, menu, GetModuleHandleA(nullptr), this);
    lifetime_.EndCreation();
    // Not the returned handle: a window destroyed while being created has
    // detached itself here already.
    return handle_ != nullptr;
}

void Window::SetAccelerators(HACCEL accelerators) {
    if (handle_) SetFrameAccelerators(handle_, accelerators);
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(handle_, message, wParam, lParam);
}

void Window::Detach() {
    if (!handle_) return;
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    SetFrameAccelerators(handle_, nullptr);
    handle_ = nullptr;
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self) {
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            self->handle_ = window;
        }
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    // Messages before WM_NCCREATE (WM_GETMINMAXINFO) find no object yet.
    if (!self) return DefWindowProcA(window, message, wParam, lParam);

    const auto handle = [&] {
        return CatchAll([&] { return self->WindowProc(message, wParam, lParam); },
                        [&] { return DefWindowProcA(window, message, wParam, lParam); });
    };
    return self->lifetime_.Run(message, handle, [self] { self->Detach(); }, [self] { self->PostNcDestroy(); });
}

}  // namespace horalo::win
