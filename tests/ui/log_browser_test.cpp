// The log browser over prepared logs: moving between months, the rows a
// month shows, which commands the selection allows, deleting, and writing
// entries through the entry dialog, each checked in the log file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>

#include "browser_fixture.h"
#include "modal_script.h"

namespace horalo::test {
namespace {

LogRecord Record(LogRecordType type, TimeValue time) { return LogRecord::Of(type, time); }
LogRecord WorkStart(TimeValue time) { return Record(LogRecordType::WorkStart, time); }
LogRecord WorkEnd(TimeValue time) { return Record(LogRecordType::WorkEnd, time); }
LogRecord Absence(int month, int day) { return Record(LogRecordType::AbsenceDay, LocalAt(2024, month, day, 8, 0)); }

void Press(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
void Pick(HWND dialog, int id, const SYSTEMTIME& time) {
    SendDlgItemMessageA(dialog, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}
void Close(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, id, 0); }

int CheckedType(HWND dialog) {
    for (int id : {IDC_TYPE_WORK_END, IDC_TYPE_WORK_START, IDC_TYPE_BREAK, IDC_TYPE_NOTE, IDC_TYPE_ABSENCE, IDC_TYPE_COMPENSATION})
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) return id;
    return 0;
}

std::string Question(int day, int month, int hour, int minute) {
    return win::FormatText(IDS_CONFIRM_ENTRY, day, month, 2024, hour, minute);
}

// The day on which the clocks go forward in spring 2024, counted from
// 1 March (1 April is 32); 0 when they do not. Tests that cross the change
// find it here, so they hold in whatever zone the run is given.
int SpringForward() {
    for (int day = 1; day < 62; ++day)
        if (LocalAt(2024, 2, day + 1, 8, 0) - LocalAt(2024, 2, day, 8, 0) != 24 * 3600) return day + 1;
    return 0;
}

SYSTEMTIME DayOfMarch(int day) {
    std::tm fields{};
    ToLocalTime(LocalAt(2024, 2, day, 8, 0), fields);
    SYSTEMTIME date = Picked(2024, static_cast<WORD>(fields.tm_mon + 1), static_cast<WORD>(fields.tm_mday));
    date.wDayOfWeek = static_cast<WORD>(fields.tm_wday);
    return date;
}

TEST_F(LogBrowserTest, MonthButtonsKeepTheYearAndEveryStepShowsItsOwnMonth) {
    WriteLog({WorkStart(LocalAt(2000, 0, 10, 8, 0)), WorkStart(LocalAt(2000, 11, 4, 8, 0)),
              WorkStart(LocalAt(2001, 0, 1, 8, 0)), WorkStart(LocalAt(2001, 11, 3, 8, 0))});
    const std::vector<RecordPosition> at = Positions();
    now_ = LocalAt(2001, 0, 15, 12, 0);
    OpenBrowser();
    struct Step {
        int command;
        const char* title;
        const char* months[2];  // previous, next
        const char* years[2];
        RecordPosition record;
    };
    const Step steps[] = {
        {0, "Time log - January 2001", {"December", "February"}, {"2000", "2002"}, at[2]},
        {IDC_PREV_MONTH, "Time log - December 2001", {"November", "January"}, {"2000", "2002"}, at[3]},
        {IDC_PREV_YEAR, "Time log - December 2000", {"November", "January"}, {"1999", "2001"}, at[1]},
        {IDC_NEXT_MONTH, "Time log - January 2000", {"December", "February"}, {"1999", "2001"}, at[0]},
        {IDC_NEXT_YEAR, "Time log - January 2001", {"December", "February"}, {"2000", "2002"}, at[2]},
    };
    for (const Step& step : steps) {
        if (step.command) Click(step.command);
        SCOPED_TRACE(step.title);
        EXPECT_EQ(BrowserTitle(), step.title);
        EXPECT_EQ(TextOf(IDC_PREV_MONTH), step.months[0]);
        EXPECT_EQ(TextOf(IDC_NEXT_MONTH), step.months[1]);
        EXPECT_EQ(TextOf(IDC_PREV_YEAR), step.years[0]);
        EXPECT_EQ(TextOf(IDC_NEXT_YEAR), step.years[1]);
        EXPECT_EQ(RecordRows(), std::vector{step.record});
    }
    EXPECT_TRUE(shown_.empty());
}

TEST_F(LogBrowserTest, ALogThatCannotBeOpenedIsReportedAtEveryFillAndTheCaptionsStillMove) {
    now_ = LocalAt(2024, 2, 5, 12, 0);
    OpenBrowser();  // the folder holds no log
    Click(IDC_NEXT_MONTH);
    EXPECT_EQ(BrowserTitle(), "Time log - April 2024");
    EXPECT_EQ(TextOf(IDC_NEXT_MONTH), "May");
    EXPECT_EQ(list_.Count(), 0);
    ASSERT_EQ(shown_.size(), 2u);
    EXPECT_EQ(shown_[1].text, win::LoadText(IDS_LOG_OPEN_FAILED));
}

// May 2024 begins with a holiday (Labour Day, Wednesday), two working days
// and a weekend before the first record.
class LogBrowserMayTest : public LogBrowserTest {
protected:
    void SetUp() override {
        LogBrowserTest::SetUp();
        ASSERT_EQ(app_->specialDays().Load(), std::nullopt);
        SettingsRecord& settings = app_->settings();
        settings.workHours = 7;
        settings.workMinutes = 0;
        settings.breakHours = 0;
        settings.breakMinutes = 45;
        WriteLog({WorkStart(LocalAt(2024, 4, 6, 8, 0)), LogRecord::Note(LocalAt(2024, 4, 6, 10, 0), "Dentist"),
                  WorkEnd(LocalAt(2024, 4, 6, 17, 0)), WorkStart(LocalAt(2024, 4, 7, 8, 0)),
                  WorkStart(LocalAt(2024, 4, 7, 9, 0))});
        now_ = LocalAt(2024, 4, 20, 12, 0);
        OpenBrowser();
    }
};

TEST_F(LogBrowserMayTest, RowsShowFillersProblemsAndNotesWithTheirImagesAndPositions) {
    const std::vector<RecordPosition> at = Positions();
    const std::string workday = win::FormatText(IDS_PROBLEM_CODE_2, 5);
    struct Row {
        RowTexts texts;
        int image;
        RecordPosition value;
    };
    const Row rows[] = {
        {{"Wednesday", "01.05.2024", "", "", "", "Labour Day"}, 10, -1},
        {{"Thursday", "02.05.2024", "", "", "", workday}, 19, -1},
        {{"Friday", "03.05.2024", "", "", "", workday}, 19, -1},
        {{"Saturday", "04.05.2024", "", "", "", ""}, 2, -1},
        {{"Sunday", "05.05.2024", "", "", "", ""}, 0, -1},
        {{"Monday", "06.05.2024", "08:00:00", "", "", ""}, 4, at[0]},
        {{"", "", "10:00:00", "", "", "Dentist"}, 8, at[1]},
        {{"", "", "17:00:00", "09:00", "01:15", ""}, 6, at[2]},
        {{"Tuesday", "07.05.2024", "08:00:00", "", "", ""}, 4, at[3]},
        {{"", "", "09:00:00", "", "", win::FormatText(IDS_PROBLEM_CODE, 2)}, 5, at[4]},
    };
    ASSERT_EQ(list_.Count(), static_cast<int>(std::size(rows)));
    for (int row = 0; row < list_.Count(); ++row) {
        SCOPED_TRACE(row);
        for (int column = 0; column < kRowColumns; ++column) EXPECT_EQ(list_.Text(row, column), rows[row].texts[column]);
        EXPECT_EQ(list_.Image(row), rows[row].image);
        EXPECT_EQ(list_.Value(row), rows[row].value);
    }
}

TEST_F(LogBrowserMayTest, DeleteNeedsASelectedRecordEditAFocusedOneAndInsertNothing) {
    const int filler = 0, record = 5, other = 6;
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* commands;  // delete, insert, edit
    };
    const Step steps[] = {
        {"nothing yet", [] {}, "010"},
        {"a filler row", [&] { FocusRow(filler); }, "010"},
        {"a record row added", [&] {
             list_.Select(record, true);
             list_.Focus(record);
         }, "111"},
        {"the record row dropped, its focus kept", [&] { list_.Select(record, false); }, "011"},
        {"the focus back on the filler", [&] { list_.Focus(filler); }, "010"},
        {"another record selected, not focused", [&] { list_.Select(other, true); }, "110"},
        {"a month later", [&] { Click(IDC_NEXT_MONTH); }, "010"},
        {"and back", [&] { Click(IDC_PREV_MONTH); }, "010"},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(Commands(), step.commands) << step.what;
    }
    EXPECT_EQ(list_.SelectedCount(), 0);
}

TEST_F(LogBrowserTest, SelectedRecordsGoInOneRewriteAfterOneQuestionOrAllStay) {
    std::vector<LogRecord> log;
    for (int day : {4, 5, 6}) log.insert(log.end(), {WorkStart(LocalAt(2024, 2, day, 8, 0)), WorkEnd(LocalAt(2024, 2, day, 16, 0))});
    WriteLog(log);
    now_ = LocalAt(2024, 2, 20, 12, 0);
    OpenBrowser();
    const std::string logPath = folder_ + "horalo.log", rewritePath = folder_ + "horalo_b.log";
    struct Case {
        const char* name;
        int answer;
        std::function<HANDLE()> obstruct;  // returns what to close afterwards
        std::vector<LogRecord> left;
        int replaces;      // of the log by its rewrite, tried or done
        unsigned failure;  // the message after the question, 0 for none
    };
    const auto nothing = [] { return INVALID_HANDLE_VALUE; };
    const Case cases[] = {
        {"yes", IDYES, nothing, {log[0], log[3], log[5]}, 1, 0},
        {"no", IDNO, nothing, log, 0, 0},
        {"log held open by another program", IDYES,
         [&] { return CreateFileA(logPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr); },
         log, 1, IDS_LOG_IN_USE},
        {"rewrite file cannot be made", IDYES,
         [&] {
             CreateDirectoryA(rewritePath.c_str(), nullptr);
             return INVALID_HANDLE_VALUE;
         },
         log, 0, IDS_LOG_OPEN_FAILED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteLog(log);
        browserDialog_->Refill();
        const std::vector<RecordPosition> at = Positions();
        // A filler row in the selection counts for nothing.
        for (const int row : {list_.FindValue(at[4]), 0, list_.FindValue(at[1]), list_.FindValue(at[2])}) list_.Select(row, true);
        ASSERT_EQ(Commands()[0], '1');
        shown_.clear();
        answer_ = c.answer;
        const HANDLE held = c.obstruct();
        CountingReplace counting;
        {
            ScopedFileLayer layer(counting);
            Click(IDC_BROWSER_DELETE);
        }
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        RemoveDirectoryA(rewritePath.c_str());

        EXPECT_EQ(Records(), c.left);
        EXPECT_EQ(counting.replaces, c.replaces);
        ASSERT_EQ(shown_.size(), c.failure ? 2u : 1u);
        EXPECT_EQ(shown_[0].text, win::FormatText(IDS_DELETE_RECORDS, 3,
                                                  "Monday 04.03.2024 16:00  End of work\n"
                                                  "Tuesday 05.03.2024 08:00  Start of work\n"
                                                  "Wednesday 06.03.2024 08:00  Start of work"));
        EXPECT_EQ(shown_[0].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
        if (c.failure) {
            EXPECT_EQ(shown_[1].text, win::LoadText(c.failure));
        }
        EXPECT_EQ(RecordRows(), Positions()) << "the list shows what the log holds";
    }
}

TEST_F(LogBrowserTest, TheDeleteQuestionNamesOneRecordOrFiveAndHowManyMore) {
    std::vector<LogRecord> log;
    for (int day = 4; day <= 10; ++day) log.push_back(WorkStart(LocalAt(2024, 2, day, 9, 30)));
    WriteLog(log);
    now_ = LocalAt(2024, 2, 20, 12, 0);
    OpenBrowser();
    const std::string five =
        "Monday 04.03.2024 09:30  Start of work\nTuesday 05.03.2024 09:30  Start of work\n"
        "Wednesday 06.03.2024 09:30  Start of work\nThursday 07.03.2024 09:30  Start of work\n"
        "Friday 08.03.2024 09:30  Start of work";
    const struct {
        std::size_t selected;
        std::string question;
    } cases[] = {
        {1, win::FormatText(IDS_DELETE_ONE_RECORD, "Monday 04.03.2024 09:30  Start of work")},
        {3, win::FormatText(IDS_DELETE_RECORDS, 3, five.substr(0, five.find("\nThursday")).c_str())},
        {7, win::FormatText(IDS_DELETE_RECORDS, 7, (five + "\nand 2 more").c_str())},
    };
    answer_ = IDNO;
    for (const auto& c : cases) {
        list_.Select(-1, false);
        const std::vector<RecordPosition> at = Positions();
        for (std::size_t i = 0; i < c.selected; ++i) list_.Select(list_.FindValue(at[i]), true);
        shown_.clear();
        Click(IDC_BROWSER_DELETE);
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_EQ(shown_[0].text, c.question) << c.selected;
    }
    EXPECT_EQ(Records(), log);
}

// March 2024: the records of Tuesday the 5th, a Wednesday start, a
// Thursday absence and a note.
class LogBrowserEntryTest : public LogBrowserTest {
protected:
    void SetUp() override {
        LogBrowserTest::SetUp();
        WriteLog(base);
        now_ = LocalAt(2024, 2, 20, 12, 0);
        OpenBrowser();
    }
    const std::vector<LogRecord> base = {WorkStart(At(8, 0, 30)), LogRecord::Break(At(12, 0), At(13, 30, 30)),
                                         WorkEnd(At(17, 0)), WorkStart(LocalAt(2024, 2, 6, 8, 0)), Absence(2, 7),
                                         LogRecord::Note(LocalAt(2024, 2, 7, 10, 0), "Dentist")};
    // The base log with records put in at an index, or put in place of the one there.
    std::vector<LogRecord> Inserted(std::size_t index, std::vector<LogRecord> records) const {
        std::vector<LogRecord> log = base;
        log.insert(log.begin() + static_cast<std::ptrdiff_t>(index), records.begin(), records.end());
        return log;
    }
    std::vector<LogRecord> Replaced(std::size_t index, const LogRecord& record) const {
        std::vector<LogRecord> log = base;
        log[index] = record;
        return log;
    }
};

// What the user does in the entry dialog before OK or Cancel.
struct Typed {
    int type = 0;  // the radio button pressed, 0 for none
    std::optional<SYSTEMTIME> time{}, from{}, to{};
    const char* note = nullptr;
    int button = IDOK;
};

void Type(HWND dialog, const Typed& typed) {
    if (typed.type) Press(dialog, typed.type);
    if (typed.time) Pick(dialog, IDC_ENTRY_TIME, *typed.time);
    if (typed.from) Pick(dialog, IDC_ENTRY_FROM_DATE, *typed.from);
    if (typed.to) Pick(dialog, IDC_ENTRY_TO_DATE, *typed.to);
    if (typed.note) SetDlgItemTextA(dialog, IDC_ENTRY_NOTE, typed.note);
}

// Which of date, time, duration, note, from and to can be changed.
std::string Editable(HWND dialog) {
    std::string enabled;
    for (int id : {IDC_ENTRY_DATE, IDC_ENTRY_TIME, IDC_ENTRY_DURATION, IDC_ENTRY_NOTE, IDC_ENTRY_FROM_DATE, IDC_ENTRY_TO_DATE})
        enabled += IsWindowEnabled(GetDlgItem(dialog, id)) ? '1' : '0';
    return enabled;
}

// The date of a date picker and the time of day of a time picker, or both
// of a moment, as "dd.mm.yyyy hh:mm:ss".
std::string Moment(const SYSTEMTIME& date, const SYSTEMTIME& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", date.wDay, date.wMonth, date.wYear, time.wHour,
                  time.wMinute, time.wSecond);
    return text;
}
std::string Moment(TimeValue moment) {
    std::tm fields{};
    ToLocalTime(moment, fields);
    const SYSTEMTIME time = Picked(static_cast<WORD>(fields.tm_year + 1900), static_cast<WORD>(fields.tm_mon + 1),
                                   static_cast<WORD>(fields.tm_mday), static_cast<WORD>(fields.tm_hour),
                                   static_cast<WORD>(fields.tm_min), static_cast<WORD>(fields.tm_sec));
    return Moment(time, time);
}

TEST_F(LogBrowserEntryTest, EntriesAreWrittenBehindOrInPlaceOfTheFocusedRecordAfterTheirConfirmation) {
    const int sunday = SpringForward();
    ASSERT_NE(sunday, 0) << "the tests' time zone has summer time";
    ASSERT_EQ(DayOfMarch(sunday).wDayOfWeek, 0);
    const SYSTEMTIME thursday = DayOfMarch(sunday - 3), tuesday = DayOfMarch(sunday + 2);
    const int absence = IDC_TYPE_ABSENCE, note = IDC_TYPE_NOTE, end = IDC_TYPE_WORK_END;
    struct Case {
        const char* name;
        int command;
        std::size_t anchor;
        int opensAs;   // the kind of entry checked on opening
        int duration;  // minutes shown on opening
        Typed typed;
        const char* editable;  // after typing
        int answer;
        std::string question;  // empty: none asked
        std::vector<LogRecord> log;
    };
    const Case cases[] = {
        {"insert", IDC_BROWSER_INSERT, 0, IDC_TYPE_WORK_START, 60, {.type = end, .time = Picked(2024, 3, 5, 10, 15)},
         "110000", IDYES, Question(5, 3, 10, 15), Inserted(1, {WorkEnd(At(10, 15))})},
        {"a break of 90:30 comes back as 90 minutes", IDC_BROWSER_EDIT, 1, IDC_TYPE_BREAK, 90, {}, "111000", IDYES,
         Question(5, 3, 12, 0), Replaced(1, LogRecord::Break(At(12, 0), At(13, 30)))},
        {"a start becomes an end to the second", IDC_BROWSER_EDIT, 0, IDC_TYPE_WORK_START, 60, {.type = end}, "110000",
         IDYES, Question(5, 3, 8, 0), Replaced(0, WorkEnd(At(8, 0, 30)))},
        {"no to the question", IDC_BROWSER_EDIT, 0, IDC_TYPE_WORK_START, 60, {}, "110000", IDNO, Question(5, 3, 8, 0), base},
        {"cancel", IDC_BROWSER_EDIT, 0, IDC_TYPE_WORK_START, 60, {.button = IDCANCEL}, "110000", IDYES, "", base},
        {"a note without text", IDC_BROWSER_INSERT, 2, IDC_TYPE_WORK_START, 60, {.type = note}, "110100", IDYES,
         Question(5, 3, 17, 0), base},
        {"a note", IDC_BROWSER_INSERT, 2, IDC_TYPE_WORK_START, 60, {.type = note, .note = "Dentist"}, "110100", IDYES,
         Question(5, 3, 17, 0), Inserted(3, {LogRecord::Note(At(17, 0), "Dentist")})},
        {"absence from Thursday to Tuesday over the change to summer time", IDC_BROWSER_INSERT, 2, IDC_TYPE_WORK_START, 60,
         {.type = absence, .from = thursday, .to = tuesday}, "000011", IDYES, Question(thursday.wDay, thursday.wMonth, 8, 0),
         Inserted(3, {Absence(2, sunday - 3), Absence(2, sunday - 2), Absence(2, sunday + 1), Absence(2, sunday + 2)})},
        {"absence on a weekend only", IDC_BROWSER_INSERT, 2, IDC_TYPE_WORK_START, 60,
         {.type = absence, .from = Picked(2024, 3, 9), .to = Picked(2024, 3, 10)}, "000011", IDYES, Question(9, 3, 8, 0), base},
        {"absence ending before it begins", IDC_BROWSER_INSERT, 2, IDC_TYPE_WORK_START, 60,
         {.type = absence, .from = Picked(2024, 3, 12), .to = Picked(2024, 3, 11)}, "000011", IDYES, Question(12, 3, 8, 0), base},
        {"a note keeps its text", IDC_BROWSER_EDIT, 5, IDC_TYPE_NOTE, 60, {.time = Picked(2024, 3, 7, 11, 0)}, "110100",
         IDYES, Question(7, 3, 11, 0), Replaced(5, LogRecord::Note(LocalAt(2024, 2, 7, 11, 0), "Dentist"))},
        {"an absence day is edited as one day", IDC_BROWSER_EDIT, 4, IDC_TYPE_ABSENCE, 60, {.from = Picked(2024, 3, 8)},
         "000010", IDYES, Question(8, 3, 8, 0), Replaced(4, Absence(2, 8))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteLog(base);
        browserDialog_->Refill();
        FocusRecord(c.anchor);
        ASSERT_EQ(Commands(), "111");
        shown_.clear();
        answer_ = c.answer;
        CountingReplace counting;
        ModalScript script(IDC_ENTRY_FROM_DATE, [&](HWND d) {
            const auto picked = [d](int id) { return win::test::PickerTime(GetDlgItem(d, id)); };
            EXPECT_EQ(CheckedType(d), c.opensAs);
            EXPECT_EQ(picked(IDC_ENTRY_DURATION).wHour * 60 + picked(IDC_ENTRY_DURATION).wMinute, c.duration);
            const std::string anchor = Moment(base[c.anchor].time);
            for (int date : {IDC_ENTRY_DATE, IDC_ENTRY_FROM_DATE, IDC_ENTRY_TO_DATE})
                EXPECT_EQ(Moment(picked(date), picked(IDC_ENTRY_TIME)), anchor) << date;
            Type(d, c.typed);
            EXPECT_EQ(Editable(d), c.editable);
            Close(d, c.typed.button);
        });
        {
            ScopedFileLayer layer(counting);
            Click(c.command);
        }
        EXPECT_TRUE(script.Ran());
        EXPECT_FALSE(script.Rescued());
        EXPECT_EQ(Records(), c.log);
        EXPECT_EQ(counting.replaces, c.log == base ? 0 : 1);
        if (c.question.empty()) {
            EXPECT_TRUE(shown_.empty());
            EXPECT_EQ(Commands(), "111") << "not shown again";
        } else {
            ASSERT_EQ(shown_.size(), 1u);
            EXPECT_EQ(shown_[0].text, c.question);
            EXPECT_EQ(shown_[0].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
            EXPECT_EQ(Commands(), "010") << "shown again";
            std::vector<RecordPosition> rows = RecordRows();
            std::sort(rows.begin(), rows.end());
            EXPECT_EQ(rows, Positions(LocalAt(2024, 3, 1, 0, 0))) << "the rows of March as the log holds them now";
        }
    }
}

TEST_F(LogBrowserEntryTest, InsertWithoutARecordToFollowProposesADayAndKeepsTheTimeOrder) {
    struct Case {
        const char* name;
        int monthsOn;     // from March
        int fillerDay;    // the filler row focused, 0 for none
        TimeValue proposed;
        std::vector<LogRecord> log;
    };
    const TimeValue june3 = LocalAt(2024, 5, 3, 8, 0), march1 = LocalAt(2024, 2, 1, 8, 0);
    std::vector<LogRecord> june = base;
    june.push_back(WorkStart(june3));
    const Case cases[] = {
        {"a month without records: its first working day", 3, 0, june3, june},
        {"a filler row in front of every record: its day", 0, 1, march1, Inserted(0, {WorkStart(march1)})},
        {"no row focused", 0, 0, march1, Inserted(0, {WorkStart(march1)})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteLog(base);
        browserDialog_->Refill();
        for (int step = 0; step < c.monthsOn; ++step) Click(IDC_NEXT_MONTH);
        if (c.fillerDay) FocusRow(c.fillerDay - 1);
        ASSERT_EQ(Commands(), "010");
        answer_ = IDYES;
        shown_.clear();
        ModalScript script(IDC_ENTRY_FROM_DATE, [&](HWND d) {
            const auto picked = [d](int id) { return win::test::PickerTime(GetDlgItem(d, id)); };
            EXPECT_EQ(CheckedType(d), IDC_TYPE_WORK_START);
            EXPECT_EQ(Moment(picked(IDC_ENTRY_DATE), picked(IDC_ENTRY_TIME)), Moment(c.proposed));
            Close(d, IDOK);
        });
        Click(IDC_BROWSER_INSERT);
        EXPECT_TRUE(script.Ran());
        EXPECT_EQ(shown_.size(), 1u) << "the moment confirmed";
        EXPECT_EQ(Records(), c.log);
        EXPECT_EQ(Commands(), "111") << "the new record's row has the focus";
        for (int step = 0; step < c.monthsOn; ++step) Click(IDC_PREV_MONTH);
    }
}

TEST_F(LogBrowserEntryTest, EditingARecordThatIsGoneSaysSoAndOpensNothing) {
    FocusRecord(3);
    WriteLog({base[0]});  // another program cut the log meanwhile
    ModalScript script(IDC_ENTRY_FROM_DATE, [](HWND d) { Close(d, IDCANCEL); });
    Click(IDC_BROWSER_EDIT);
    EXPECT_FALSE(script.Ran());
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].text, win::LoadText(IDS_LOG_CHANGED_ELSEWHERE));
    EXPECT_EQ(Records(), std::vector{base[0]});
    EXPECT_EQ(RecordRows(), Positions()) << "the list shows the log as it is";
}

TEST_F(LogBrowserEntryTest, KeysAndDoubleClicksActOnTheFocusedRowAndNeverCloseTheBrowser) {
    const int filler = 0;
    const auto row = [this](std::size_t record) { return list_.FindValue(Positions().at(record)); };
    const auto enter = [this] {
        MSG message{};
        message.hwnd = list_.Handle();
        message.message = WM_KEYDOWN;
        message.wParam = VK_RETURN;
        IsDialogMessageA(browser_, &message);
    };
    const auto key = [this](WPARAM key) { return [this, key] { SendMessageA(list_.Handle(), WM_KEYDOWN, key, 0); }; };
    const auto doubleClick = [this](int at) {
        return [this, at] {
            RECT bounds{};
            bounds.left = LVIR_BOUNDS;
            SendMessageA(list_.Handle(), LVM_GETITEMRECT, at, reinterpret_cast<LPARAM>(&bounds));
            SendMessageA(list_.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(bounds.left + 60, (bounds.top + bounds.bottom) / 2));
        };
    };
    struct Route {
        const char* name;
        int focused;
        std::function<void()> press;
        int opened;  // the kind of entry the dialog opened with, 0 for no dialog
        bool asked;  // to delete
    };
    const Route routes[] = {
        {"Enter on a break", row(1), enter, IDC_TYPE_BREAK, false},
        {"double click on a break", row(1), doubleClick(row(1)), IDC_TYPE_BREAK, false},
        {"Insert on a break", row(1), key(VK_INSERT), IDC_TYPE_WORK_START, false},
        {"Delete on a break", row(1), key(VK_DELETE), 0, true},
        {"Insert on a filler", filler, key(VK_INSERT), IDC_TYPE_WORK_START, false},
        {"Enter on a filler", filler, enter, 0, false},
        {"double click on a filler", filler, doubleClick(filler), 0, false},
    };
    answer_ = IDNO;
    for (const Route& route : routes) {
        SCOPED_TRACE(route.name);
        FocusRow(route.focused);
        SetFocus(list_.Handle());
        shown_.clear();
        int opened = 0;
        ModalScript script(IDC_ENTRY_FROM_DATE, [&](HWND d) {
            opened = CheckedType(d);
            Close(d, IDCANCEL);
        });
        route.press();
        EXPECT_EQ(opened, route.opened);
        ASSERT_EQ(shown_.size(), route.asked ? 1u : 0u);
        ASSERT_TRUE(IsWindow(browser_));
    }
    EXPECT_EQ(Records(), base);
}

}  // namespace
}  // namespace horalo::test
