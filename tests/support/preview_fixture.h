// A time-sheet preview on a test-owned application object, in a fresh
// program folder with the installed form, over a log the test prepares.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "core/timelog/log_record.h"
#include "core/timelog/month_records.h"
#include "main_dialog_fixture.h"
#include "print/preview_frame.h"

namespace horalo::test {

class PreviewTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_TRUE(CopyFileA((TestProgramFolder() + "horalo.frm").c_str(), (folder_ + "horalo.frm").c_str(), FALSE));
    }

    void TearDown() override {
        if (frame_ && IsWindow(frameWindow_)) DestroyWindow(frameWindow_);
        DeleteFileA((folder_ + "horalo.frm").c_str());
        MainDialogTest::TearDown();
    }

    void WriteLog(const std::vector<LogRecord>& records) {
        std::string bytes;
        for (const auto& record : records) {
            const auto encoded = EncodeRecord(record);
            bytes.append(encoded.begin(), encoded.end());
        }
        HANDLE file = CreateFileA((folder_ + "horalo.log").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

    // A working day: start, a break, end.
    static std::vector<LogRecord> Day(int year, int month, int day, int startHour, int endHour) {
        return {LogRecord::Of(LogRecordType::WorkStart, LocalAt(year, month, day, startHour, 5)),
                LogRecord::Break(LocalAt(year, month, day, 12, 0), LocalAt(year, month, day, 12, 30)),
                LogRecord::Of(LogRecordType::WorkEnd, LocalAt(year, month, day, endHour, 5))};
    }

    CPreView* Open(int month, int year) {
        frame_ = CPreView::Open(*app_, month, year, nullptr, [this] { frame_ = nullptr; });
        frameWindow_ = frame_ ? frame_->Handle() : nullptr;
        return frame_;
    }

    void FrameCommand(int id) { SendMessageA(frameWindow_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    void SetInput(int id, const char* text) { SetDlgItemTextA(frame_->Bar(), id, text); }
    std::string Input(int id) const {
        char text[32] = {};
        GetDlgItemTextA(frame_->Bar(), id, text, sizeof text);
        return text;
    }
    std::string Title() const {
        char text[128] = {};
        GetWindowTextA(frameWindow_, text, sizeof text);
        return text;
    }
    std::string MenuText(int id) const {
        char text[64] = {};
        GetMenuStringA(GetMenu(frameWindow_), id, text, sizeof text, MF_BYCOMMAND);
        return text;
    }
    MonthRecordList MonthRecords() const {
        FILE* file = std::fopen((folder_ + "horalo.log").c_str(), "rb");
        if (!file) return {};
        MonthRecordList list = ReadMonthRecords(file);
        std::fclose(file);
        return list;
    }

    CPreView* frame_ = nullptr;  // owns itself; null once closed
    HWND frameWindow_ = nullptr;
};

}  // namespace horalo::test
