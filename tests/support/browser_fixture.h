// A log browser on a test-owned application object over a log the test
// writes, opened at the month of the test's clock. It runs modeless here so
// the test can drive it; the entry dialog it opens runs modally, driven by
// a ModalScript.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/io/file_layer.h"
#include "preview_fixture.h"
#include "ui/browser/log_browser_dialog.h"
#include "win/list_view.h"
#include "win/win32_file_layer.h"

namespace horalo::test {

// Counts the rewrites of the log: each ends in one replace.
class CountingReplace : public win::Win32FileLayer {
public:
    ReplaceOutcome Replace(const std::string& from, const std::string& to) override {
        ++replaces;
        return win::Win32FileLayer::Replace(from, to);
    }
    int replaces = 0;
};

inline SYSTEMTIME Picked(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0, WORD second = 0) {
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    return time;
}

class LogBrowserTest : public PreviewTest {
protected:
    void TearDown() override {
        if (IsWindow(browser_)) DestroyWindow(browser_);
        PreviewTest::TearDown();
    }

    void OpenBrowser() {
        browserDialog_ = new LogBrowserDialog(*app_);
        ASSERT_TRUE(browserDialog_->CreateModeless());
        browser_ = browserDialog_->Handle();
        ShowWindow(browser_, SW_SHOW);
        list_ = win::ListView(GetDlgItem(browser_, IDC_BROWSER_LIST));
    }

    void Click(int id) {
        SendMessageA(browser_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(browser_, id)));
    }
    std::string TextOf(int id) const {
        char text[128] = {};
        GetDlgItemTextA(browser_, id, text, sizeof text);
        return text;
    }
    std::string BrowserTitle() const {
        char text[128] = {};
        GetWindowTextA(browser_, text, sizeof text);
        return text;
    }
    // Which of delete, insert and edit are enabled.
    std::string Commands() const {
        std::string enabled;
        for (int id : {IDC_BROWSER_DELETE, IDC_BROWSER_INSERT, IDC_BROWSER_EDIT})
            enabled += IsWindowEnabled(GetDlgItem(browser_, id)) ? '1' : '0';
        return enabled;
    }

    // Where each record of the log starts (of those before a moment).
    std::vector<RecordPosition> Positions(TimeValue before = kLatestLogTime + 1) const {
        const std::string bytes = ReadBytes(folder_ + "horalo.log");
        const LogBytes log(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        std::vector<RecordPosition> positions;
        std::size_t offset = 0;
        while (auto stored = DecodeRecord(log, offset))
            if (stored->record.time < before) positions.push_back(stored->position);
        return positions;
    }
    // The item values of the list's record rows, top to bottom.
    std::vector<RecordPosition> RecordRows() const {
        std::vector<RecordPosition> rows;
        for (int row = 0; row < list_.Count(); ++row)
            if (list_.Value(row) != -1) rows.push_back(static_cast<RecordPosition>(list_.Value(row)));
        return rows;
    }
    // Gives the row of the nth record of the log the focus, as a click does.
    void FocusRecord(std::size_t index) { FocusRow(list_.FindValue(Positions().at(index))); }
    void FocusRow(int row) {
        list_.Select(-1, false);
        list_.Select(row, true);
        list_.Focus(row);
    }

    LogBrowserDialog* browserDialog_ = nullptr;  // deletes itself with its window
    HWND browser_ = nullptr;
    win::ListView list_;
};

}  // namespace horalo::test
