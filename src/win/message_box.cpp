#include "win/message_box.h"

#include <utility>

#include "win/resources.h"

namespace horalo::win {
namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

}  // namespace

int ShowMessageBox(HWND owner, const std::string& text, UINT style) {
    // A copy, so that a hook may replace itself while it runs.
    if (const MessageBoxHook hook = Hook()) return hook(text, style);
    return MessageBoxA(owner, text.c_str(), "Horalo", style);
}

int ShowMessageId(HWND owner, UINT stringId, UINT style) {
    return ShowMessageBox(owner, LoadText(stringId), style);
}

bool ShowOutcome(const Outcome& outcome) {
    if (!outcome) return false;
    ShowMessageBox(nullptr, outcome->text.empty() ? LoadText(outcome->textId) : outcome->text, outcome->style);
    return true;
}

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

}  // namespace horalo::win
