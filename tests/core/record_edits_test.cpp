// Appending, inserting, replacing and deleting records, and reading one at
// a position: the log afterwards, byte for byte.
#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

// Three records at positions 0, 8 and 20, 35 bytes in all.
const std::string kStart = Words({1, 1700000000});
const std::string kBreak = Words({2, 1700001000, 1700002000});
const std::string kNote = NoteBytes(1700003000, "ok");

class RecordEditsTest : public TimeLogTest {
protected:
    EditResult Insert(const RecordRef& anchor, const LogRecord& record) {
        return InsertRecordsAfter(host, anchor, std::span(&record, 1));
    }
    EditResult Delete(std::vector<RecordRef> refs) { return DeleteRecords(host, refs); }
};

constexpr EditResult::Kind kDone = EditResult::Done;
constexpr EditResult::Kind kChanged = EditResult::Changed;

// Every type written by the operations and read back by the second reader,
// which knows only the byte table.
TEST_F(RecordEditsTest, EveryTypeRoundTripsThroughTheOperations) {
    const TimeValue day = LocalAt(2024, 4, 6, 8);
    const std::vector<LogRecord> appended = {
        LogRecord::Of(LogRecordType::WorkStart, day),
        LogRecord::Break(day + 3600, day + 5400),
        LogRecord::Note(day + 60, "caf\xE9 \xFF\r\n"),
        LogRecord::Of(LogRecordType::WorkEnd, day + 30000),
        LogRecord::Of(LogRecordType::AbsenceDay, day + 86400),
        LogRecord::Of(LogRecordType::CompensationDay, day + 2 * 86400),
    };
    for (const auto& record : appended) ASSERT_EQ(AppendRecord(host, record), std::nullopt);
    const LogRecord inserted = LogRecord::Note(day + 120, "");
    ASSERT_EQ(Insert(Ref(0), inserted), kDone);
    ASSERT_EQ(StoreMonthRecord(host, 2024, 4, -1530, 7).outcome, std::nullopt);

    std::vector<LogRecord> expected = {LogRecord::Month(MonthKey(2024, 4), 7, -1530), appended[0], inserted};
    expected.insert(expected.end(), appended.begin() + 1, appended.end());
    const auto decoded = DecodeLog(Log());
    ASSERT_EQ(decoded.size(), expected.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        EXPECT_EQ(decoded[i].record, expected[i]) << "record " << i;
    }

    LogFile file = OpenLogFile(host, "rb").value;
    const auto entries = ReadDayEntries(2024, 4, file.get());
    ASSERT_EQ(entries.size(), 7u);
    for (std::size_t i = 1; i < entries.size(); ++i) EXPECT_LE(entries[i - 1].record.time, entries[i].record.time);
    EXPECT_EQ(entries[1].record, appended[2]);
    EXPECT_EQ(entries[1].position, decoded[4].position);
    EXPECT_EQ(entries[1].ref(), Ref(decoded[4].position)) << "an entry names its record by place and bytes";
}

TEST_F(RecordEditsTest, DeleteRecordsCutsExactlyThatRecord) {
    SetLog(kStart + kBreak + kNote);
    EXPECT_EQ(Delete({Ref(8)}), kDone);
    EXPECT_EQ(Log(), kStart + kNote);

    EXPECT_EQ(Delete({Ref(8)}), kDone);  // the last record
    EXPECT_EQ(Log(), kStart);
    EXPECT_EQ(Delete({Ref(0)}), kDone);
    EXPECT_EQ(Log(), "");
    EXPECT_FALSE(std::filesystem::exists(host.File(kRewriteFileName)));
}

TEST_F(RecordEditsTest, PositionsWithoutARecordOfTheLogChangeNothing) {
    // The note's text holds the bytes of a WorkEnd record: a stale position
    // pointing into it would read as a record of its own.
    const std::string trap = NoteBytes(1700004000, Words({0, 1700005000}));
    const std::string log = kStart + trap + kBreak;
    const long inText = static_cast<long>(kStart.size()) + 12;
    const long positions[] = {-1, 4, 9, inText, static_cast<long>(log.size()), static_cast<long>(log.size()) + 8};
    for (const long position : positions) {
        SCOPED_TRACE("position " + std::to_string(position));
        SetLog(log);
        const RecordRef ref = Ref(position);
        EXPECT_EQ(Delete({ref}), kChanged);
        EXPECT_EQ(ReplaceRecord(host, ref, LogRecord::Of(LogRecordType::WorkEnd, 5)), kChanged);
        EXPECT_EQ(Insert(ref, LogRecord::Of(LogRecordType::WorkEnd, 5)), kChanged);
        EXPECT_EQ(Log(), log);
    }
    SetLog("");
    EXPECT_EQ(Insert(Ref(0), LogRecord::Of(LogRecordType::WorkStart, 5)), kChanged);
    EXPECT_EQ(Log(), "");
}

TEST_F(RecordEditsTest, InsertAndReplaceKeepEverythingAround) {
    SetLog(kStart + kBreak + kNote);
    const auto end = LogRecord::Of(LogRecordType::WorkEnd, 1700009000);
    EXPECT_EQ(Insert(Ref(20), end), kDone);  // behind the last record: an append
    EXPECT_EQ(Log(), kStart + kBreak + kNote + Words({0, 1700009000}));

    EXPECT_EQ(Insert(Ref(0), LogRecord::Note(1700000500, "mid")), kDone);
    EXPECT_EQ(Log(), kStart + NoteBytes(1700000500, "mid") + kBreak + kNote + Words({0, 1700009000}));

    EXPECT_EQ(ReplaceRecord(host, Ref(8), LogRecord::Of(LogRecordType::AbsenceDay, 1700000600)), kDone);
    EXPECT_EQ(Log(), kStart + Words({4, 1700000600}) + kBreak + kNote + Words({0, 1700009000}));
    const auto late = LogRecord::Of(LogRecordType::WorkEnd, kLatestLogTime + 1);  // would be written as 1970
    const EditResult refused = ReplaceRecord(host, Ref(8), late);
    EXPECT_EQ(refused, EditResult::Failed);
    EXPECT_EQ(refused.outcome, kWriteFailed);
    EXPECT_EQ(Log(), kStart + Words({4, 1700000600}) + kBreak + kNote + Words({0, 1700009000}));
}

TEST_F(RecordEditsTest, InsertBehindARecordCutShortCompletesItFirst) {
    SetLog(kStart + Words({2, 1700001000}));  // a Break whose end is missing
    EXPECT_EQ(Insert(Ref(8), LogRecord::Of(LogRecordType::WorkEnd, 1700009000)), kDone);
    const auto records = DecodeLog(Log());
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].record, LogRecord::Break(1700001000, 0));
    EXPECT_EQ(records[2].record, LogRecord::Of(LogRecordType::WorkEnd, 1700009000));
}

// Seven records: a long note puts one at 108, an unknown tag one at 116.
const std::string kLongNote = NoteBytes(1700004000, std::string(60, 'n'));
const std::string kSeven = kStart + kBreak + kNote + kLongNote + Words({0, 1700005000}) + Words({9}) +
                           Words({4, 1700006000});
const long kSevenAt[] = {0, 8, 20, 35, 108, 116, 120};

// The log less the records at the given indices of kSevenAt, cut out of the
// bytes by hand.
std::string SevenWithout(std::initializer_list<int> gone) {
    std::string kept;
    for (int i = 0; i < 7; ++i) {
        if (std::find(gone.begin(), gone.end(), i) != gone.end()) continue;
        const auto from = static_cast<std::size_t>(kSevenAt[i]);
        const auto to = i == 6 ? kSeven.size() : static_cast<std::size_t>(kSevenAt[i + 1]);
        kept += kSeven.substr(from, to - from);
    }
    return kept;
}

TEST_F(RecordEditsTest, DeleteRecordsCutsEveryRecordNamed) {
    ASSERT_EQ(DecodeLog(kSeven).size(), 7u);
    ASSERT_EQ(DecodeLog(kSeven)[6].position, kSevenAt[6]);
    struct Case {
        std::vector<RecordPosition> positions;
        std::string expected;
    };
    const Case cases[] = {
        {{108, 8, 35}, SevenWithout({1, 3, 4})},  // adjacent, out of order
        {{120, 0}, SevenWithout({0, 6})},         // the first and the last
        {{20, 116, 20, 20}, SevenWithout({2, 5})},  // named more than once; a record without payload
        {{116, 120, 108, 35, 20, 8, 0}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.positions));
        SetLog(kSeven);
        std::vector<RecordRef> refs;
        for (const RecordPosition position : c.positions) refs.push_back(Ref(position));
        EXPECT_EQ(Delete(refs), kDone);
        EXPECT_EQ(Log(), c.expected);

        // The same as deleting them one by one, from the back.
        SetLog(kSeven);
        std::vector<RecordPosition> single = c.positions;
        std::sort(single.rbegin(), single.rend());
        single.erase(std::unique(single.begin(), single.end()), single.end());
        for (const RecordPosition position : single) ASSERT_EQ(Delete({Ref(position)}), kDone);
        EXPECT_EQ(Log(), c.expected);
    }
    EXPECT_FALSE(std::filesystem::exists(host.File(kRewriteFileName)));
}

TEST_F(RecordEditsTest, OneStalePositionKeepsEveryRecord) {
    const std::string log = kSeven + "\x01\x00";  // a tag cut short at 128
    const std::vector<RecordPosition> cases[] = {
        {108, 8, 4},   // inside the break
        {8, 40},       // inside the long note's text
        {-1, 0},
        {0, 128},      // the cut tag
        {8, 130},      // beyond the end
        {120, 108, 121},
    };
    for (const auto& positions : cases) {
        SCOPED_TRACE(::testing::PrintToString(positions));
        SetLog(log);
        std::vector<RecordRef> refs;
        for (const RecordPosition position : positions) refs.push_back(Ref(position));
        EXPECT_EQ(Delete(refs), kChanged);
        EXPECT_EQ(Log(), log);
    }

    // Nothing to delete: the log is not even opened, so a missing one shows nothing.
    std::filesystem::remove(host.File(kLogFileName));
    EXPECT_EQ(Delete({}), kChanged);
}

TEST_F(RecordEditsTest, InsertRecordsAfterKeepsTheirOrderBehindTheRecord) {
    const std::vector<LogRecord> four = {
        LogRecord::Of(LogRecordType::WorkStart, 1700001500),
        LogRecord::Note(1700001600, "second"),
        LogRecord::Break(1700001700, 1700001800),
        LogRecord::Of(LogRecordType::WorkEnd, 1700001900),
    };
    const std::string fourBytes = Words({1, 1700001500}) + NoteBytes(1700001600, "second") +
                                  Words({2, 1700001700, 1700001800}) + Words({0, 1700001900});
    const std::string cutBreak = Words({2, 1700001000});  // its end is missing
    struct Case {
        const char* name;
        std::string log;
        RecordPosition anchor;
        std::string expected;
    };
    const Case cases[] = {
        {"first", kStart + kBreak + kNote, 0, kStart + fourBytes + kBreak + kNote},
        {"middle", kStart + kBreak + kNote, 8, kStart + kBreak + fourBytes + kNote},
        {"last", kStart + kBreak + kNote, 20, kStart + kBreak + kNote + fourBytes},
        {"cut short", kStart + cutBreak, 8, kStart + Words({2, 1700001000, 0}) + fourBytes},
        {"stale", kStart + kBreak + kNote, 12, kStart + kBreak + kNote},
        {"empty log", "", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetLog(c.log);
        EXPECT_EQ(InsertRecordsAfter(host, Ref(c.anchor), four), c.expected != c.log ? kDone : kChanged);
        EXPECT_EQ(Log(), c.expected);
    }
    SetLog(kStart);
    EXPECT_EQ(InsertRecordsAfter(host, Ref(0), {}), kChanged);
    EXPECT_EQ(Log(), kStart);
}

// kStart 1700000000, kBreak 1700001000, kNote 1700003000.
TEST_F(RecordEditsTest, InsertRecordsInOrderPutsEachBehindTheLastRecordNotLaterThanIt) {
    const auto at = [](TimeValue time) { return LogRecord::Of(LogRecordType::WorkEnd, time); };
    const std::string month = Words({6, 1800000000, 7, 0});  // a month record: its key is no time
    const std::string cutBreak = Words({2, 1700001000});
    struct Case {
        const char* name;
        std::string log;
        std::vector<LogRecord> records;
        std::string expected;
    };
    const Case cases[] = {
        {"empty log", "", {at(5)}, Words({0, 5})},
        {"before every record", kStart + kBreak, {at(1600000000)}, Words({0, 1600000000}) + kStart + kBreak},
        {"between", kStart + kBreak + kNote, {at(1700002000)}, kStart + kBreak + Words({0, 1700002000}) + kNote},
        {"an equal time goes behind", kStart + kBreak, {at(1700000000)}, kStart + Words({0, 1700000000}) + kBreak},
        {"after every record", kStart + kBreak, {at(1800000000)}, kStart + kBreak + Words({0, 1800000000})},
        {"a month record is passed over", kStart + month + kBreak, {at(1700000500)},
         kStart + Words({0, 1700000500}) + month + kBreak},
        {"each record at its own place", kStart + kBreak + kNote, {at(1700000500), at(1700002000), at(1700009000)},
         kStart + Words({0, 1700000500}) + kBreak + Words({0, 1700002000}) + kNote + Words({0, 1700009000})},
        {"a record cut short stays last", kStart + cutBreak, {at(1700009000)},
         kStart + Words({0, 1700009000}) + cutBreak},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetLog(c.log);
        EXPECT_EQ(InsertRecordsInOrder(host, c.records), kDone);
        EXPECT_EQ(Log(), c.expected);
    }
}

TEST_F(RecordEditsTest, DeleteDateRangeTakesWholeDaysOfAnyType) {
    const std::string before = Words({1, LocalAt(2024, 1, 28, 23, 59, 59)});
    const std::string first = Words({1, LocalAt(2024, 2, 1, 0, 0, 0)});
    const std::string last = NoteBytes(LocalAt(2024, 2, 1, 23, 59, 59), "late");
    const std::string after = Words({0, LocalAt(2024, 2, 2, 0, 0, 0)});
    const std::string marchKey = Words({6, MonthKey(2024, 2), 1, 2});
    const std::string aprilKey = Words({6, MonthKey(2024, 3), 3, 4});
    const std::string unknown = Words({9});
    SetLog(marchKey + aprilKey + before + first + unknown + last + after + "\x01\x00");
    EXPECT_EQ(DeleteDateRange(host, CalendarDate::Of(2024, 2, 1), CalendarDate::Of(2024, 2, 1)), std::nullopt);
    EXPECT_EQ(Log(), aprilKey + before + unknown + after + "\x01\x00");
}

TEST_F(RecordEditsTest, DeleteDateRangeInSummerKeepsTheDayAfter) {
    // Just after midnight in summer time: taken as standard time, the range
    // would reach an hour into 2 July and miss the first hour of 1 July.
    const std::string early = Words({1, LocalAt(2024, 6, 1, 0, 30)});
    const std::string nextDay = Words({1, LocalAt(2024, 6, 2, 0, 30)});
    const std::string julyKey = Words({6, MonthKey(2024, 6), 0, 0});
    const std::string augustKey = Words({6, MonthKey(2024, 7), 0, 0});
    SetLog(julyKey + augustKey + early + nextDay);
    EXPECT_EQ(DeleteDateRange(host, CalendarDate::Of(2024, 6, 1), CalendarDate::Of(2024, 6, 1)), std::nullopt);
    EXPECT_EQ(Log(), augustKey + nextDay);

    const std::string lateJuly = Words({0, LocalAt(2024, 6, 31, 23, 30)});
    const std::string earlyAugust = Words({1, LocalAt(2024, 7, 1, 0, 30)});
    SetLog(augustKey + lateJuly + earlyAugust);
    EXPECT_EQ(DeleteDateRange(host, CalendarDate::Of(2024, 5, 1), CalendarDate::Of(2024, 6, 31)), std::nullopt);
    EXPECT_EQ(Log(), augustKey + earlyAugust);
}

// A zone whose clocks go back at midnight, from 00:00 summer time to 23:00
// of the day before: on 6 April 2024 the hour from 23:00 comes twice.
class MidnightChangeZone {
public:
    MidnightChangeZone() {
        if (const char* zone = std::getenv("TZ")) old_ = zone;
        setenv("TZ", "XST3XDT,M9.1.0/0,M4.1.0/0", 1);
        tzset();
    }
    ~MidnightChangeZone() {
        setenv("TZ", old_.c_str(), 1);
        tzset();
    }

private:
    std::string old_ = "Europe/Berlin";
};

TEST_F(RecordEditsTest, DeleteDateRangeTakesTheRepeatedHourOfTheLastDay) {
    const MidnightChangeZone zone;
    const TimeValue firstRun = 1712453400;      // 6 April 2024 23:30 summer time, 01:30 UTC
    const TimeValue secondRun = firstRun + 3600;  // 23:30 again, standard time
    const TimeValue nextDay = firstRun + 5400;    // 7 April 00:00 standard time
    const std::string log = Words({1, firstRun}) + Words({0, secondRun}) + Words({1, nextDay});
    SetLog(log);
    EXPECT_EQ(DeleteDateRange(host, CalendarDate::Of(2024, 3, 6), CalendarDate::Of(2024, 3, 6)), std::nullopt);
    EXPECT_EQ(Log(), Words({1, nextDay}));
}

// A window read the log, then another window changed it before the edit.
// Every rewrite by reference refuses when the record is not where it was
// with its bytes, and goes ahead when only an append came in between.
TEST_F(RecordEditsTest, AStaleReferenceChangesNothing) {
    const std::string month = Words({6, MonthKey(2024, 2), 0, 100});
    const std::string end = Words({0, 1700009000});
    const struct {
        const char* name;
        std::string logAfter;  // as the other window left it
        bool proceeds;
        std::string deleted, inserted, replaced;  // the log afterwards, when it proceeds
    } cases[] = {
        {"a month record stored in front", month + kStart + kBreak + kNote, false, {}, {}, {}},
        {"the record before deleted", kBreak + kNote, false, {}, {}, {}},
        {"the same bytes further on", kStart + kStart + kBreak + kNote, false, {}, {}, {}},
        {"the record changed in place", kStart + Words({2, 1700001000, 1700002001}) + kNote, false, {}, {}, {}},
        {"the record itself deleted", kStart + kNote, false, {}, {}, {}},
        {"a record appended behind", kStart + kBreak + kNote + end, true, kStart + kNote + end,
         kStart + kBreak + end + kNote + end, kStart + end + kNote + end},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetLog(kStart + kBreak + kNote);
        const RecordRef shown = Ref(8);  // the break
        const EditResult::Kind expected = c.proceeds ? kDone : kChanged;
        SetLog(c.logAfter);
        EXPECT_EQ(Delete({shown}), expected);
        EXPECT_EQ(Log(), c.proceeds ? c.deleted : c.logAfter);
        SetLog(c.logAfter);
        EXPECT_EQ(Insert(shown, LogRecord::Of(LogRecordType::WorkEnd, 1700009000)), expected);
        EXPECT_EQ(Log(), c.proceeds ? c.inserted : c.logAfter);
        SetLog(c.logAfter);
        EXPECT_EQ(ReplaceRecord(host, shown, LogRecord::Of(LogRecordType::WorkEnd, 1700009000)), expected);
        EXPECT_EQ(Log(), c.proceeds ? c.replaced : c.logAfter);
        // One stale record among good ones keeps them all.
        SetLog(c.logAfter);
        EXPECT_EQ(Delete({Ref(0), shown}), expected);
    }
}

TEST_F(RecordEditsTest, DeleteWholeLogLeavesAnEmptyLog) {
    const struct {
        const char* name;
        std::optional<std::string> log;  // none: no log at all
    } cases[] = {
        {"records and month records", Words({6, MonthKey(2024, 1), 1, 2}) + kStart + kBreak + kNote},
        {"a tag cut short", kStart + "\x01\x00"},
        {"empty", ""},
        {"missing", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.log) SetLog(*c.log);
        else std::filesystem::remove(host.File(kLogFileName));
        EXPECT_EQ(DeleteWholeLog(host), std::nullopt);
        ASSERT_TRUE(std::filesystem::exists(host.File(kLogFileName)));
        EXPECT_EQ(Log(), "");
        EXPECT_FALSE(std::filesystem::exists(host.File(kRewriteFileName)));
    }
}

TEST_F(RecordEditsTest, AppendAddsOneRecord) {
    EXPECT_EQ(AppendRecord(host, LogRecord::Of(LogRecordType::WorkStart, 1700000000)), std::nullopt);
    EXPECT_EQ(AppendRecord(host, LogRecord::Break(1700001000, 1700002000)), std::nullopt);
    EXPECT_EQ(Log(), kStart + kBreak);

    host.programFolder += "missing/";
    EXPECT_EQ(AppendRecord(host, LogRecord::Of(LogRecordType::WorkEnd, 1)), kOpenFailed);
}

}  // namespace
}  // namespace horalo
