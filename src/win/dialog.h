#pragma once
// A dialog box from a template of the language library, with data exchange
// and dispatch of commands and notifications by control identifier.
//
// Modal dialogs live on the caller's stack while RunModal runs. Modeless
// ones are created with new and belong to their window: they delete
// themselves once the window is gone (see PostNcDestroy). While they exist,
// the program's message loop gives them their keyboard handling.
#include <windows.h>

#include <functional>
#include <map>
#include <utility>

#include "win/window_lifetime.h"

namespace horalo::win {

class DataExchange;

class Dialog {
public:
    // templateModule nullptr = the resource module (language library).
    explicit Dialog(int templateId, HINSTANCE templateModule = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Returns the value given to EndDialog, or -1 when the dialog could not
    // be created (also when this object has a window already).
    INT_PTR RunModal(HWND parent = nullptr);
    // On false the object was not deleted: the caller still owns it.
    bool CreateModeless(HWND parent = nullptr);

    HWND Handle() const { return handle_; }
    HWND Item(int id) const;
    bool IsModal() const { return modal_; }

    // Runs DoDataExchange; false when a validation failed (the user has
    // been told) or there is no window.
    bool UpdateData(bool saveAndValidate);
    // Modal: ends the dialog with result. Modeless: destroys the window.
    void EndDialog(INT_PTR result);

protected:
    // Default: UpdateData(false); true lets the system set the focus.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(DataExchange& dx);
    // Default: if UpdateData(true) then EndDialog(IDOK).
    virtual void OnOK();
    // Default: EndDialog(IDCANCEL).
    virtual void OnCancel();
    // Called once the window is gone and no message of this dialog is being
    // handled any more. Default: delete this for modeless dialogs.
    virtual void PostNcDestroy();

    // Raw messages, with the meaning of a DialogProc's return value: TRUE
    // when handled (and DWLP_MSGRESULT set where the message has a result).
    // Overrides call Dialog::WindowProc for the default handling.
    virtual INT_PTR WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // A click, menu item or accelerator with this identifier. Registering an
    // identifier again replaces its handler.
    void OnCommand(int id, std::function<void()> handler);
    // A WM_COMMAND notification with exactly this code.
    void OnCommandCode(int id, UINT code, std::function<void()> handler);
    // A WM_NOTIFY; the result goes to DWLP_MSGRESULT.
    void OnNotify(int id, UINT code, std::function<LRESULT(NMHDR*)> handler);

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool DispatchCommand(WPARAM wParam, LPARAM lParam);
    bool DispatchNotify(const NMHDR* header);
    void Detach();
    HINSTANCE TemplateModule() const;

    using Key = std::pair<int, UINT>;
    int templateId_;
    HINSTANCE templateModule_;
    HWND handle_ = nullptr;
    bool modal_ = false;
    WindowLifetime lifetime_;
    std::map<int, std::function<void()>> commands_;
    std::map<Key, std::function<void()>> codeCommands_;
    std::map<Key, std::function<LRESULT(NMHDR*)>> notifications_;
};

}  // namespace horalo::win
