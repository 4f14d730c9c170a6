// A start on a day that ended earlier today goes on with the day: the end
// is taken back and the time away becomes a break, the log otherwise kept.
#include "core/timelog/day_continuation.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

using Result = DayContinuation::Result;

class DayContinuationTest : public TimeLogTest {};

TEST_F(DayContinuationTest, OnlyTodaysEndWithNothingButNotesBehindIsTakenBack) {
    const auto at = [](int hour, int minute) { return LocalAt(2026, 2, 12, hour, minute); };
    const std::string month = Words({6, MonthKey(2026, 2), 0, 0});
    const std::string start = Words({1, at(8, 0)});
    const std::string note = NoteBytes(at(12, 10), "back soon");
    const std::string noon = Words({0, at(12, 5)});
    const std::string noonWithWay = Words({0, at(12, 15)});  // 12:05 and a way of ten minutes
    const TimeValue way = 600;
    const struct {
        const char* name;
        std::string log;
        TimeValue now, way;
        Result result;
        std::string after;  // the log afterwards
    } cases[] = {
        {"today's end", month + start + noon, at(12, 47), 0, Result::Continued,
         month + start + Words({2, at(12, 5), at(12, 47)})},
        {"notes behind it", start + noon + note, at(12, 47), 0, Result::Continued,
         start + note + Words({2, at(12, 5), at(12, 47)})},
        {"with a way time", start + noonWithWay, at(12, 47), way, Result::Continued,
         start + Words({2, at(12, 5), at(12, 37)})},
        {"back within the way time", start + noonWithWay, at(12, 8), way, Result::Continued, start},
        {"yesterday's end", start + noon, at(12, 47) + 86400, 0, Result::NotContinued, start + noon},
        {"a break behind the end", start + noon + Words({2, at(12, 20), at(12, 30)}), at(12, 47), 0,
         Result::NotContinued, start + noon + Words({2, at(12, 20), at(12, 30)})},
        {"an open day", start, at(12, 47), 0, Result::NotContinued, start},
        {"only notes", note, at(12, 47), 0, Result::NotContinued, note},
        {"a record cut short behind it", start + noon + "\x01\x00", at(12, 47), 0, Result::NotContinued,
         start + noon + "\x01\x00"},
        {"empty", "", at(12, 47), 0, Result::NotContinued, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetLog(c.log);
        const DayContinuation continued = ContinueDay(host, c.now, c.way);
        EXPECT_EQ(continued.result, c.result);
        EXPECT_EQ(Log(), c.after);
    }
    std::filesystem::remove(host.File(kLogFileName));
    const DayContinuation missing = ContinueDay(host, at(12, 47), 0);
    EXPECT_EQ(missing.result, Result::NotContinued);
    EXPECT_EQ(missing.outcome, std::nullopt) << "a missing log is the start's to report";
}

// Killed or without power earlier today, the program starts again the same
// day: the day goes on from when it was last alive, never with a second start.
TEST_F(DayContinuationTest, ADayLeftOpenTodayGoesOnFromWhenTheProgramWasLastAlive) {
    const auto at = [](int hour, int minute) { return LocalAt(2026, 2, 12, hour, minute); };
    const std::string open = Words({1, at(8, 0)}) + Words({2, at(10, 0), at(10, 15)});
    const struct {
        const char* name;
        std::string log;
        LastSeen seen;
        Result result;
        std::string appended;
    } cases[] = {
        {"last seen working", open, {at(11, 30), 0}, Result::Continued, Words({2, at(11, 30), at(12, 47)})},
        {"last seen on a break", open, {at(11, 30), at(11, 0)}, Result::Continued, Words({2, at(11, 0), at(12, 47)})},
        {"never seen", open, {}, Result::NotContinued, ""},
        {"seen before the day's last record", open, {at(10, 10), 0}, Result::NotContinued, ""},
        {"seen yesterday", open, {at(11, 30) - 86400, 0}, Result::NotContinued, ""},
        {"open since yesterday", Words({1, at(8, 0) - 86400}), {at(11, 30), 0}, Result::NotContinued, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetLog(c.log);
        const DayContinuation continued = ContinueDay(host, at(12, 47), 600, c.seen);
        EXPECT_EQ(continued.result, c.result);
        EXPECT_EQ(continued.outcome, std::nullopt);
        EXPECT_EQ(Log(), c.log + c.appended);
    }
}

}  // namespace
}  // namespace horalo
