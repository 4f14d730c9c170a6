#include "win/dialog.h"

#include "win/data_exchange.h"
#include "win/message_loop.h"
#include "win/resources.h"

namespace horalo::win {

Dialog::Dialog(int templateId, HINSTANCE templateModule)
    : templateId_(templateId), templateModule_(templateModule) {}

Dialog::~Dialog() {
    // Deleted while its window still exists: cut the window loose first, so
    // no message reaches a dead object and PostNcDestroy does not run again.
    if (handle_) {
        HWND window = handle_;
        Detach();
        DestroyWindow(window);
    }
}

HINSTANCE Dialog::TemplateModule() const { return templateModule_ ? templateModule_ : ResourceModule(); }

INT_PTR Dialog::RunModal(HWND parent) {
    if (handle_) return -1;
    InitCommonControlsOnce();
    modal_ = true;
    const ModalLoopFilter filter;
    const INT_PTR result = DialogBoxParamA(TemplateModule(), MAKEINTRESOURCEA(templateId_), parent, Procedure,
                                           reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
}

bool Dialog::CreateModeless(HWND parent) {
    if (handle_) return false;
    InitCommonControlsOnce();
    modal_ = false;
    lifetime_.BeginCreation();
    CreateDialogParamA(TemplateModule(), MAKEINTRESOURCEA(templateId_), parent, Procedure,
                       reinterpret_cast<LPARAM>(this));
    lifetime_.EndCreation();
    // Not the returned handle: a window destroyed during WM_INITDIALOG may
    // still be returned by some systems, but it has detached itself here.
    return handle_ != nullptr;
}

HWND Dialog::Item(int id) const { return handle_ ? GetDlgItem(handle_, id) : nullptr; }

bool Dialog::UpdateData(bool saveAndValidate) {
    if (!handle_) return false;
    DataExchange exchange(*this, saveAndValidate);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

void Dialog::EndDialog(INT_PTR result) {
    if (!handle_) return;
    if (modal_) {
        ::EndDialog(handle_, result);
    } else {
        DestroyWindow(handle_);
    }
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

void Dialog::PostNcDestroy() {
    if (!modal_) delete this;
}

void Dialog::OnCommand(int id, std::function<void()> handler) { commands_[id] = std::move(handler); }

void Dialog::OnCommandCode(int id, UINT code, std::function<void()> handler) {
    codeCommands_[{id, code}] = std::move(handler);
}

void Dialog::OnNotify(int id, UINT code, std::function<LRESULT(NMHDR*)> handler) {
    notifications_[{id, code}] = std::move(handler);
}

INT_PTR Dialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
        return DispatchCommand(wParam, lParam) ? TRUE : FALSE;
    case WM_NOTIFY:
        return DispatchNotify(reinterpret_cast<NMHDR*>(lParam)) ? TRUE : FALSE;
    default:
        return FALSE;
    }
}

// Handlers are copied before they run: a handler may end a modeless dialog,
// and the maps must not be torn down under a running handler.
bool Dialog::DispatchCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (auto found = codeCommands_.find({id, code}); found != codeCommands_.end()) {
        const auto handler = found->second;
        handler();
        return true;
    }
    // A click has code 0; menus and accelerators come without a control.
    if (code != BN_CLICKED && lParam != 0) return false;
    if (auto found = commands_.find(id); found != commands_.end()) {
        const auto handler = found->second;
        handler();
        return true;
    }
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool Dialog::DispatchNotify(const NMHDR* header) {
    if (!header) return false;
    auto found = notifications_.find({static_cast<int>(header->idFrom), header->code});
    if (found == notifications_.end()) return false;
    const auto handler = found->second;
    HWND window = handle_;
    const LRESULT result = handler(const_cast<NMHDR*>(header));
    if (IsWindow(window)) SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return true;
}

void Dialog::Detach() {
    if (!handle_) return;
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    UnregisterModelessDialog(handle_);
    handle_ = nullptr;
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        if (!self) return FALSE;  // not created through RunModal or CreateModeless
        SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
        self->handle_ = window;
        // Modeless, it gets its keyboard handling from the program's loop.
        if (!self->modal_) RegisterModelessDialog(window);
    } else {
        // Messages before WM_INITDIALOG (WM_SETFONT) find no object yet.
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!self) return FALSE;

    return self->lifetime_.Run(
        message,
        [&] { return CatchAll([&] { return self->WindowProc(message, wParam, lParam); }, [] { return INT_PTR{FALSE}; }); },
        [self] { self->Detach(); }, [self] { self->PostNcDestroy(); });
}

}  // namespace horalo::win
