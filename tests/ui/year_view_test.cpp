// The year window over a prepared log, as the user reads and drives it: the
// months' figures and the mark of a balance never carried on, the years
// stepped by button and key, a change of the log or the options made
// elsewhere, the table
// on the clipboard, and a month's time sheet opened from its row.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/evaluation/year_table.h"
#include "core/text/string_list.h"
#include "core/timelog/time_log.h"
#include "dialog_fixture.h"
#include "preview_fixture.h"
#include "win/list_view.h"
#include "win/window.h"

namespace horalo::test {
namespace {

constexpr int kYear = 2025;
constexpr std::size_t kMarkColumn = 7;

class YearViewTest : public PreviewTest {
protected:
    void SetUp() override {
        PreviewTest::SetUp();
        now_ = LocalAt(2026, 2, 10, 12, 0);  // 10 March 2026: every month of 2025 has ended
        // January carries 1:30 in and on; February's final balance never
        // reached March, whose record says 0:00; June pays out 2 hours.
        std::vector<LogRecord> log{LogRecord::Month(MonthKey(kYear, 0), 0, 130),
                                   LogRecord::Month(MonthKey(kYear, 1), 0, 130),
                                   LogRecord::Month(MonthKey(kYear, 2), 0, 0),
                                   LogRecord::Month(MonthKey(kYear, 5), 2, 0)};
        for (const int day : {3, 4}) {
            const auto worked = Day(kYear, 1, day, 8, 17);
            log.insert(log.end(), worked.begin(), worked.end());
        }
        const auto worked = Day(kYear + 1, 0, 5, 8, 17);
        log.insert(log.end(), worked.begin(), worked.end());
        WriteLog(log);
    }
    void TearDown() override {
        if (IsWindow(view_)) DestroyWindow(view_);
        for (HWND frame = FindWindowA("HoraloPreviewFrame", nullptr); frame; frame = FindWindowA("HoraloPreviewFrame", nullptr))
            DestroyWindow(frame);
        PreviewTest::TearDown();
    }

    void OpenYear(int year) {
        app_->OpenYear(year);
        view_ = win::FindThreadWindow([](HWND window) { return GetDlgItem(window, IDC_YEAR_CHART) != nullptr; });
        ASSERT_NE(view_, nullptr);
        list_ = win::ListView(GetDlgItem(view_, IDC_YEAR_LIST));
    }
    std::string Title() const { return win::test::TextOf(view_); }
    std::vector<std::string> Row(int row) const {
        std::vector<std::string> cells;
        for (int column = 0; column <= static_cast<int>(kMarkColumn); ++column) cells.push_back(list_.Text(row, column));
        return cells;
    }
    void Key(WPARAM key) {
        SendMessageA(list_.Handle(), WM_KEYDOWN, key, 0);
        SendMessageA(list_.Handle(), WM_KEYUP, key, 0);
    }
    void Click(int id) { SendMessageA(GetDlgItem(view_, id), BM_CLICK, 0, 0); }
    // The user's double click on a row of the table.
    void DoubleClick(int row) {
        RECT bounds{};
        bounds.left = LVIR_LABEL;
        SendMessageA(list_.Handle(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds));
        const LPARAM at = MAKELPARAM(bounds.left + 4, (bounds.top + bounds.bottom) / 2);
        for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            SendMessageA(list_.Handle(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    }
    static std::string Sheet() {
        char title[128] = {};
        if (HWND frame = FindWindowA("HoraloPreviewFrame", nullptr)) GetWindowTextA(frame, title, sizeof title);
        return title;
    }

    HWND view_ = nullptr;
    win::ListView list_;
};

TEST_F(YearViewTest, ListsEveryMonthAsTheYearsAccountHasItAndMarksTheBalanceNeverCarriedOn) {
    OpenYear(kYear);
    EXPECT_EQ(Title(), "Flextime account 2025");
    ASSERT_EQ(list_.Count(), 12);

    // The account is computed and tested in the core: the list must show
    // that account, of this year, with these settings, and nothing else.
    auto account = LoadYear(app_->host(), kYear, app_->settings(), app_->specialDays().entries());
    ASSERT_EQ(account.outcome, std::nullopt);
    const StringList marks = SplitStringResource(app_->host(), IDS_YEAR_MARKS);
    const YearTableTexts texts{{}, SplitStringResource(app_->host(), IDS_MONTH_NAMES), marks[0], marks[1], marks[2]};
    for (int month = 0; month < 12; ++month)
        EXPECT_EQ(Row(month), YearRowTexts(account.value.months[static_cast<std::size_t>(month)], texts, true)) << month;

    // What the user looks for, by hand.
    EXPECT_EQ(Row(0), (std::vector<std::string>{"January", "0:00", "0:00", "0:00", "1:30", "0", "1:30", "yes"}));
    EXPECT_EQ(Row(1)[4], "1:30");
    EXPECT_NE(Row(1)[6], "1:30") << "two days worked in February";
    EXPECT_EQ(Row(1)[kMarkColumn], "NO") << "March carries 0:00 in";
    EXPECT_EQ(Row(5)[5], "2");
    EXPECT_EQ(Row(5)[6], "-2:00");
    EXPECT_EQ(Row(5)[kMarkColumn], "NO") << "July carries nothing in";

    // In the running year only the months that ended have carried over,
    // and a month with nothing in it has nothing to carry.
    Click(IDC_YEAR_NEXT);
    EXPECT_EQ(Title(), "Flextime account 2026");
    EXPECT_EQ(Row(0)[kMarkColumn], "NO");
    EXPECT_EQ(Row(1)[kMarkColumn], "") << "nothing in February 2026";
    EXPECT_EQ(Row(2)[kMarkColumn], "") << "March 2026 is running";
    EXPECT_EQ(Row(11)[kMarkColumn], "");
}

TEST_F(YearViewTest, StepsByButtonAndPageKeysAndShowsChangesMadeElsewhere) {
    OpenYear(kYear);
    Key(VK_NEXT);
    EXPECT_EQ(Title(), "Flextime account 2026");
    Click(IDC_YEAR_NEXT);
    EXPECT_EQ(Title(), "Flextime account 2027");
    Key(VK_PRIOR);
    Key(VK_PRIOR);
    Click(IDC_YEAR_PREV);
    EXPECT_EQ(Title(), "Flextime account 2024");
    // Opened again while open: the one window turns to the year asked for.
    OpenYear(kYear);
    EXPECT_EQ(Title(), "Flextime account 2025");
    EXPECT_EQ(Row(2)[4], "0:00");

    ASSERT_FALSE(StoreMonthRecord(app_->host(), kYear, 2, 345, 0).outcome);
    EXPECT_EQ(Row(2)[4], "3:45");

    // Options confirmed while the window was in the background: an hour
    // more of required work each day shows when it comes to the front.
    const std::string deficit = Row(1)[3];
    app_->settings().workHours += 1;
    SendMessageA(view_, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_NE(Row(1)[3], deficit);
    EXPECT_TRUE(shown_.empty());
}

TEST_F(YearViewTest, CopyPutsTheTableOnTheClipboardForASpreadsheet) {
    OpenYear(kYear);
    Click(IDC_YEAR_COPY);
    ASSERT_TRUE(OpenClipboard(view_));
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    const std::string head =
        "Month\tPresence\tSurplus\tDeficit\tCarried in\tDeducted (h)\tFinal balance\tCarried over\r\n"
        "January 2025\t0:00\t0:00\t0:00\t1:30\t0\t1:30\tyes\r\n"
        "February 2025\t";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_NE(text.find("\r\nDecember 2025\t"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 13);
}

TEST_F(YearViewTest, ADoubleClickOrEnterOnAMonthOpensItsTimeSheet) {
    OpenYear(kYear);
    DoubleClick(1);
    EXPECT_EQ(Sheet(), "Horalo - Time sheet February 2025");
    // The sheet already open turns to the month.
    list_.Focus(5);
    SetFocus(list_.Handle());
    SendMessageA(view_, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Sheet(), "Horalo - Time sheet June 2025");
    EXPECT_TRUE(shown_.empty());
}

}  // namespace
}  // namespace horalo::test
