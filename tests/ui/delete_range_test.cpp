// The delete-range dialog over prepared logs: the month it offers at a given
// clock, and what each mode leaves in the log after Yes and after No.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modal_script.h"
#include "preview_fixture.h"
#include "ui/extras/delete_range_dialog.h"

namespace horalo::test {
namespace {

constexpr UINT kQuestion = MB_YESNO | MB_ICONQUESTION;

LogRecord WorkStart(TimeValue time) { return LogRecord::Of(LogRecordType::WorkStart, time); }
LogRecord WorkEnd(TimeValue time) { return LogRecord::Of(LogRecordType::WorkEnd, time); }
LogRecord MonthOf(int year, int month) { return LogRecord::Month(MonthKey(year, month), 20, 130); }

std::string Bytes(const std::vector<LogRecord>& records) {
    std::string bytes;
    for (const auto& record : records) {
        const auto encoded = EncodeRecord(record);
        bytes.append(encoded.begin(), encoded.end());
    }
    return bytes;
}

SYSTEMTIME Date(WORD year, WORD month1, WORD day) {
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month1;
    time.wDay = day;
    time.wHour = 12;
    return time;
}

// Year, month (1 to 12), day and hour of what a picker holds.
std::string PickerDay(HWND dialog, int id) {
    SYSTEMTIME time{};
    SendDlgItemMessageA(dialog, id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return std::to_string(time.wYear) + "-" + std::to_string(time.wMonth) + "-" + std::to_string(time.wDay) + " " +
           std::to_string(time.wHour) + "h";
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

}  // namespace

class DeleteRangeTest : public PreviewTest {
protected:
    // Runs the dialog as the main dialog does; `script` sees it once it is up.
    void Run(const std::function<void(HWND)>& script) {
        ModalScript driver(IDC_RANGE_FIRST_DAY, script);
        EXPECT_EQ(DeleteRangeDialog(app_->host()).RunModal(nullptr), IDOK);
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(driver.Rescued());
    }
    std::string Log() const { return ReadBytes(folder_ + "horalo.log"); }
    bool LogExists() const { return GetFileAttributesA((folder_ + "horalo.log").c_str()) != INVALID_FILE_ATTRIBUTES; }
};

TEST_F(DeleteRangeTest, OffersTheMonthThatLay31DaysBackAndDeletesUpToItsEnd) {
    const struct {
        const char* name;
        TimeValue now;
        int year, month, lastDay;  // the month offered, 0 = January
    } cases[] = {
        {"15 March, common year", LocalAt(2023, 2, 15, 12, 0), 2023, 1, 28},
        {"15 March, leap year", LocalAt(2024, 2, 15, 12, 0), 2024, 1, 29},
        {"1 March: 29 January", LocalAt(2023, 2, 1, 12, 0), 2023, 0, 31},
        {"10 January 2002", LocalAt(2002, 0, 10, 12, 0), 2001, 11, 31},
        // 31 days of seconds: across the spring change of the clocks that is
        // 29 February 23:30, where 31 calendar days back would be 1 March.
        {"1 April 00:30", LocalAt(2024, 3, 1, 0, 30), 2024, 1, 29},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<LogRecord> kept = {MonthOf(c.year, c.month + 1), WorkStart(LocalAt(c.year, c.month + 1, 1, 0, 0, 0))};
        WriteLog({MonthOf(c.year, c.month), kept[0], WorkStart(LocalAt(1971, 5, 1, 8, 0, 0)),
                  WorkEnd(LocalAt(c.year, c.month, c.lastDay, 23, 59, 59)), kept[1]});
        now_ = c.now;
        answer_ = IDYES;
        shown_.clear();
        const std::string month = std::to_string(c.year) + "-" + std::to_string(c.month + 1) + "-";
        Run([&](HWND dialog) {
            EXPECT_EQ(PickerDay(dialog, IDC_RANGE_FIRST_DAY), month + "1 1h");
            EXPECT_EQ(PickerDay(dialog, IDC_RANGE_LAST_DAY), month + std::to_string(c.lastDay) + " 1h");
            EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_DELETE_TO_MONTH_END), BST_CHECKED);
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_DELETE_TO_MONTH_END));
            EXPECT_FALSE(Enabled(dialog, IDC_RANGE_FIRST_DAY) || Enabled(dialog, IDC_RANGE_LAST_DAY));
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_EQ(shown_[0].text, win::FormatText(IDS_DELETE_UP_TO, c.lastDay, c.month + 1, c.year));
        EXPECT_EQ(shown_[0].style, kQuestion);
        EXPECT_EQ(Records(), kept);
    }
}

TEST_F(DeleteRangeTest, EachModeDeletesOnYesOnlyAndClosesEitherWay) {
    // Opened on 15 March 2023: the month offered is February.
    now_ = LocalAt(2023, 2, 15, 12, 0);
    const LogRecord january = MonthOf(2023, 0), february = MonthOf(2023, 1), march = MonthOf(2023, 2);
    const LogRecord lastOf30 = WorkEnd(LocalAt(2023, 0, 30, 23, 59, 59)), on31 = WorkStart(LocalAt(2023, 0, 31, 8, 0, 0)),
                    lastOf1 = WorkEnd(LocalAt(2023, 1, 1, 23, 59, 59)), firstOf2 = WorkStart(LocalAt(2023, 1, 2, 0, 0, 0)),
                    firstOfMarch = WorkStart(LocalAt(2023, 2, 1, 0, 0, 0));
    LogRecord timeless;  // a tag of a later version, without a time: only emptying the log removes it
    timeless.tag = 9;
    const std::vector<LogRecord> log = {january, february, march, lastOf30, on31, timeless, lastOf1, firstOf2,
                                        firstOfMarch};
    const std::string whole =
        "Do you want to delete the whole time log, including the monthly values?\n\nRecords: 9, from January 2023 to "
        "March 2023.\n\nAll recorded working times will be lost. This cannot be undone.";
    const std::string upTo = "Do you want to delete all records up to and including 28.02.2023, the end of the month "
                             "that lay 31 days ago?\n\nThis cannot be undone.";
    const std::string range = "Do you want to delete all records from 31.01.2023 to 01.02.2023?\n\nThis cannot be undone.";

    const struct {
        int radio;
        SYSTEMTIME first, last;  // picked for a range
        int answer;
        std::string question;
        std::vector<LogRecord> left;
    } cases[] = {
        {IDC_DELETE_ALL, {}, {}, IDYES, whole, {}},
        {IDC_DELETE_ALL, {}, {}, IDNO, whole, log},
        {IDC_DELETE_TO_MONTH_END, {}, {}, IDYES, upTo, {march, timeless, firstOfMarch}},
        {IDC_DELETE_TO_MONTH_END, {}, {}, IDNO, upTo, log},
        {IDC_DELETE_DAYS, Date(2023, 1, 31), Date(2023, 2, 1), IDYES, range,
         {january, march, lastOf30, timeless, firstOf2, firstOfMarch}},
        {IDC_DELETE_DAYS, Date(2023, 1, 31), Date(2023, 2, 1), IDNO, range, log},
        {IDC_DELETE_DAYS, Date(2023, 2, 1), Date(2023, 1, 31), IDYES,
         "Do you want to delete all records from 01.02.2023 to 31.01.2023?\n\nThis cannot be undone.", log},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question + (c.answer == IDYES ? " Yes" : " No"));
        WriteLog(log);
        answer_ = c.answer;
        shown_.clear();
        Run([&](HWND dialog) {
            // The range first: choosing another mode afterwards must disable
            // the pickers again.
            SendDlgItemMessageA(dialog, IDC_DELETE_DAYS, BM_CLICK, 0, 0);
            EXPECT_TRUE(Enabled(dialog, IDC_RANGE_FIRST_DAY) && Enabled(dialog, IDC_RANGE_LAST_DAY));
            if (c.first.wYear) {
                SendDlgItemMessageA(dialog, IDC_RANGE_FIRST_DAY, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&c.first));
                SendDlgItemMessageA(dialog, IDC_RANGE_LAST_DAY, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&c.last));
            }
            SendDlgItemMessageA(dialog, c.radio, BM_CLICK, 0, 0);
            EXPECT_EQ(IsDlgButtonChecked(dialog, c.radio), BST_CHECKED);
            EXPECT_EQ(Enabled(dialog, IDC_RANGE_FIRST_DAY), c.radio == IDC_DELETE_DAYS);
            EXPECT_EQ(Enabled(dialog, IDC_RANGE_LAST_DAY), c.radio == IDC_DELETE_DAYS);
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_EQ(shown_[0].text, c.question);
        EXPECT_EQ(shown_[0].style, kQuestion);
        EXPECT_TRUE(LogExists());
        EXPECT_EQ(Log(), Bytes(c.left));
    }
}

}  // namespace horalo::test
