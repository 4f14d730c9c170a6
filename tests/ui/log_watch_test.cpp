// Several windows open at once over one log: a change made in any of them,
// or by the recorder, shows in every list; an edit on a list the log has
// moved under without a word is refused, never applied to a neighbour.
#include "browser_fixture.h"
#include "ui/browser/monthly_list_dialog.h"

namespace horalo::test {
namespace {

LogRecord WorkStartAt(TimeValue time) { return LogRecord::Of(LogRecordType::WorkStart, time); }
LogRecord WorkEndAt(TimeValue time) { return LogRecord::Of(LogRecordType::WorkEnd, time); }

// Two days of March 2024, the time log open on March with the last end of
// work selected, as the user left it.
class LogWatchTest : public LogBrowserTest {
protected:
    void SetUp() override {
        LogBrowserTest::SetUp();
        WriteLog(days);
        now_ = LocalAt(2024, 2, 20, 12, 0);
        OpenBrowser();
        SelectRecord(days.size() - 1);
    }
    void SelectRecord(std::size_t index) {
        const int row = list_.FindValue(Positions().at(index));
        list_.Select(-1, false);
        list_.Select(row, true);
        list_.Focus(row);
    }
    // Where the records the list shows start: all but the month records at the head.
    std::vector<RecordPosition> DayPositions() const {
        const std::vector<RecordPosition> at = Positions();
        return {at.begin() + static_cast<std::ptrdiff_t>(MonthRecords().size()), at.end()};
    }
    std::vector<LogRecord> RecordsWithout(std::size_t index) const {
        std::vector<LogRecord> left = days;
        left.erase(left.begin() + static_cast<std::ptrdiff_t>(index));
        return left;
    }
    LogRecord SelectedRecord() const {
        const std::vector<int> rows = list_.SelectedRows();
        EXPECT_EQ(rows.size(), 1u);
        const std::vector<RecordPosition> at = Positions();
        const auto found = rows.empty() ? at.end() : std::find(at.begin(), at.end(), list_.Value(rows[0]));
        return found == at.end() ? LogRecord() : Records().at(static_cast<std::size_t>(found - at.begin()));
    }

    const std::vector<LogRecord> days = {WorkStartAt(LocalAt(2024, 2, 4, 8, 0)), WorkEndAt(LocalAt(2024, 2, 4, 16, 0)),
                                         WorkStartAt(LocalAt(2024, 2, 5, 8, 0)), WorkEndAt(LocalAt(2024, 2, 5, 16, 0))};
};

// The month's values stored from the time sheet go in front of the log and
// move every record; the time log shows that at once and deletes the end
// of work the user selected, not the one of the day before.
TEST_F(LogWatchTest, MonthValuesStoredInTheSheetLeaveTheSelectionOnItsRecord) {
    ASSERT_NE(Open(2, 2024), nullptr);
    answer_ = IDNO;  // not the next month's balance too
    FrameCommand(IDM_STORE_MONTH);
    ASSERT_EQ(MonthRecords().size(), 1u);
    EXPECT_EQ(RecordRows(), DayPositions()) << "the list shows the log as it is now";
    EXPECT_EQ(SelectedRecord(), days.back());

    shown_.clear();
    answer_ = IDYES;
    Click(IDC_BROWSER_DELETE);
    std::vector<LogRecord> left = RecordsWithout(days.size() - 1);
    left.insert(left.begin(), LogRecord::Month(MonthKey(2024, 2), 0, 0));
    EXPECT_EQ(Records(), left);
    ASSERT_EQ(shown_.size(), 1u) << "only the question";
}

// Another program wrote the log: no window was told. Each edit of the list
// finds its record gone from its place, says so once, changes nothing and
// shows the log as it is.
TEST_F(LogWatchTest, AnEditOnAListTheLogMovedUnderIsRefused) {
    std::vector<LogRecord> moved = days;
    moved.insert(moved.begin(), LogRecord::Month(MonthKey(2024, 1), 2, 130));
    const struct {
        const char* name;
        int command;
    } cases[] = {{"delete", IDC_BROWSER_DELETE}, {"edit", IDC_BROWSER_EDIT}, {"insert", IDC_BROWSER_INSERT}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteLog(days);
        browserDialog_->Refill();
        SelectRecord(days.size() - 1);
        WriteLog(moved);
        shown_.clear();
        answer_ = IDYES;
        Click(c.command);
        EXPECT_EQ(Records(), moved);
        ASSERT_FALSE(shown_.empty());
        EXPECT_EQ(shown_.back().text, win::LoadText(IDS_LOG_CHANGED_ELSEWHERE));
        EXPECT_EQ(RecordRows(), DayPositions()) << "the list shows the log as it is now";
    }
}

// A break ended from the notification area while the time log shows today.
TEST_F(LogWatchTest, ARecordWrittenByTheMainDialogAppearsInTheOpenList) {
    DestroyWindow(browser_);
    WriteLog({});
    now_ = At(8, 0);
    Start();
    OpenBrowser();
    ASSERT_EQ(RecordRows().size(), 1u);
    now_ = At(12, 0);
    Command(IDC_BEGIN_BREAK);
    now_ = At(12, 30);
    TrayClick(WM_LBUTTONDOWN);
    ASSERT_EQ(Records().size(), 2u);
    EXPECT_EQ(RecordRows(), Positions());
}

// The list of month values follows a month stored from the time sheet, and
// a change of a month that moved meanwhile is refused.
TEST_F(LogWatchTest, TheMonthlyListFollowsTheSheetAndRefusesAStaleMonth) {
    WriteLog({LogRecord::Month(MonthKey(2024, 1), 1, 100)});
    auto* monthly = new MonthlyListDialog(*app_);
    ASSERT_TRUE(monthly->CreateModeless());
    const HWND window = monthly->Handle();
    win::ListView months(GetDlgItem(window, IDC_MONTH_LIST));
    ASSERT_EQ(months.Count(), 1);

    ASSERT_NE(Open(2, 2024), nullptr);
    answer_ = IDNO;
    FrameCommand(IDM_STORE_MONTH);
    EXPECT_EQ(months.Count(), 2) << "March stored in front shows at once";

    months.Select(0, true);
    const std::vector<LogRecord> moved = {LogRecord::Month(MonthKey(2024, 0), 0, 0), LogRecord::Month(MonthKey(2024, 2), 0, 0),
                                          LogRecord::Month(MonthKey(2024, 1), 1, 100)};
    WriteLog(moved);  // by another program: February is 16 bytes further on
    shown_.clear();
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MONTH_REMOVE, BN_CLICKED), 0);
    EXPECT_EQ(Records(), moved);
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].text, win::LoadText(IDS_LOG_CHANGED_ELSEWHERE));
    EXPECT_EQ(months.Count(), 3) << "the list shows the log as it is now";
    DestroyWindow(window);
}

}  // namespace
}  // namespace horalo::test
