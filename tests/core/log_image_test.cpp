// The log read from memory finds the same records at the same positions as
// the reading loop on the file, however the bytes are damaged.
#include "core/timelog/log_image.h"

#include <filesystem>

#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

class LogImageTest : public TimeLogTest {};

TEST_F(LogImageTest, MemoryAndFileReadDamagedLogsAlike) {
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
        LogFile file = OpenLogFile(host, "rb").value;
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

// A directory in the log's place, or a file of 200 GiB (sparse: it takes no
// disk), is refused by the program's reads before they allocate for it.
TEST_F(LogImageTest, ReadsRefuseWhatNoLogCanBe) {
    const std::string head = Words({1, LocalAt(2024, 5, 3, 8)}) + Words({3, LocalAt(2024, 5, 3, 9), 0x7fffffff});
    for (const std::uintmax_t size : {std::uintmax_t{100}, std::uintmax_t{200} << 30, std::uintmax_t{0}}) {
        std::filesystem::remove_all(host.File(kLogFileName));
        if (size == 0) {
            std::filesystem::create_directory(host.File(kLogFileName));
        } else {
            SetLog(head);
            std::filesystem::resize_file(host.File(kLogFileName), size);
        }
        const bool readable = size == 100;
        const auto loaded = LoadLog(host);
        EXPECT_EQ(loaded.value.has_value(), readable) << size;
        EXPECT_EQ(loaded.outcome, readable ? std::nullopt : Outcome(kOpenFailed));
        EXPECT_EQ(ReadDayEntries(2024, 5, OpenLogFile(host, "rb").value.get()).size(), readable ? 2u : 0u);
        // The note's length points far beyond: its text ends at the first NUL.
        LogFile file = OpenLogFile(host, "rb").value;
        const auto note = file && std::fseek(file.get(), 8, SEEK_SET) == 0 ? ReadRecord(file.get()) : std::nullopt;
        EXPECT_EQ(note ? note->record : LogRecord(), size ? LogRecord::Note(LocalAt(2024, 5, 3, 9), "") : LogRecord());
    }
}

}  // namespace
}  // namespace horalo
