// The log read from memory finds the same records at the same positions as
// the reading loop on the file, however the bytes are damaged.
#include "core/timelog/log_image.h"
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
