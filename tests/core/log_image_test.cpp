// Records written by the log operations, read back by a second reader that
// knows only the byte table, and the log read from memory the same way as
// from the file.
#include "core/timelog/log_image.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

class CodecTest : public TimeLogTest {};

TEST_F(CodecTest, EveryTypeRoundTripsThroughTheOperations) {
    const TimeValue day = Berlin(2024, 5, 6, 8);
    const std::vector<LogRecord> appended = {
        LogRecord::Of(LogRecordType::WorkStart, day),
        LogRecord::Break(day + 3600, day + 5400),
        LogRecord::Note(day + 60, "caf\xE9 \xFF\r\n"),
        LogRecord::Of(LogRecordType::WorkEnd, day + 30000),
        LogRecord::Of(LogRecordType::AbsenceDay, day + 86400),
        LogRecord::Of(LogRecordType::CompensationDay, day + 2 * 86400),
    };
    for (const auto& record : appended) ASSERT_TRUE(AppendRecord(host, record));
    const LogRecord inserted = LogRecord::Note(day + 120, "");
    ASSERT_TRUE(InsertRecordAfter(host, 0, inserted));
    ASSERT_TRUE(StoreMonthRecord(host, 2024, 4, -1530, 7));
    EXPECT_TRUE(host.messages.empty());

    std::vector<LogRecord> expected = {LogRecord::Month(MonthKey(2024, 4), 7, -1530), appended[0], inserted};
    expected.insert(expected.end(), appended.begin() + 1, appended.end());
    const auto decoded = DecodeLog(Log());
    ASSERT_EQ(decoded.size(), expected.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        EXPECT_EQ(decoded[i].record, expected[i]) << "record " << i;
        EXPECT_EQ(ReadRecordAt(host, decoded[i].position), expected[i]) << "record " << i;
    }

    LogFile file = OpenLogFile(host, "rb");
    const auto entries = ReadDayEntries(2024, 4, file.get());
    ASSERT_EQ(entries.size(), 7u);
    for (std::size_t i = 1; i < entries.size(); ++i) EXPECT_LE(entries[i - 1].record.time, entries[i].record.time);
    EXPECT_EQ(entries[1].record, appended[2]);
    EXPECT_EQ(entries[1].position, decoded[4].position);
}

TEST_F(CodecTest, MemoryAndFileReadDamagedLogsAlike) {
    const std::string logs[] = {
        "",
        Words({1, 5}) + "\x02\x00",                         // a cut tag
        Words({2, 5}),                                      // a cut payload
        Words({3, 5, 100}) + "abc" + Words({1, 6}),         // a note longer than the file
        Words({3, 5, -1}) + Words({1, 6}),                  // a negative length
        Words({3, 5}) + "\x01\x00",                         // a cut length field
        Words({3, 5, 2}) + "abX" + Words({9, 0, 6, 1, 2}),  // a terminator that is not NUL, unknown tags
        Words({6, 1, 2}),
    };
    for (const std::string& bytes : logs) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        SetLog(bytes);
        LogFile file = OpenLogFile(host, "rb");
        std::vector<StoredRecord> fromFile;
        while (auto stored = ReadRecord(file.get())) fromFile.push_back(*stored);

        const LogBytes log(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        std::size_t offset = 0, index = 0;
        for (std::size_t end; (end = RecordEnd(log, offset)) != offset; offset = end, ++index) {
            std::size_t at = offset;
            const auto stored = DecodeRecord(log, at);
            ASSERT_TRUE(stored);
            EXPECT_EQ(at, end);
            ASSERT_LT(index, fromFile.size());
            EXPECT_EQ(stored->position, fromFile[index].position);
            EXPECT_EQ(stored->record, fromFile[index].record);
        }
        EXPECT_EQ(index, fromFile.size());
        EXPECT_FALSE(DecodeRecord(log, offset));
    }
}

}  // namespace
}  // namespace horalo
