// A day the program never ended is found in the log, offered with the time
// the program was last alive, and closed by the records that belong there.
#include "core/timelog/open_day.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

LogBytes Span(const std::string& bytes) { return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}; }

TimeValue At(int day, int hour, int minute) { return LocalAt(2026, 2, day, hour, minute); }

class OpenDayTest : public TimeLogTest {};

TEST_F(OpenDayTest, IsTheLastDayStartedAndNotEndedBeforeToday) {
    const TimeValue now = At(12, 8, 30);  // Thursday
    const std::string monday = Words({1, At(9, 8, 0), 2, At(9, 12, 0), At(9, 12, 30), 0, At(9, 17, 0)});
    const std::string yesterday = Words({1, At(11, 8, 0), 2, At(11, 12, 0), At(11, 12, 40)});
    const std::string lateNote = NoteBytes(At(11, 16, 5), "call back");
    const LastSeen seenYesterday{At(11, 17, 20), At(11, 16, 50)};
    const struct {
        const char* name;
        std::string log;
        LastSeen seen;
        std::optional<OpenDay> open;
    } cases[] = {
        {"an ended day", monday, {}, std::nullopt},
        {"yesterday, not seen", yesterday, {}, OpenDay{At(11, 8, 0), At(11, 12, 40), At(11, 12, 40)}},
        {"yesterday, seen on a break", yesterday, seenYesterday,
         OpenDay{At(11, 8, 0), At(11, 12, 40), At(11, 17, 20), At(11, 16, 50), true}},
        {"a note is the day's last record", yesterday + lateNote, {At(11, 16, 0), 0},
         OpenDay{At(11, 8, 0), At(11, 16, 5), At(11, 16, 5)}},
        {"seen on another day", yesterday, {At(12, 7, 0), At(12, 6, 0)},
         OpenDay{At(11, 8, 0), At(11, 12, 40), At(11, 12, 40)}},
        {"last week", Words({1, At(5, 9, 0)}) + NoteBytes(At(5, 9, 5), "x"), {At(5, 18, 0), 0},
         OpenDay{At(5, 9, 0), At(5, 9, 5), At(5, 18, 0), 0, true}},
        {"ends in notes after an ended day", monday + lateNote, {}, std::nullopt},
        {"only an absence", monday + Words({4, At(10, 8, 0)}), {}, std::nullopt},
        {"a later absence behind the start", yesterday.substr(0, 8) + Words({4, At(12, 8, 0)}), {}, std::nullopt},
        {"today's open day", Words({1, At(12, 7, 0)}), {At(12, 8, 0), 0}, std::nullopt},
        {"empty", "", seenYesterday, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindOpenDay(Span(c.log), now, c.seen), c.open);
    }
}

TEST_F(OpenDayTest, IsClosedByTheRunningBreakAndTheEndWithTheWay) {
    const OpenDay onBreak{At(11, 8, 0), At(11, 12, 40), At(11, 17, 20), At(11, 16, 50), true};
    const OpenDay working{At(11, 8, 0), At(11, 12, 40), At(11, 17, 20), 0, true};
    const TimeValue way = 15 * 60;
    const struct {
        const char* name;
        OpenDay day;
        TimeValue end, way;
        std::vector<LogRecord> records;
    } cases[] = {
        {"with a way time", working, At(11, 17, 20), way, {LogRecord::Of(LogRecordType::WorkEnd, At(11, 17, 35))}},
        {"on a break", onBreak, At(11, 17, 20), way,
         {LogRecord::Break(At(11, 16, 50), At(11, 17, 20)), LogRecord::Of(LogRecordType::WorkEnd, At(11, 17, 35))}},
        {"an end after the last seen", onBreak, At(11, 18, 0), 0,
         {LogRecord::Break(At(11, 16, 50), At(11, 17, 20)), LogRecord::Of(LogRecordType::WorkEnd, At(11, 18, 0))}},
        {"an end within the break", onBreak, At(11, 17, 0), 0,
         {LogRecord::Break(At(11, 16, 50), At(11, 17, 0)), LogRecord::Of(LogRecordType::WorkEnd, At(11, 17, 0))}},
        {"an end before the break", onBreak, At(11, 14, 0), 0, {LogRecord::Of(LogRecordType::WorkEnd, At(11, 14, 0))}},
        {"an end before the last record", working, At(11, 9, 0), 0,
         {LogRecord::Of(LogRecordType::WorkEnd, At(11, 12, 40))}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RecordsClosingDay(c.day, c.end, c.way), c.records);
    }
}

}  // namespace
}  // namespace horalo
