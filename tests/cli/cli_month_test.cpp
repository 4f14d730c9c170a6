// month, rows, year and holidays on prepared folders, their CSV and JSON
// parsed back.
#include <gtest/gtest.h>

#include "cli/cli_host.h"
#include "cli_test_folder.h"
#include "core/browser/month_rows.h"
#include "core/calendar/year_info.h"
#include "core/clock.h"
#include "core/timelog/day_entries.h"
#include "json_reader.h"

namespace horalo::test {
namespace {

class CliMonthTest : public CliFolderTest {
protected:
    // March 2026: two full days, a note, an absence day, and a month record
    // carrying 1 h 30 min with 2 hours deducted.
    void WriteMarch() {
        std::vector<LogRecord> records{LogRecord::Month(MonthKey(2026, 2), 2, 130)};
        for (const LogRecord& r : Day(2026, 2, 2, 8, 16)) records.push_back(r);
        records.push_back(LogRecord::Note(LocalAt(2026, 2, 3, 7), "Dentist, \"late\"\nagain \xe4"));
        for (const LogRecord& r : Day(2026, 2, 3, 9, 18)) records.push_back(r);
        records.push_back(LogRecord::Of(LogRecordType::AbsenceDay, LocalAt(2026, 2, 4, 8)));
        WriteLog(records);
    }
};

TEST_F(CliMonthTest, MonthJsonHoldsEveryDayAndTheSheetsBalances) {
    WriteMarch();
    const CliRun run = Run({"month", "2026-03", "--format", "json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const JsonValue month = JsonReader::Parse(run.out);
    EXPECT_EQ(month["month"].Str(), "2026-03");
    ASSERT_EQ(month["days"].Array().size(), 31u);
    const JsonValue& second = month["days"][1];
    EXPECT_EQ(second["date"].Str(), "2026-03-02");
    EXPECT_EQ(second["start"].Str(), "2026-03-02T08:00:00+01:00");
    EXPECT_EQ(second["end"].Str(), "2026-03-02T16:00:00+01:00");
    EXPECT_EQ(second["presence"].Int(), 8 * 3600);
    EXPECT_EQ(month["days"][2]["note"].Str(), "Dentist, \"late\"\nagain \xc3\xa4");
    EXPECT_EQ(month["days"][3]["marks"].Str(), "absence");
    EXPECT_TRUE(month["days"][0]["start"].IsNull());
    // The totals add up the days, and the final balance is the sheet's sum.
    long long surplus = 0, deficit = 0;
    for (const JsonValue& day : month["days"].Array()) surplus += day["surplus"].Int(), deficit += day["deficit"].Int();
    EXPECT_EQ(month["surplus"].Int(), surplus);
    EXPECT_EQ(month["deficit"].Int(), deficit);
    EXPECT_EQ(month["carriedBalance"].Int(), 90 * 60);
    EXPECT_EQ(month["hoursDeducted"].Int(), 2);
    EXPECT_EQ(month["finalBalance"].Int(), surplus - deficit + 90 * 60 - 2 * 3600);
}

// The daily figures follow the settings, wherever they come from.
TEST_F(CliMonthTest, MonthCsvFollowsTheOverriddenSettings) {
    WriteLog(Day(2026, 2, 2, 8, 16));
    const struct {
        std::vector<std::string> options;
        const char* surplus;
        const char* deficit;
    } cases[] = {
        {{}, "0:15", "0:00"},
        {{"--work", "8:00"}, "0:00", "0:45"},
        {{"--work", "6:00", "--break", "0:00"}, "2:00", "0:00"},
        {{"--work=7:30", "--break=0:30"}, "0:00", "0:00"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"month", "2026-03", "--format", "csv"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliRun run = Run(args);
        ASSERT_EQ(run.code, 0) << run.err;
        const auto rows = ParseCsv(run.out);
        ASSERT_EQ(rows.size(), 32u);
        ASSERT_EQ(rows[0][5], "surplus");
        EXPECT_EQ(rows[2][0], "2026-03-02");
        EXPECT_EQ(rows[2][1], "08:00");
        EXPECT_EQ(rows[2][3], "8:00");
        EXPECT_EQ(rows[2][5], c.surplus) << args.back();
        EXPECT_EQ(rows[2][6], c.deficit) << args.back();
    }
}

TEST_F(CliMonthTest, MonthOutOfOrderStillPrintsAndExitsOne) {
    WriteLog({LogRecord::Of(LogRecordType::WorkEnd, LocalAt(2026, 2, 2, 16))});
    const CliRun run = Run({"month", "2026-03"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.out.find("March 2026"), std::string::npos);
    EXPECT_NE(run.err.find("2026-03"), std::string::npos);
}

// A note whose length runs over the records behind it hides them (March
// blank after the 2nd, April empty): every command tells it as check does.
TEST_F(CliMonthTest, RecordsHiddenByADamagedOneAreToldByEveryCommand) {
    std::vector<LogRecord> records = Day(2026, 2, 2, 8, 16);
    records.push_back(LogRecord::Note(LocalAt(2026, 2, 2, 9), "x"));
    for (const auto& later : {Day(2026, 2, 12, 8, 16), Day(2026, 3, 1, 8, 16)})
        records.insert(records.end(), later.begin(), later.end());
    WriteLog(records);
    std::string log = ReadBytes(kLogFileName);
    log[24] = 100;  // the note's length field
    WriteBytes(kLogFileName, log);
    const std::string told = ": byte 16: the last " + std::to_string(log.size() - 16) + " bytes form no complete record";
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"month", "2026-03"}, {"rows", "2026-04"}, {"year", "2026"}, {"check"}}) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.code, 1) << args[0];
        EXPECT_NE(run.err.find(File(kLogFileName) + told), std::string::npos) << args[0] << ": " << run.err;
    }
}

TEST_F(CliMonthTest, ADayAboveTheMaximumIsToldOnTheErrorStream) {
    WriteLog(Day(2026, 2, 2, 8, 19));  // 11 hours
    const struct {
        std::vector<std::string> options;
        bool told;
    } cases[] = {{{}, false}, {{"--max", "10:00"}, true}, {{"--max", "12:00"}, false}};
    for (const auto& c : cases) {
        std::vector<std::string> args{"month", "2026-03", "--format", "json"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliRun run = Run(args);
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.err.find("2026-03: On at least one day") != std::string::npos, c.told) << run.err;
        EXPECT_EQ(JsonReader::Parse(run.out)["days"][1]["presence"].Int(), 11 * 3600);
    }
}

// The JSON of rows is the browser's rows, field by field.
TEST_F(CliMonthTest, RowsJsonIsWhatTheBrowserBuilds) {
    WriteLog({LogRecord::Of(LogRecordType::WorkStart, LocalAt(2026, 2, 4, 8)),
              LogRecord::Of(LogRecordType::WorkStart, LocalAt(2026, 2, 4, 9)),
              LogRecord::Note(LocalAt(2026, 2, 4, 10), "x"), LogRecord::Of(LogRecordType::WorkEnd, LocalAt(2026, 2, 6, 17))});
    const CliRun run = Run({"rows", "2026-03", "--format", "json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const JsonValue rows = JsonReader::Parse(run.out);

    std::FILE* log = std::fopen(File(kLogFileName).c_str(), "rb");
    ASSERT_NE(log, nullptr);
    const std::vector<DayEntry> entries = ReadDayEntries(2026, 2, log);
    std::fclose(log);
    cli::CliHost texts(host.Folder().string());
    SpecialEntryList days;
    ASSERT_EQ(LoadSpecialEntries(texts, days), std::nullopt);
    const std::vector<MonthRow> expected =
        BuildMonthRows(entries, MakeYearInfo(2026), days, DefaultSettings(), RowStrings::Load(texts), Now());
    ASSERT_EQ(rows.Array().size(), expected.size());
    int flagged = 0;
    for (std::size_t r = 0; r < expected.size(); ++r) {
        EXPECT_EQ(rows[r]["kind"].Int(), static_cast<int>(expected[r].kind)) << r;
        EXPECT_EQ(rows[r]["flagged"].Bool(), expected[r].flagged) << r;
        EXPECT_EQ(rows[r]["problem"].Int(), expected[r].problem) << r;
        EXPECT_EQ(rows[r]["position"].Int(), expected[r].position) << r;
        for (std::size_t t = 0; t < kRowColumns; ++t) EXPECT_EQ(rows[r]["texts"][t].Str(), expected[r].texts[t]);
        flagged += expected[r].flagged;
    }
    // The rows hold what the comparison is about: problems 2 and 5 and the texts.
    EXPECT_GE(flagged, 3);
    EXPECT_EQ(rows[4]["texts"][5].Str(), "Out of order (problem 2)");
}

TEST_F(CliMonthTest, YearTellsWhetherEachMonthsBalanceWasCarriedOn) {
    // January ends 0:15 up; February carries it on, March carries a wrong one.
    std::vector<LogRecord> records{LogRecord::Month(MonthKey(2026, 1), 0, 15),
                                   LogRecord::Month(MonthKey(2026, 2), 0, 100)};
    for (const LogRecord& r : Day(2026, 0, 5, 8, 16)) records.push_back(r);
    WriteLog(records);
    const CliRun run = Run({"year", "2026", "--format", "json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const JsonValue year = JsonReader::Parse(run.out);
    ASSERT_EQ(year.Array().size(), 12u);
    EXPECT_EQ(year[0]["presence"].Int(), 8 * 3600);
    EXPECT_EQ(year[0]["finalBalance"].Int(), 15 * 60);
    EXPECT_EQ(year[0]["nextCarriedBalance"].Int(), 15 * 60);
    EXPECT_TRUE(year[0]["carriedMatches"].Bool());
    EXPECT_EQ(year[1]["finalBalance"].Int(), 15 * 60);
    EXPECT_FALSE(year[1]["carriedMatches"].Bool()) << "February ends 0:15 up, March carries 1:00";
    EXPECT_EQ(year[2]["carriedBalance"].Int(), 3600);
    EXPECT_FALSE(year[2]["carriedMatches"].Bool());
    EXPECT_TRUE(year[3]["carriedMatches"].Bool());
}

TEST_F(CliMonthTest, HolidaysGiveEachRulesDateInTheYear) {
    const struct {
        const char* year;
        const char* goodFriday;
    } cases[] = {{"2026", "2026-04-03"}, {"2027", "2027-03-26"}, {"2038", "2038-04-23"}};
    for (const auto& c : cases) {
        const CliRun run = Run({"holidays", c.year, "--format", "csv"});
        ASSERT_EQ(run.code, 0) << run.err;
        const auto rows = ParseCsv(run.out);
        const std::vector<std::vector<std::string>> expected{
            {"date", "name", "holiday", "text"},
            {std::string(c.year) + "-01-01", "New Year", "1", ""},
            {c.goodFriday, "Good Friday", "1", ""},
            {std::string(c.year) + "-12-24", "Christmas Eve", "0", "shops close at 14:00"},
        };
        EXPECT_EQ(rows, expected);
    }
}

}  // namespace
}  // namespace horalo::test
