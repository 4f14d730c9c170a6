// The time-sheet preview over prepared logs: moving between months, the
// month's inputs, storing them, and the ways opening can fail.
#include <gtest/gtest.h>

#include "preview_fixture.h"
#include "win/message_loop.h"

namespace horalo::test {
namespace {

using PreviewFrame = PreviewTest;

TEST_F(PreviewFrame, MovesKeepTheYearForMonthsAndNameTheNeighbours) {
    WriteLog(Day(2026, 0, 5, 8, 17));
    ASSERT_NE(Open(0, 2026), nullptr);
    EXPECT_EQ(Title(), "Horalo - Time sheet January 2026");
    EXPECT_EQ(MenuText(IDC_PREV_MONTH), "December");
    EXPECT_EQ(MenuText(IDC_NEXT_MONTH), "February");
    EXPECT_EQ(MenuText(IDC_PREV_YEAR), "2025");
    EXPECT_EQ(MenuText(IDC_NEXT_YEAR), "2027");
    EXPECT_EQ(frame_->Form().sheet().evaluation.days[4].presence, 9 * 3600);

    struct Step {
        int command;
        int month;
        int year;
    };
    const Step steps[] = {{IDC_PREV_MONTH, 11, 2026}, {IDC_NEXT_MONTH, 0, 2026}, {IDC_PREV_YEAR, 0, 2025},
                          {IDC_NEXT_YEAR, 0, 2026}, {IDC_NEXT_MONTH, 1, 2026}};
    for (const Step& step : steps) {
        FrameCommand(step.command);
        EXPECT_EQ(frame_->Month(), step.month);
        EXPECT_EQ(frame_->Year(), step.year);
        EXPECT_EQ(frame_->Form().sheet().month, step.month);
    }
    EXPECT_EQ(Title(), "Horalo - Time sheet February 2026");
    EXPECT_EQ(MenuText(IDC_PREV_MONTH), "January");
    EXPECT_TRUE(shown_.empty());
}

TEST_F(PreviewFrame, InputsMoveTheBalanceAndANegativeOneKeepsItsSign) {
    WriteLog(Day(2026, 0, 5, 8, 17));
    ASSERT_NE(Open(0, 2026), nullptr);
    const TimeSheet& sheet = frame_->Form().sheet();
    const std::int32_t balance = sheet.evaluation.days[4].balance;
    struct Case {
        const char* hours;
        const char* minutes;
        std::int32_t carried;
    };
    const Case cases[] = {{"12", "30", 1230}, {"-1", "30", -130}, {"-0", "30", -30}, {"x", "15", 15}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hours);
        SetInput(IDC_CARRIED_MINUTES, c.minutes);
        SetInput(IDC_CARRIED_HOURS, c.hours);
        EXPECT_EQ(sheet.carriedBalance, c.carried);
        EXPECT_EQ(sheet.evaluation.days[4].balance - balance, CarriedSeconds(c.carried));
    }
}

TEST_F(PreviewFrame, StoringAtTheEndOfTheYearCarriesANegativeBalanceIntoJanuary) {
    WriteLog({});
    ASSERT_NE(Open(11, 2025), nullptr);
    SetInput(IDC_CARRIED_HOURS, "0");
    SetInput(IDC_CARRIED_MINUTES, "30");
    SetInput(IDC_HOURS_DEDUCTED, "1");
    answer_ = IDYES;
    FrameCommand(IDM_STORE_MONTH);
    const MonthRecordList records = MonthRecords();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(MonthCarriedBalance(records, 2025, 11), 30);
    EXPECT_EQ(MonthHoursDeducted(records, 2025, 11), 1);
    EXPECT_EQ(MonthCarriedBalance(records, 2026, 0), -30);
    EXPECT_EQ(MonthHoursDeducted(records, 2026, 0), 0);

    // Back in January of the next year the fields show the minus sign.
    FrameCommand(IDC_NEXT_YEAR);
    FrameCommand(IDC_NEXT_MONTH);
    EXPECT_EQ(Input(IDC_CARRIED_HOURS), "-0");
    EXPECT_EQ(Input(IDC_CARRIED_MINUTES), "30");
    EXPECT_EQ(frame_->Form().sheet().carriedBalance, -30);
}

TEST_F(PreviewFrame, NoOnTheQuestionStoresOnlyTheShownMonth) {
    WriteLog({});
    ASSERT_NE(Open(4, 2026), nullptr);
    SetInput(IDC_CARRIED_HOURS, "-2");
    answer_ = IDNO;
    FrameCommand(IDM_STORE_MONTH);
    const MonthRecordList records = MonthRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(MonthCarriedBalance(records, 2026, 4), -200);
}

TEST_F(PreviewFrame, OpeningFailsWithTheReason) {
    struct Case {
        const char* name;
        bool removeForm;
        std::vector<LogRecord> log;
        UINT message;
    };
    const Case cases[] = {
        {"form missing", true, {}, IDS_FORM_UNREADABLE},
        {"end without start", false, {LogRecord::Of(LogRecordType::WorkEnd, LocalAt(2026, 2, 3, 17, 0))},
         IDS_SHEET_ORDER_PROBLEM},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shown_.clear();
        if (c.removeForm) DeleteFileA((folder_ + "horalo.frm").c_str());
        WriteLog(c.log);
        EXPECT_EQ(Open(2, 2026), nullptr);
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_EQ(shown_[0].text, win::LoadText(c.message));
        CopyFileA((TestProgramFolder() + "horalo.frm").c_str(), (folder_ + "horalo.frm").c_str(), FALSE);
    }
}

TEST_F(PreviewFrame, AMoveIntoAMonthOutOfOrderStaysOnTheMonthBefore) {
    std::vector<LogRecord> log = Day(2026, 2, 3, 8, 16);
    log.push_back(LogRecord::Of(LogRecordType::WorkEnd, LocalAt(2026, 3, 7, 17, 0)));
    WriteLog(log);
    ASSERT_NE(Open(2, 2026), nullptr);
    FrameCommand(IDC_NEXT_MONTH);
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].text, win::LoadText(IDS_SHEET_ORDER_PROBLEM));
    EXPECT_EQ(frame_->Month(), 2);
    EXPECT_EQ(Title(), "Horalo - Time sheet March 2026");
    EXPECT_EQ(frame_->Form().sheet().evaluation.days[2].presence, 8 * 3600);
}

TEST_F(PreviewFrame, ZoomShowsTheScrollBarsAndTheApplicationKeepsOnePreview) {
    WriteLog({});
    app_->OpenPreview(2, 2026, nullptr);
    HWND first = FindWindowA("HoraloPreviewFrame", nullptr);
    ASSERT_NE(first, nullptr);
    app_->OpenPreview(5, 2026, nullptr);
    int frames = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM count) {
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            if (std::string(name) == "HoraloPreviewFrame") ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&frames));
    EXPECT_EQ(frames, 1);

    HWND canvas = FindWindowExA(first, nullptr, "HoraloPreviewCanvas", nullptr);
    ASSERT_NE(canvas, nullptr);
    const auto bars = [canvas] { return GetWindowLongA(canvas, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL); };
    EXPECT_EQ(bars(), 0);
    SendMessageA(first, WM_COMMAND, IDM_ZOOM_2, 0);
    EXPECT_EQ(bars(), WS_HSCROLL | WS_VSCROLL);
    SendMessageA(canvas, WM_RBUTTONUP, 0, 0);
    EXPECT_EQ(bars(), 0);
    DestroyWindow(first);
}

TEST_F(PreviewFrame, TheMainDialogOpensTheCurrentMonth) {
    WriteLog({});
    Start();
    Command(IDC_PREVIEW);
    HWND frame = FindWindowA("HoraloPreviewFrame", nullptr);
    ASSERT_NE(frame, nullptr);
    char title[128] = {};
    GetWindowTextA(frame, title, sizeof title);
    EXPECT_STREQ(title, "Horalo - Time sheet March 2024");
    DestroyWindow(frame);
}

TEST_F(PreviewFrame, PageDownStepsToTheNextMonthAndEscapeCloses) {
    WriteLog({});
    ASSERT_NE(Open(2, 2026), nullptr);
    SetForegroundWindow(frameWindow_);
    SetActiveWindow(frameWindow_);
    const auto press = [](UINT key) {
        MSG down{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
        if (!win::PreTranslate(down)) DispatchMessageA(&down);
    };
    press(VK_NEXT);
    EXPECT_EQ(frame_->Month(), 3);
    press(VK_ESCAPE);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    EXPECT_FALSE(IsWindow(frameWindow_));
    EXPECT_EQ(frame_, nullptr);
}

}  // namespace
}  // namespace horalo::test
