#include "core/timelog/log_record.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <new>
#include <vector>

#include "resource_ids.h"
#include "second_reader.h"
#include "test_host.h"

// The largest single allocation since the last reset, so a test can prove
// that a damaged length never reaches the allocator.
static std::size_t largestAllocation = 0;

void* operator new(std::size_t size) {
    if (size > largestAllocation) largestAllocation = size;
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace horalo {
namespace {

using test::DecodeRecord;
using test::TestHost;
using test::Words;

const Message kOpenFailed = LibraryMessage(IDS_LOG_OPEN_FAILED, kMessageStop);
const Message kWriteFailed = LibraryMessage(IDS_LOG_WRITE_FAILED, kMessageStop);


std::vector<LogRecord> DecodeLog(const std::string& bytes) {
    std::vector<LogRecord> records;
    for (std::size_t p = 0; p < bytes.size();) records.push_back(DecodeRecord(bytes, p));
    return records;
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Every record ReadRecord yields, up to the first none.
std::vector<StoredRecord> ReadLog(std::FILE* file) {
    std::vector<StoredRecord> records;
    while (auto stored = ReadRecord(file)) records.push_back(*stored);
    return records;
}

class LogRecordTest : public ::testing::Test {
protected:
    LogFile WithBytes(const std::string& bytes) {
        WriteAll(host.File(kLogFileName), bytes);
        return OpenLogFile(host, "rb").value;
    }
    TestHost host;
};

LogRecord Tagged(std::uint32_t tag) {
    LogRecord record;
    record.tag = tag;
    return record;
}

TEST_F(LogRecordTest, WritesEveryTypeByTheLayout) {
    const std::pair<LogRecord, long> written[] = {
        {LogRecord::Of(LogRecordType::WorkEnd, 1700000000), 8},
        {LogRecord::Of(LogRecordType::WorkStart, kLatestLogTime), 8},
        {LogRecord::Break(1700001000, 1700002800), 12},
        {LogRecord::Note(1700003000, ""), 13},
        {LogRecord::Note(1700003001, "caf\xE9 \r\n\x01\xFF"), 13 + 9},
        {LogRecord::Of(LogRecordType::AbsenceDay, 1700004000), 8},
        {LogRecord::Of(LogRecordType::CompensationDay, 1700005000), 8},
        {LogRecord::Month(1698793200, 12, -1530), 16},
        {Tagged(9), 4},
    };
    LogFile file = OpenLogFile(host, "wb").value;
    ASSERT_TRUE(file);
    std::vector<LogRecord> expected;
    for (const auto& [record, size] : written) {
        const long before = std::ftell(file.get());
        EXPECT_EQ(WriteRecord(record, file.get()), std::nullopt);
        EXPECT_EQ(std::ftell(file.get()) - before, size) << "tag " << record.tag;
        expected.push_back(record);
    }
    file.reset();
    EXPECT_EQ(DecodeLog(ReadAll(host.File(kLogFileName))), expected);
}

// Where a time is made (the clock, a typed date), one outside the unsigned
// field is refused rather than written as another time.
TEST_F(LogRecordTest, TimesTheLogCannotHoldAreRefusedNotWrapped) {
    for (const TimeValue moment : {TimeValue{-1}, kLatestLogTime + 1}) EXPECT_FALSE(LogTime(moment)) << moment;
    EXPECT_EQ(LogTime(kLatestLogTime), kLatestLogTime);
    LogFile file = OpenLogFile(host, "wb").value;
    EXPECT_EQ(WriteRecord(LogRecord::Break(kLatestLogTime - 60, kLatestLogTime + 60), file.get()),
              LibraryMessage(IDS_LOG_WRITE_FAILED, kMessageStop));
    file.reset();
    EXPECT_EQ(ReadAll(host.File(kLogFileName)), "");
}

TEST_F(LogRecordTest, NoteTextEndsAtItsFirstNul) {
    LogFile file = OpenLogFile(host, "wb").value;
    ASSERT_TRUE(file);
    EXPECT_EQ(WriteRecord(LogRecord::Note(7, std::string("ab\0cd", 5)), file.get()), std::nullopt);
    file.reset();
    EXPECT_EQ(ReadAll(host.File(kLogFileName)), Words({3, 7, 2}) + std::string("ab\0", 3));
}

TEST_F(LogRecordTest, ReadsBackWhatWasWrittenAndSeeksByPosition) {
    const std::vector<LogRecord> records = {
        LogRecord::Month(1698793200, 3, 245),      LogRecord::Of(LogRecordType::WorkStart, 1700000000),
        LogRecord::Note(1700000100, "first \xFC"), LogRecord::Break(1700000200, 1700000100),
        LogRecord::Note(1700000300, ""),           LogRecord::Of(LogRecordType::WorkEnd, 1700000400),
    };
    LogFile file = OpenLogFile(host, "wb").value;
    ASSERT_TRUE(file);
    for (const auto& record : records) ASSERT_EQ(WriteRecord(record, file.get()), std::nullopt);
    file = OpenLogFile(host, "rb").value;
    ASSERT_TRUE(file);

    const std::vector<StoredRecord> stored = ReadLog(file.get());
    ASSERT_EQ(stored.size(), records.size());
    const RecordPosition positions[] = {0, 16, 24, 44, 56, 69};
    for (std::size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(stored[i].record, records[i]) << "record " << i;
        EXPECT_EQ(stored[i].position, positions[i]) << "record " << i;
    }
    for (auto it = stored.rbegin(); it != stored.rend(); ++it) {
        ASSERT_EQ(std::fseek(file.get(), it->position, SEEK_SET), 0);
        const auto again = ReadRecord(file.get());
        ASSERT_TRUE(again);
        EXPECT_EQ(again->position, it->position);
        EXPECT_EQ(again->record, it->record);
    }
}

TEST_F(LogRecordTest, EndOfFileAndCutTags) {
    LogFile file = WithBytes("");
    ASSERT_TRUE(file);
    EXPECT_FALSE(ReadRecord(file.get()));

    const std::string workStart = Words({1, 1700000000});
    for (std::size_t cut = 0; cut < 4; ++cut) {
        file = WithBytes(workStart + Words({1}).substr(0, cut));
        const auto stored = ReadLog(file.get());
        ASSERT_EQ(stored.size(), 1u) << "cut " << cut;
        EXPECT_EQ(stored[0].record, LogRecord::Of(LogRecordType::WorkStart, 1700000000));
    }
}

TEST_F(LogRecordTest, PayloadCutByTheEndIsZeroFilled) {
    const std::string full[] = {
        Words({0, 0x11223344}),
        Words({1, -2}),
        Words({2, 0x01020304, 0x05060708}),
        Words({3, 0x0A0B0C0D, 5}) + std::string("hello", 6),
        Words({4, 0x21222324}),
        Words({5, 0x31323334}),
        Words({6, 0x41424344, -7, 0x51525354}),
    };
    for (const auto& bytes : full) {
        for (std::size_t cut = 5; cut < bytes.size(); ++cut) {
            SCOPED_TRACE("tag " + std::to_string(bytes[0]) + ", " + std::to_string(cut) + " bytes");
            LogFile file = WithBytes(bytes.substr(0, cut));
            const auto stored = ReadRecord(file.get());
            ASSERT_TRUE(stored);
            std::size_t p = 0;
            LogRecord expected = DecodeRecord(bytes.substr(0, cut) + std::string(bytes.size() - cut, '\0'), p);
            if (expected.tag == 3) expected.text = cut > 12 ? bytes.substr(12, cut - 12) : "";
            EXPECT_EQ(stored->record, expected);
            EXPECT_FALSE(ReadRecord(file.get()));
        }
    }
}

TEST_F(LogRecordTest, UnknownTagHasNoPayload) {
    LogFile file = WithBytes(Words({9, 1, 1700000000}));
    const auto stored = ReadLog(file.get());
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].position, 0);
    EXPECT_EQ(stored[0].record, Tagged(9));
    EXPECT_FALSE(stored[0].record.HasPayload());
    EXPECT_EQ(stored[1].position, 4);
    EXPECT_EQ(stored[1].record, LogRecord::Of(LogRecordType::WorkStart, 1700000000));
}

TEST_F(LogRecordTest, DamagedNoteLengthTakesTheRestOfTheFile) {
    const std::string after = std::string("abc", 4) + Words({1, 1700000000});  // text, then a WorkStart
    const std::int64_t lengths[] = {0x7FFFFFFF, -1, -0x80000000LL, 100};
    for (const auto length : lengths) {
        SCOPED_TRACE("length " + std::to_string(length));
        LogFile file = WithBytes(Words({3, 42, length}) + after);
        largestAllocation = 0;
        const auto stored = ReadLog(file.get());
        EXPECT_LT(largestAllocation, 1024u);
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0].record, LogRecord::Note(42, "abc"));
    }
    LogFile cut = WithBytes(Words({3, 42, 10}) + "abc");  // the text runs into the end
    const auto stored = ReadLog(cut.get());
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].record.text, "abc");
}

TEST_F(LogRecordTest, NoteTextIsBoundedByItsLength) {
    // A terminator that is not NUL stays out of the text, and a NUL inside
    // the text ends it; either way the next record is found by the length.
    LogFile file = WithBytes(Words({3, 1, 3}) + "abcX" + Words({3, 2, 5}) + std::string("ab\0cd", 6) +
                             Words({0, 3}));
    const auto stored = ReadLog(file.get());
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0].record, LogRecord::Note(1, "abc"));
    EXPECT_EQ(stored[1].record, LogRecord::Note(2, "ab"));
    EXPECT_EQ(stored[2].record, LogRecord::Of(LogRecordType::WorkEnd, 3));
}

TEST_F(LogRecordTest, OpensTheLogOrTheRewriteFileInTheProgramFolder) {
    for (const bool rewrite : {false, true}) {
        const WithOutcome<LogFile> opened = OpenLogFile(host, rewrite ? "wb" : "ab", rewrite);
        EXPECT_TRUE(opened.value);
        EXPECT_EQ(opened.outcome, std::nullopt);
    }
    EXPECT_TRUE(std::filesystem::exists(host.File("horalo.log")));
    EXPECT_TRUE(std::filesystem::exists(host.File("horalo_b.log")));
}

TEST_F(LogRecordTest, OpenFailureShowsOneMessage) {
    WithOutcome<LogFile> opened = OpenLogFile(host, "rb");  // no log yet
    EXPECT_FALSE(opened.value);
    EXPECT_EQ(opened.outcome, kOpenFailed);

    host.programFolder += "missing/";
    opened = OpenLogFile(host, "wb", true);
    EXPECT_FALSE(opened.value);
    EXPECT_EQ(opened.outcome, kOpenFailed);
}

TEST_F(LogRecordTest, FailedTagWriteShowsMessageAndFails) {
    const std::string bytes = Words({1, 5});
    LogFile file = WithBytes(bytes);
    ASSERT_TRUE(file);
    EXPECT_EQ(WriteRecord(LogRecord::Of(LogRecordType::WorkEnd, 6), file.get()), kWriteFailed);
    file.reset();
    EXPECT_EQ(ReadAll(host.File(kLogFileName)), bytes);
}

}  // namespace
}  // namespace horalo
