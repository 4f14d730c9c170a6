// A main dialog on a test-owned application object: its program folder is a
// fresh temp folder (registry value Path), its clock is set by the test and
// its message boxes are answered by the test.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/recorder_app.h"
#include "app/registry.h"
#include "app/settings_store.h"
#include "core/clock.h"
#include "core/timelog/log_record.h"
#include "dialog_fixture.h"
#include "local_time_helper.h"
#include "registry_fixture.h"
#include "resource_ids.h"
#include "ui/main/main_dialog.h"
#include "win/message_box.h"
#include "win/resources.h"

namespace horalo::test {

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// 5 March 2024 (winter time in Berlin) at the given local time.
inline TimeValue At(int hour, int minute, int second = 0) { return LocalAt(2024, 2, 5, hour, minute, second); }

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(win::test::LanguageLibrary(), nullptr) << "HoraloRDLL.dll beside the test program";
        win::SetResourceModule(win::test::LanguageLibrary());
        DeleteProgramValues();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "Horalo main " + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        ASSERT_TRUE(CopyFileA((TestProgramFolder() + "horalo.spc").c_str(), Spc().c_str(), FALSE));
        specialDays_ = ReadBytes(Spc());
        SetPath(folder_);

        app_ = std::make_unique<RecorderApp>();
        app_->programPath = folder_ + "horalo.exe";
        app_->LoadSettings();  // none stored: a first start's defaults
        app_->settings().autostart = 0;
        app_->settings().wayMinutes = 10;
        SetClock([this] { return now_; });
        win::SetMessageBoxHook([this](const std::string& text, UINT style) {
            shown_.push_back({text, style});
            return answer_;
        });
    }

    void TearDown() override {
        if (IsWindow(window_)) DestroyWindow(window_);
        TakeQuitMessage();
        app_.reset();
        SetClock({});
        win::SetMessageBoxHook({});
        for (const char* name : {"horalo.log", "horalo.spc", "horalo_b.log"}) DeleteFileA((folder_ + name).c_str());
        // Every rewrite keeps the log it replaced there.
        std::error_code ignored;
        std::filesystem::remove_all(folder_ + "backups", ignored);
        RemoveDirectoryA(folder_.c_str());
        DeleteProgramValues();
    }

    static void SetPath(const std::string& folder) {
        WriteRegistryValue(kPathValue, folder.data(), static_cast<DWORD>(folder.size()), true);
    }

    // The dialog as the program makes it at start, at `now_`.
    MainDialog& Start() {
        dialog_ = new MainDialog(*app_);
        EXPECT_TRUE(dialog_->StartWork(true));
        EXPECT_TRUE(dialog_->CreateModeless());
        window_ = dialog_->Handle();
        return *dialog_;
    }

    void Command(int id) {
        SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window_, id)));
    }
    void TrayClick(UINT mouseMessage) {
        SendMessageA(window_, WM_HORALO_TRAY_CALLBACK, HORALO_TRAY_ICON_ID, mouseMessage);
    }

    // Which of start work, end work, begin break and end break are enabled.
    std::string Buttons() const {
        std::string enabled;
        for (int id : {IDC_START_WORK, IDC_END_WORK, IDC_BEGIN_BREAK, IDC_END_BREAK})
            enabled += IsWindowEnabled(GetDlgItem(window_, id)) ? '1' : '0';
        return enabled;
    }

    std::vector<LogRecord> Records() const {
        const std::string bytes = ReadBytes(folder_ + "horalo.log");
        const LogBytes log(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        std::vector<LogRecord> records;
        std::size_t offset = 0;
        while (auto stored = DecodeRecord(log, offset)) records.push_back(stored->record);
        return records;
    }

    // Removes a quit message that the dialog posted; true when there was one.
    static bool TakeQuitMessage() {
        MSG message;
        return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
    }

    std::string Spc() const { return folder_ + "horalo.spc"; }

    struct Shown {
        std::string text;
        UINT style;
    };

    std::string folder_;
    std::string specialDays_;  // horalo.spc as copied in
    std::unique_ptr<RecorderApp> app_;
    MainDialog* dialog_ = nullptr;  // deletes itself with its window
    HWND window_ = nullptr;
    TimeValue now_ = At(8, 0);
    int answer_ = IDOK;
    std::vector<Shown> shown_;
};

}  // namespace horalo::test
