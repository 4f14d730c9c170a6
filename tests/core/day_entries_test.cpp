// The entries of a month: every record whose local time falls in it, in the
// order of their times.
#include <random>
#include <tuple>

#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

class DayEntriesTest : public TimeLogTest {
protected:
    std::vector<DayEntry> Month(int year, int month0) {
        LogFile file = OpenLogFile(host, "rb").value;
        EXPECT_TRUE(file);
        return file ? ReadDayEntries(year, month0, file.get()) : std::vector<DayEntry>{};
    }
};

TEST_F(DayEntriesTest, DayEntriesMatchEveryRecordsOwnLocalTime) {
    // Times around the months of both daylight-saving changes, checked one
    // by one against the C library's local time of every record.
    std::mt19937 random(7);
    std::string log = Words({6, MonthKey(2024, 2), 0, 0});
    std::vector<TimeValue> times;
    const TimeValue anchors[] = {LocalAt(2024, 2, 1), LocalAt(2024, 3, 1), LocalAt(2024, 9, 1), LocalAt(2024, 10, 1)};
    for (const TimeValue anchor : anchors) {
        for (int i = 0; i < 60; ++i) times.push_back(anchor + static_cast<TimeValue>(random() % 400000) - 200000);
        times.push_back(anchor);
        times.push_back(anchor - 1);
    }
    const int plainTags[] = {0, 1, 4, 5};
    for (std::size_t i = 0; i < times.size(); ++i) {
        if (i % 3 == 0)
            log += NoteBytes(times[i], "n" + std::to_string(i));
        else if (i % 5 == 0)
            log += Words({2, times[i], times[i] + 60});
        else
            log += Words({plainTags[i % 4], times[i]});
    }
    SetLog(log);
    const auto records = DecodeLog(log);

    for (const int month0 : {1, 2, 3, 8, 9, 10, 11}) {
        SCOPED_TRACE("month " + std::to_string(month0 + 1));
        std::vector<DayEntry> expected;
        for (const auto& [position, record] : records) {
            const std::time_t t = record.time;
            const std::tm* local = std::localtime(&t);
            if (record.tag != 6 && local->tm_year == 124 && local->tm_mon == month0)
                expected.push_back({position, static_cast<DayEntryType>(record.tag), record, EncodeRecord(record)});
        }
        std::stable_sort(expected.begin(), expected.end(),
                         [](const DayEntry& a, const DayEntry& b) { return a.record.time < b.record.time; });
        EXPECT_EQ(Month(2024, month0), expected);
    }
}

TEST_F(DayEntriesTest, EqualTimesKeepFileOrderAndTopBitTimesLieIn2105And2106) {
    const TimeValue t = LocalAt(2023, 4, 10, 8);
    // -1 and -86400 * 400 as signed fields; unsigned, 7 February 2106 and 3 January 2105.
    SetLog(Words({0, t + 60}) + Words({1, t}) + Words({9}) + Words({4, -1}) + NoteBytes(t, "b") + Words({5, t}) +
           Words({2, -86400 * 400, 5}));
    const auto entry = [](RecordPosition position, DayEntryType type, const LogRecord& record) {
        return DayEntry{position, type, record, EncodeRecord(record)};
    };
    const std::vector<DayEntry> expected = {
        entry(8, DayEntryType::WorkStart, LogRecord::Of(LogRecordType::WorkStart, t)),
        entry(28, DayEntryType::Note, LogRecord::Note(t, "b")),
        entry(42, DayEntryType::CompensationDay, LogRecord::Of(LogRecordType::CompensationDay, t)),
        entry(0, DayEntryType::WorkEnd, LogRecord::Of(LogRecordType::WorkEnd, t + 60)),
    };
    EXPECT_EQ(Month(2023, 4), expected);
    const TimeValue early2105 = kLatestLogTime + 1 - 86400 * 400;
    EXPECT_EQ(Month(2106, 1), (std::vector<DayEntry>{entry(20, DayEntryType::AbsenceDay,
                                                           LogRecord::Of(LogRecordType::AbsenceDay, kLatestLogTime))}));
    EXPECT_EQ(Month(2105, 0), (std::vector<DayEntry>{entry(50, DayEntryType::Break, LogRecord::Break(early2105, 5))}));
}

// The edges of the field, written by the encoder, read back and found in
// their local month (Berlin: UTC+1 in winter).
TEST_F(DayEntriesTest, TimesAcross2038UpTo2106ReadBackInTheirMonth) {
    const std::tuple<TimeValue, int, int> cases[] = {
        {0x7FFFFFFF, 2038, 0}, {0x80000000, 2038, 0}, {0xFFFFFFFF, 2106, 1}};
    for (const auto& [time, year, month0] : cases) {
        const LogRecord pause = LogRecord::Break(time - 60, time);
        ASSERT_EQ(WriteRecord(pause, OpenLogFile(host, "wb").value.get()), std::nullopt);
        EXPECT_EQ(ReadRecord(OpenLogFile(host, "rb").value.get()).value().record, pause) << time;
        const std::vector<DayEntry> month = Month(year, month0);
        ASSERT_EQ(month.size(), 1u) << time;
        EXPECT_EQ(month[0].record, pause);
    }
}

TEST_F(DayEntriesTest, DayEntriesStartAtTheFilesPosition) {
    const TimeValue t = LocalAt(2023, 4, 10, 8);
    SetLog(Words({1, t}) + Words({0, t + 1}));
    LogFile file = OpenLogFile(host, "rb").value;
    ASSERT_EQ(std::fseek(file.get(), 8, SEEK_SET), 0);
    const auto entries = ReadDayEntries(2023, 4, file.get());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].position, 8);
}

}  // namespace
}  // namespace horalo
