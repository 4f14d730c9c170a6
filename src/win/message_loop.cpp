#include "win/message_loop.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace horalo::win {
namespace {

std::vector<HWND>& ModelessDialogs() {
    static std::vector<HWND> dialogs;
    return dialogs;
}

std::vector<std::pair<HWND, HACCEL>>& Frames() {
    static std::vector<std::pair<HWND, HACCEL>> frames;
    return frames;
}

HHOOK modalFilter = nullptr;
int modalLoops = 0;
// IsDialogMessage asks the filter itself: a dialog message being handled
// must not come back into the filter. A modal loop that a handler of that
// message opens starts afresh (see ModalLoopFilter).
bool inDialogMessage = false;

bool Registered(HWND window) {
    const auto& dialogs = ModelessDialogs();
    return std::find(dialogs.begin(), dialogs.end(), window) != dialogs.end();
}

// Up to the top-level window, never on to an owner.
HWND ParentOf(HWND window) {
    return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
}

// The frame's accelerators only while the frame is the active window, so a
// key pressed in the main dialog never reaches the preview's commands.
bool TranslateFrameAccelerator(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    const HWND active = GetActiveWindow();
    for (const auto& [frame, accelerators] : Frames())
        if (frame == active && TranslateAcceleratorA(frame, accelerators, &message)) return true;
    return false;
}

// The innermost registered dialog that holds the message's window: a
// dialog bar inside a frame gets its own Tab order, not the frame's.
bool TakeDialogMessage(MSG& message) {
    for (HWND window = message.hwnd; window; window = ParentOf(window)) {
        if (!Registered(window)) continue;
        const bool outer = inDialogMessage;
        inDialogMessage = true;
        const bool taken = IsDialogMessageA(window, &message) != FALSE;
        inDialogMessage = outer;
        return taken;
    }
    return false;
}

LRESULT CALLBACK FilterModalLoop(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && !inDialogMessage && lParam && PreTranslate(*reinterpret_cast<MSG*>(lParam)))
        return TRUE;
    return CallNextHookEx(modalFilter, code, wParam, lParam);
}

}  // namespace

ModalLoopFilter::ModalLoopFilter() : outerInDialogMessage_(inDialogMessage) {
    inDialogMessage = false;
    if (modalLoops++ == 0)
        modalFilter = SetWindowsHookExA(WH_MSGFILTER, FilterModalLoop, nullptr, GetCurrentThreadId());
}

ModalLoopFilter::~ModalLoopFilter() {
    if (--modalLoops == 0 && modalFilter) {
        UnhookWindowsHookEx(modalFilter);
        modalFilter = nullptr;
    }
    inDialogMessage = outerInDialogMessage_;
}

bool PreTranslate(MSG& message) { return TranslateFrameAccelerator(message) || TakeDialogMessage(message); }

int RunMessageLoop() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

void RegisterModelessDialog(HWND dialog) {
    if (dialog && !Registered(dialog)) ModelessDialogs().push_back(dialog);
}

void UnregisterModelessDialog(HWND dialog) { std::erase(ModelessDialogs(), dialog); }

void SetFrameAccelerators(HWND frame, HACCEL accelerators) {
    auto& frames = Frames();
    std::erase_if(frames, [frame](const auto& entry) { return entry.first == frame; });
    if (accelerators) frames.emplace_back(frame, accelerators);
}

}  // namespace horalo::win
