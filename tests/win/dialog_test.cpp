// Dialogs driven by messages: the modal result, the lifetime of modeless
// dialogs and dispatch of commands and notifications by control identifier.
#include <stdexcept>
#include <string>

#include "dialog_fixture.h"

namespace horalo::win {
namespace {

using namespace test;
using DialogTest = DialogFixture;

TEST_F(DialogTest, ModalOkSavesAndEndsOnlyWhenEverythingIsValid) {
    ExchangeDialog dialog;
    bool modalInside = false, stayedOpen = false, focusOnNumber = false;
    dialog.script = [&](ExchangeDialog& d) {
        modalInside = d.IsModal();
        SetDlgItemTextA(d.Handle(), IDC_TEST_NUMBER, "1000");
        d.Send(IDOK);
        stayedOpen = IsWindowVisible(d.Handle()) != FALSE;
        focusOnNumber = GetFocus() == d.Item(IDC_TEST_NUMBER);
        SetDlgItemTextA(d.Handle(), IDC_TEST_NUMBER, "123");
        SendMessageA(d.Item(IDOK), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(dialog.RunModal(), IDOK);
    EXPECT_TRUE(modalInside);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focusOnNumber);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(dialog.number, 123u);
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST_F(DialogTest, RunModalReturnsTheValueGivenToEndDialog) {
    ExchangeDialog ended;
    ended.script = [](ExchangeDialog& d) { d.EndDialog(1234); };
    EXPECT_EQ(ended.RunModal(), 1234);

    ExchangeDialog cancelled;
    cancelled.script = [](ExchangeDialog& d) {
        SetDlgItemTextA(d.Handle(), IDC_TEST_TEXT, "changed");
        PostMessageA(d.Handle(), WM_CLOSE, 0, 0);
    };
    EXPECT_EQ(cancelled.RunModal(), IDCANCEL);
    EXPECT_EQ(cancelled.text, "hello");

    // The same object can run again once it has ended.
    EXPECT_EQ(ended.RunModal(), 1234);

    ExchangeDialog missing(nullptr, IDD_TEST_MISSING);
    EXPECT_EQ(missing.RunModal(), -1);
    Dialog missingInLibrary(IDD_TEST_MISSING);  // looked up in the language library
    EXPECT_EQ(missingInLibrary.RunModal(), -1);
}

TEST_F(DialogTest, ModelessDialogDeletesItselfOnceItsWindowIsGone) {
    int deletions = 0;
    ExchangeDialog& destroyed = Open(&deletions);
    EXPECT_FALSE(destroyed.IsModal());
    DestroyWindow(destroyed.Handle());
    EXPECT_EQ(deletions, 1);

    ExchangeDialog& cancelled = Open(&deletions);
    HWND window = cancelled.Handle();
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(deletions, 2);

    // A handler that ends the dialog still runs on a live object.
    ExchangeDialog& selfEnding = Open(&deletions);
    int deletionsInHandler = -1;
    std::string textInHandler;
    selfEnding.OnCommand(IDC_TEST_BUTTON, [&] {
        selfEnding.EndDialog(IDOK);
        deletionsInHandler = deletions;
        textInHandler = selfEnding.text;
    });
    SendMessageA(selfEnding.Item(IDC_TEST_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(deletionsInHandler, 2);
    EXPECT_EQ(textInHandler, "hello");
    EXPECT_EQ(deletions, 3);

    // Deleting the object first takes the window with it, once.
    ExchangeDialog& deleted = Open(&deletions);
    window = deleted.Handle();
    delete &deleted;
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(deletions, 4);
}

TEST_F(DialogTest, FailedModelessCreationLeavesTheObjectToTheCaller) {
    int deletions = 0;
    auto* missing = new ExchangeDialog(&deletions, IDD_TEST_MISSING);
    EXPECT_FALSE(missing->CreateModeless());
    EXPECT_EQ(deletions, 0);
    delete missing;

    auto* destroyedDuringInit = new ExchangeDialog(&deletions);
    destroyedDuringInit->duringInit = [](ExchangeDialog& d) { DestroyWindow(d.Handle()); };
    EXPECT_FALSE(destroyedDuringInit->CreateModeless());
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(destroyedDuringInit->Handle(), nullptr);
    delete destroyedDuringInit;
    EXPECT_EQ(deletions, 2);
}

TEST_F(DialogTest, CommandsReachTheirHandlerByIdentifierAndCode) {
    ExchangeDialog& dialog = Open();
    int clicks = 0, textCommands = 0, changes = 0, oks = 0;
    dialog.OnCommand(IDC_TEST_BUTTON, [&] { ++clicks; });
    dialog.OnCommand(IDC_TEST_TEXT, [&] { ++textCommands; });
    dialog.OnCommandCode(IDC_TEST_TEXT, EN_CHANGE, [&] { ++changes; });
    dialog.OnCommand(IDOK, [&] { ++oks; });

    SendMessageA(dialog.Item(IDC_TEST_BUTTON), BM_CLICK, 0, 0);
    SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, 1), 0);  // accelerator
    EXPECT_EQ(clicks, 2);

    SetDlgItemTextA(dialog.Handle(), IDC_TEST_TEXT, "typed");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(textCommands, 0);  // a notification is no command

    SetDlgItemTextA(dialog.Handle(), IDC_TEST_NUMBER, "not a number");
    SendMessageA(dialog.Item(IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(oks, 1);  // the handler replaces OnOK: no validation, no end
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(IsWindow(dialog.Handle()));

    dialog.OnCommand(IDC_TEST_BUTTON, [&] { clicks += 10; });
    SendMessageA(dialog.Item(IDC_TEST_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 12);
}

TEST_F(DialogTest, NotificationsReachTheirHandlerAndReturnItsResult) {
    ExchangeDialog& dialog = Open();
    const NMHDR* received = nullptr;
    dialog.OnNotify(IDC_TEST_TIME, DTN_DATETIMECHANGE, [&](NMHDR* header) -> LRESULT {
        received = header;
        return 77;
    });
    NMHDR header{dialog.Item(IDC_TEST_TIME), IDC_TEST_TIME, DTN_DATETIMECHANGE};
    EXPECT_EQ(SendMessageA(dialog.Handle(), WM_NOTIFY, IDC_TEST_TIME, reinterpret_cast<LPARAM>(&header)), 77);
    EXPECT_EQ(received, &header);

    received = nullptr;
    header.code = DTN_DROPDOWN;
    SendMessageA(dialog.Handle(), WM_NOTIFY, IDC_TEST_TIME, reinterpret_cast<LPARAM>(&header));
    header.code = DTN_DATETIMECHANGE;
    header.idFrom = IDC_TEST_OPTIONAL_TIME;
    SendMessageA(dialog.Handle(), WM_NOTIFY, IDC_TEST_OPTIONAL_TIME, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(received, nullptr);
}

TEST_F(DialogTest, AnExceptionInAHandlerStaysInsideTheDialog) {
    ExchangeDialog& dialog = Open();
    int clicks = 0;
    dialog.OnCommand(IDC_TEST_BUTTON, [&] {
        ++clicks;
        throw std::runtime_error("handler failed");
    });
    SendMessageA(dialog.Item(IDC_TEST_BUTTON), BM_CLICK, 0, 0);
    SendMessageA(dialog.Item(IDC_TEST_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(IsWindow(dialog.Handle()));
}

}  // namespace
}  // namespace horalo::win
