// The lines a deletion question names its records with, and the extent of
// the log the question for the whole log names.
#include "core/browser/record_lines.h"

#include "core/timelog/log_image.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

RecordRef RefTo(const LogRecord& record) { return RecordRef::Of(0, record); }
LogBytes View(const std::string& bytes) { return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}; }

class RecordLinesTest : public TimeLogTest {
protected:
    void SetUp() override {
        TimeLogTest::SetUp();
        ASSERT_TRUE(InBerlinTime()) << kBerlinTimeHint;
        host.texts = {{IDS_WEEKDAY_NAMES, "Sun\nMon\nTue\nWed\nThu\nFri\nSat"},
                      {IDS_RECORD_KINDS, "End\nStart\nBreak\nNote\nAbsent\nComp\nMonth\nUnreadable"},
                      {IDS_DELETE_MORE, "and %d more"}};
        names = RecordNames::Load(host);
    }
    RecordNames names;
};

TEST_F(RecordLinesTest, EachRecordIsNamedByItsDayTimeAndKind) {
    const TimeValue at = LocalAt(2026, 3, 7, 8, 5, 59);  // seconds are not shown
    const struct {
        RecordRef record;
        const char* line;
    } cases[] = {
        {RefTo(LogRecord::Of(LogRecordType::WorkStart, at)), "Tue 07.04.2026 08:05  Start"},
        {RefTo(LogRecord::Of(LogRecordType::WorkEnd, at)), "Tue 07.04.2026 08:05  End"},
        {RefTo(LogRecord::Break(at, at + 5400)), "Tue 07.04.2026 08:05  Break 01:30"},
        {RefTo(LogRecord::Break(at, at - 600)), "Tue 07.04.2026 08:05  Break 00:10"},
        {RefTo(LogRecord::Note(at, "Dentist")), "Tue 07.04.2026 08:05  Note: Dentist"},
        {RefTo(LogRecord::Note(at, std::string(41, 'x'))),
         "Tue 07.04.2026 08:05  Note: xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx..."},
        {RefTo(LogRecord::Of(LogRecordType::CompensationDay, LocalAt(2026, 11, 31, 8))), "Thu 31.12.2026 08:00  Comp"},
        {RecordRef{0, Bytes{9, 0, 0, 0}}, "Unreadable"},
        {RecordRef{0, Bytes{1, 0}}, "Unreadable"},
    };
    for (const auto& c : cases) EXPECT_EQ(RecordLine(c.record, names), c.line);
}

TEST_F(RecordLinesTest, FiveRecordsAreNamedAndTheRestCounted) {
    std::vector<RecordRef> records;
    for (int day = 1; day <= 7; ++day) records.push_back(RefTo(LogRecord::Of(LogRecordType::AbsenceDay, LocalAt(2026, 3, day, 8))));
    const struct {
        std::size_t count;
        const char* lines;
    } cases[] = {
        {0, ""},
        {1, "Wed 01.04.2026 08:00  Absent"},
        {5, "Wed 01.04.2026 08:00  Absent\nThu 02.04.2026 08:00  Absent\nFri 03.04.2026 08:00  Absent\n"
            "Sat 04.04.2026 08:00  Absent\nSun 05.04.2026 08:00  Absent"},
        {7, "Wed 01.04.2026 08:00  Absent\nThu 02.04.2026 08:00  Absent\nFri 03.04.2026 08:00  Absent\n"
            "Sat 04.04.2026 08:00  Absent\nSun 05.04.2026 08:00  Absent\nand 2 more"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecordLines(std::span(records).first(c.count), names), c.lines) << c.count;
}

TEST(MeasureLog, CountsEveryRecordAndSpansTheTimesMonthRecordsAside) {
    const struct {
        const char* name;
        std::string log;
        std::size_t records;
        std::optional<TimeValue> first, last;
    } cases[] = {
        {"empty", "", 0, {}, {}},
        {"out of order", Words({1, 500}) + Words({0, 200}) + NoteBytes(900, "x"), 3, 200, 900},
        {"month records and unknown tags have no time", Words({6, 9999, 1, 2}) + Words({9}) + Words({1, 300}), 3, 300, 300},
        {"only a month record", Words({6, 9999, 1, 2}), 1, {}, {}},
    };
    for (const auto& c : cases) {
        const LogExtent extent = MeasureLog(View(c.log));
        EXPECT_EQ(extent.records, c.records) << c.name;
        EXPECT_EQ(extent.first, c.first) << c.name;
        EXPECT_EQ(extent.last, c.last) << c.name;
    }
}

}  // namespace
}  // namespace horalo
