// The dialog that the dialog-layer tests drive: one member for every kind
// of exchange, scripts that run inside its own message loop, and a fixture
// that records message boxes instead of showing them.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "test_ids.h"
#include "win/data_exchange.h"
#include "win/dialog.h"
#include "win/message_box.h"
#include "win/resources.h"

namespace horalo::win::test {

inline constexpr UINT kRunScript = WM_APP + 1;
inline constexpr UINT_PTR kSafetyTimer = 1;
inline constexpr INT_PTR kTimedOut = -2;

inline HINSTANCE LanguageLibrary() {
    static const HINSTANCE library = [] {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string folder(path);
        folder.erase(folder.find_last_of("\\/") + 1);
        return LoadLibraryA((folder + "HoraloRDLL.dll").c_str());
    }();
    return library;
}

inline SYSTEMTIME At(WORD hour, WORD minute) {
    SYSTEMTIME time{};
    time.wYear = 2024;
    time.wMonth = 3;
    time.wDay = 5;
    time.wHour = hour;
    time.wMinute = minute;
    return time;
}

inline std::string TextOf(HWND control) {
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

class DialogFixture : public ::testing::Test {
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

inline SYSTEMTIME PickerTime(HWND picker) {
    SYSTEMTIME time{};
    SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}

}  // namespace horalo::win::test
