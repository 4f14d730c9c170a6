// Dialogs driven by messages, as a user would drive them: exchange in both
// directions, validation that keeps the dialog open, dispatch by control
// identifier and the lifetime of modal and modeless dialogs.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "test_ids.h"
#include "win/data_exchange.h"
#include "win/dialog.h"
#include "win/message_box.h"
#include "win/resources.h"

namespace horalo::win {
namespace {

constexpr UINT kRunScript = WM_APP + 1;
constexpr UINT_PTR kSafetyTimer = 1;
constexpr INT_PTR kTimedOut = -2;

HINSTANCE LanguageLibrary() {
    static const HINSTANCE library = [] {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string folder(path);
        folder.erase(folder.find_last_of("\\/") + 1);
        return LoadLibraryA((folder + "HoraloRDLL.dll").c_str());
    }();
    return library;
}

SYSTEMTIME At(WORD hour, WORD minute) {
    SYSTEMTIME time{};
    time.wYear = 2024;
    time.wMonth = 3;
    time.wDay = 5;
    time.wHour = hour;
    time.wMinute = minute;
    return time;
}

std::string TextOf(HWND control) {
    char buffer[256] = {};
    GetWindowTextA(control, buffer, sizeof(buffer));
    return buffer;
}

// One member for every kind of exchange, in the order of the template.
class ExchangeDialog : public Dialog {
public:
    explicit ExchangeDialog(int* deletions = nullptr, int templateId = IDD_TEST_EXCHANGE)
        : Dialog(templateId, GetModuleHandleA(nullptr)), deletions_(deletions) {}
    ~ExchangeDialog() override {
        if (deletions_) ++*deletions_;
    }

    std::string text = "hello";
    std::uint32_t number = 42;
    std::uint32_t numberMin = 5;
    std::uint32_t numberMax = 999;
    int check = 1;
    SYSTEMTIME time = At(13, 47);
    SYSTEMTIME optionalTime = At(6, 30);
    std::uint32_t second = 7;
    std::string absentText = "kept";
    HWND button = nullptr;

    std::function<void(ExchangeDialog&)> duringInit;  // inside WM_INITDIALOG
    std::function<void(ExchangeDialog&)> script;      // once the dialog is up

    using Dialog::OnCommand;
    using Dialog::OnCommandCode;
    using Dialog::OnNotify;

    void Send(UINT id, UINT code = BN_CLICKED) {
        SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    }

protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.Text(IDC_TEST_TEXT, text, 10);
        dx.Number(IDC_TEST_NUMBER, number, numberMin, numberMax);
        dx.Check(IDC_TEST_CHECK, check);
        dx.Time(IDC_TEST_TIME, time);
        dx.Time(IDC_TEST_OPTIONAL_TIME, optionalTime);
        dx.Number(IDC_TEST_SECOND, second, 0, 59);
        dx.Text(IDC_TEST_ABSENT, absentText, 0);
        dx.Control(IDC_TEST_BUTTON, button);
    }
    bool OnInitDialog() override {
        Dialog::OnInitDialog();
        if (duringInit) duringInit(*this);
        if (script && IsWindow(Handle())) {
            PostMessageA(Handle(), kRunScript, 0, 0);
            SetTimer(Handle(), kSafetyTimer, 10000, nullptr);  // a failing script must not hang the run
        }
        return true;
    }
    INT_PTR WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kRunScript) script(*this);
        if (message == WM_TIMER && wParam == kSafetyTimer) EndDialog(kTimedOut);
        return Dialog::WindowProc(message, wParam, lParam);
    }

private:
    int* deletions_;
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(LanguageLibrary(), nullptr) << "HoraloRDLL.dll beside the test program";
        SetResourceModule(LanguageLibrary());
        SetMessageBoxHook([this](const std::string& text, UINT style) {
            shown.push_back({text, style});
            return IDOK;
        });
    }
    void TearDown() override {
        SetMessageBoxHook({});
        for (HWND window : windows_)
            if (IsWindow(window)) DestroyWindow(window);
    }

    // A modeless dialog; it deletes itself, at the latest when the test ends.
    ExchangeDialog& Open(int* deletions = nullptr) {
        auto* dialog = new ExchangeDialog(deletions);
        EXPECT_TRUE(dialog->CreateModeless());
        windows_.push_back(dialog->Handle());
        return *dialog;
    }

    struct Shown {
        std::string text;
        UINT style;
    };
    std::vector<Shown> shown;

private:
    std::vector<HWND> windows_;
};

SYSTEMTIME PickerTime(HWND picker, LRESULT* state = nullptr) {
    SYSTEMTIME time{};
    const LRESULT result = SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    if (state) *state = result;
    return time;
}

TEST_F(DialogTest, LoadPutsEveryMemberIntoItsControl) {
    ExchangeDialog& dialog = Open();  // OnInitDialog loads
    EXPECT_EQ(TextOf(dialog.Item(IDC_TEST_TEXT)), "hello");
    EXPECT_EQ(SendMessageA(dialog.Item(IDC_TEST_TEXT), EM_GETLIMITTEXT, 0, 0), 10);
    EXPECT_EQ(TextOf(dialog.Item(IDC_TEST_NUMBER)), "42");
    EXPECT_EQ(SendMessageA(dialog.Item(IDC_TEST_CHECK), BM_GETCHECK, 0, 0), BST_CHECKED);
    const SYSTEMTIME shownTime = PickerTime(dialog.Item(IDC_TEST_TIME));
    EXPECT_EQ(shownTime.wHour, 13);
    EXPECT_EQ(shownTime.wMinute, 47);
    EXPECT_EQ(PickerTime(dialog.Item(IDC_TEST_OPTIONAL_TIME)).wHour, 6);
    EXPECT_EQ(TextOf(dialog.Item(IDC_TEST_SECOND)), "7");
    EXPECT_EQ(dialog.button, GetDlgItem(dialog.Handle(), IDC_TEST_BUTTON));
    EXPECT_NE(dialog.button, nullptr);

    dialog.check = 0;
    dialog.number = 4294967295u;
    dialog.time = At(0, 0);
    ASSERT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(SendMessageA(dialog.Item(IDC_TEST_CHECK), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(TextOf(dialog.Item(IDC_TEST_NUMBER)), "4294967295");
    EXPECT_EQ(PickerTime(dialog.Item(IDC_TEST_TIME)).wHour, 0);
    EXPECT_TRUE(shown.empty());
}

TEST_F(DialogTest, SaveReadsEveryControlBack) {
    ExchangeDialog& dialog = Open();
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_TEXT, "0123456789");  // exactly the maximum
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_NUMBER, " \t999  ");   // the maximum, padded
    SendMessageA(dialog.Item(IDC_TEST_CHECK), BM_SETCHECK, BST_UNCHECKED, 0);
    SYSTEMTIME picked = At(8, 5);
    SendMessageA(dialog.Item(IDC_TEST_TIME), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&picked));
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_SECOND, "0");
    dialog.button = nullptr;

    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.text, "0123456789");
    EXPECT_EQ(dialog.number, 999u);
    EXPECT_EQ(dialog.check, 0);
    EXPECT_EQ(dialog.time.wHour, 8);
    EXPECT_EQ(dialog.time.wMinute, 5);
    EXPECT_EQ(dialog.second, 0u);
    EXPECT_EQ(dialog.absentText, "kept");  // no control: the member stays
    EXPECT_EQ(dialog.button, dialog.Item(IDC_TEST_BUTTON));

    SetDlgItemTextA(dialog.Handle(), IDC_TEST_NUMBER, "5");  // the minimum
    SendMessageA(dialog.Item(IDC_TEST_CHECK), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(dialog.Item(IDC_TEST_OPTIONAL_TIME), DTM_SETSYSTEMTIME, GDT_NONE, 0);
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.number, 5u);
    EXPECT_EQ(dialog.check, 1);
    EXPECT_EQ(dialog.optionalTime.wHour, 6);  // a picker showing "none" keeps the member
    EXPECT_EQ(dialog.optionalTime.wMinute, 30);
    EXPECT_TRUE(shown.empty());
}

TEST_F(DialogTest, NumbersUpToTheLargest32BitValue) {
    ExchangeDialog& dialog = Open();
    dialog.numberMin = 0;
    dialog.numberMax = 4294967295u;
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_NUMBER, "4294967295");
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.number, 4294967295u);
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_NUMBER, "4294967296");
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.number, 4294967295u);
    EXPECT_EQ(shown.size(), 1u);
}

struct BadInput {
    int control;
    const char* input;
    UINT message;
    std::vector<const char*> numbersInMessage;
};

TEST_F(DialogTest, EachValidationFailureKeepsTheDialogOpenOnTheOffendingControl) {
    const std::vector<BadInput> cases = {
        {IDC_TEST_TEXT, "01234567890", IDS_DDX_TEXT_TOO_LONG, {"10"}},
        {IDC_TEST_NUMBER, "4", IDS_DDX_NUMBER_RANGE, {"5", "999"}},
        {IDC_TEST_NUMBER, "1000", IDS_DDX_NUMBER_RANGE, {"5", "999"}},
        {IDC_TEST_NUMBER, "99999999999999999999", IDS_DDX_NUMBER_RANGE, {"5", "999"}},
        {IDC_TEST_NUMBER, "", IDS_DDX_NOT_A_NUMBER, {}},
        {IDC_TEST_NUMBER, "   ", IDS_DDX_NOT_A_NUMBER, {}},
        {IDC_TEST_NUMBER, "abc", IDS_DDX_NOT_A_NUMBER, {}},
        {IDC_TEST_NUMBER, "12a", IDS_DDX_NOT_A_NUMBER, {}},
        {IDC_TEST_NUMBER, "1 2", IDS_DDX_NOT_A_NUMBER, {}},
        {IDC_TEST_NUMBER, "-5", IDS_DDX_NOT_A_NUMBER, {}},
        {IDC_TEST_NUMBER, "+7", IDS_DDX_NOT_A_NUMBER, {}},
        {IDC_TEST_SECOND, "60", IDS_DDX_NUMBER_RANGE, {"0", "59"}},
    };
    ExchangeDialog& dialog = Open();
    HWND window = dialog.Handle();
    for (const BadInput& bad : cases) {
        SCOPED_TRACE(std::string("input \"") + bad.input + "\"");
        shown.clear();
        ASSERT_TRUE(dialog.UpdateData(false));  // every control back to its member
        HWND control = dialog.Item(bad.control);
        SetWindowTextA(control, bad.input);
        SetFocus(dialog.Item(IDC_TEST_BUTTON));

        dialog.Send(IDOK);

        ASSERT_TRUE(IsWindow(window)) << "OK closed the dialog";
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));
        if (!LoadText(bad.message).empty()) {
            EXPECT_FALSE(shown[0].text.empty());
            for (const char* number : bad.numbersInMessage)
                EXPECT_NE(shown[0].text.find(number), std::string::npos) << shown[0].text;
        }
        EXPECT_EQ(GetFocus(), control);
        DWORD start = 1, end = 0;
        SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, std::string(bad.input).size());
    }
    EXPECT_EQ(dialog.text, "hello");
    EXPECT_EQ(dialog.number, 42u);
    EXPECT_EQ(dialog.second, 7u);
}

TEST_F(DialogTest, TheFirstFailureEndsThePass) {
    ExchangeDialog& dialog = Open();
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_TEXT, "much too long for ten");
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_NUMBER, "not a number either");
    SendMessageA(dialog.Item(IDC_TEST_CHECK), BM_SETCHECK, BST_UNCHECKED, 0);
    dialog.button = nullptr;

    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(GetFocus(), dialog.Item(IDC_TEST_TEXT));
    EXPECT_EQ(dialog.check, 1);
    EXPECT_EQ(dialog.button, nullptr);

    // Once the text is right, the next failure is the number's.
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_TEXT, "short");
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(GetFocus(), dialog.Item(IDC_TEST_NUMBER));
    EXPECT_EQ(dialog.text, "short");
    EXPECT_EQ(dialog.check, 1);
}

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
