#pragma once
// Shared by the time-log tests: logs written and read as plain bytes, a
// second reader that decodes them by the record table alone, and a fixture
// with a temporary program folder. ctest runs the tests with TZ=Europe/Berlin.
#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "core/timelog/log_image.h"
#include "core/timelog/time_log.h"
#include "local_time_helper.h"
#include "resource_ids.h"
#include "second_reader.h"
#include "test_host.h"

namespace horalo {

inline void PrintTo(const LogRecord& r, std::ostream* os) {
    *os << "{tag " << r.tag << ", time " << r.time << ", " << r.breakEnd << ", " << r.hoursDeducted << ", "
        << r.carriedBalance << ", \"" << r.text << "\"}";
}

inline void PrintTo(const DayEntry& e, std::ostream* os) {
    *os << "{at " << e.position << ", type " << static_cast<unsigned>(e.type) << ", ";
    PrintTo(e.record, os);
    *os << "}";
}

inline void PrintTo(const MonthRecordEntry& e, std::ostream* os) {
    *os << "{at " << e.position << ", key " << e.monthKey << ", " << e.hoursDeducted << ", " << e.carriedBalance
        << "}";
}

}  // namespace horalo

namespace horalo::test {

inline const Message kOpenFailed = LibraryMessage(IDS_LOG_OPEN_FAILED, kMessageStop);
inline const Message kInUse = LibraryMessage(IDS_LOG_IN_USE, kMessageStop);
inline const Message kReplaceFailed = LibraryMessage(IDS_LOG_RENAME_FAILED, kMessageStop);
inline const Message kWriteFailed = LibraryMessage(IDS_LOG_WRITE_FAILED, kMessageStop);

inline std::string NoteBytes(std::int32_t time, const std::string& text) {
    return Words({3, time, static_cast<std::int64_t>(text.size())}) + text + std::string(1, '\0');
}

struct DecodedRecord {
    long position = 0;
    LogRecord record;
};

// The second reader: well-formed records only, by the layout table.
inline std::vector<DecodedRecord> DecodeLog(const std::string& bytes) {
    std::vector<DecodedRecord> records;
    for (std::size_t p = 0; p < bytes.size();) {
        const auto position = static_cast<long>(p);
        records.push_back({position, DecodeRecord(bytes, p)});
    }
    return records;
}

// What a window that read `log` holds of the record it shows at `position`:
// the bytes up to where a record starting there would end.
inline RecordRef RefAt(const std::string& log, long position) {
    const LogBytes bytes(reinterpret_cast<const std::uint8_t*>(log.data()), log.size());
    if (position < 0 || static_cast<std::size_t>(position) >= log.size()) return {position, {}};
    const auto start = static_cast<std::size_t>(position);
    return {position, Bytes(bytes.begin() + position, bytes.begin() + static_cast<long>(RecordEnd(bytes, start)))};
}

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Midnight of 1 July 2024 in summer time is 22:00 UTC the day before. In any
// other zone the expected times of these tests are off by hours, so a test
// program started by hand says why instead of failing check after check.
inline bool InBerlinTime() { return LocalAt(2024, 6, 1) == 1719784800; }
inline constexpr const char* kBerlinTimeHint = "run the tests through ctest, or with TZ=Europe/Berlin";

class TimeLogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(InBerlinTime()) << kBerlinTimeHint; }
    void SetLog(const std::string& bytes) { WriteAll(host.File(kLogFileName), bytes); }
    std::string Log() const { return ReadAll(host.File(kLogFileName)); }
    RecordRef Ref(long position) const { return RefAt(Log(), position); }

    TestHost host;
};

}  // namespace horalo::test
