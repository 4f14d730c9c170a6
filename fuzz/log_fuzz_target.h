#pragma once
// Arbitrary bytes as a time log: the reading loop, the read from memory, a
// month, the month records and a deletion must agree with each other and
// with what the bytes say. Shared by the fuzzer and the test that replays
// its corpus, so both check the same. A failed check aborts with a message.
// Both are started with TZ=Europe/Berlin (scripts/fuzz.sh, ctest), so the
// months have daylight saving changes for the checks to meet.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../tests/core/test_host.h"
#include "core/io/file_layer.h"
#include "core/timelog/log_image.h"
#include "core/timelog/time_log.h"

namespace horalo::fuzz {

inline void Check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "time log check failed: %s\n", what);
    std::abort();
}

// The disk itself is not what is under test; skipping its flush keeps runs fast.
class CachedFileLayer : public StdioFileLayer {
public:
    bool FlushToDisk(std::FILE* file) override { return std::fflush(file) == 0; }
};

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The bytes of each record: from its position to the next one's, the last
// one's to where the readers ended.
inline std::vector<Bytes> RecordBytes(const std::string& input, const std::vector<StoredRecord>& records,
                                      std::size_t end) {
    std::vector<Bytes> bytes;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto from = static_cast<std::size_t>(records[i].position);
        const std::size_t to = i + 1 < records.size() ? static_cast<std::size_t>(records[i + 1].position) : end;
        bytes.emplace_back(input.begin() + static_cast<long>(from), input.begin() + static_cast<long>(to));
    }
    return bytes;
}

// What ReadDayEntries must give, decided record by record.
inline std::vector<DayEntry> ExpectedMonth(const std::vector<StoredRecord>& records, const std::vector<Bytes>& bytes,
                                           int year, int month) {
    std::vector<DayEntry> expected;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& [position, record] = records[i];
        if (record.tag > TagOf(LogRecordType::CompensationDay)) continue;
        // The fields are unsigned: every bit pattern is a time from 1970 to
        // 2106, and a 64-bit C library has a local time for each of them.
        Check(record.time >= 0 && record.time <= kLatestLogTime, "a time reads as unsigned 32 bits");
        const std::time_t time = record.time;
        const std::tm* local = std::localtime(&time);
        Check(local != nullptr, "every time a log holds has a local time");
        if (local->tm_year + 1900 == year && local->tm_mon == month)
            expected.push_back({position, static_cast<DayEntryType>(record.tag), record, bytes[i]});
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [](const DayEntry& a, const DayEntry& b) { return a.record.time < b.record.time; });
    return expected;
}

inline MonthRecordList ExpectedMonthRecords(const std::vector<StoredRecord>& records) {
    MonthRecordList expected;
    for (const auto& [position, record] : records) {
        if (record.type() != LogRecordType::MonthRecord) break;
        expected.push_back({position, record.time, record.hoursDeducted, record.carriedBalance});
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& a, const auto& b) { return a.monthKey < b.monthKey; });
    return expected;
}

inline void FuzzTimeLog(const std::uint8_t* data, std::size_t size) {
    static test::TestHost host;
    static CachedFileLayer layer;
    ScopedFileLayer scope(layer);
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto logPath = host.File(kLogFileName);
    std::ofstream(logPath, std::ios::binary | std::ios::trunc) << input;

    // The reading loop from the file, and the same log read from memory.
    std::vector<StoredRecord> records;
    {
        auto [file, opened] = OpenLogFile(host, "rb");
        Check(file != nullptr && !opened, "the log opens");
        while (auto stored = ReadRecord(file.get())) records.push_back(std::move(*stored));
    }
    const LogBytes log(data, size);
    std::size_t offset = 0;
    for (const StoredRecord& fromFile : records) {
        const std::size_t end = RecordEnd(log, offset);
        std::size_t at = offset;
        const auto fromMemory = DecodeRecord(log, at);
        Check(end > offset && fromMemory.has_value(), "memory finds the file's record");
        Check(fromMemory->position == fromFile.position && fromMemory->record == fromFile.record,
              "memory reads the record as the file does");
        Check(at == end, "the walk ends the record where decoding does");
        offset = end;
    }
    Check(RecordEnd(log, offset) == offset && size - offset < 4, "both readers end together");
    const std::vector<Bytes> bytes = RecordBytes(input, records, offset);

    // A month: one of a record's own, so that matches are met.
    int year = 2024, month = 0;
    if (!records.empty()) {
        const std::time_t time = records[size % records.size()].record.time;
        if (const std::tm* local = std::localtime(&time)) year = local->tm_year + 1900, month = local->tm_mon;
    }
    {
        LogFile file = OpenLogFile(host, "rb").value;
        Check(ReadDayEntries(year, month, file.get()) == ExpectedMonth(records, bytes, year, month), "the month's entries");
        Check(Files().Seek(file.get(), 0, SEEK_SET), "seek to the start");
        Check(ReadMonthRecords(file.get()) == ExpectedMonthRecords(records), "the month records");
    }

    // Deleting a record by its place and bytes cuts exactly it; a reference
    // anywhere else, even to bytes that look like a record, changes nothing.
    const std::size_t pick = size == 0 ? 0 : data[size - 1];
    const bool atRecord = !records.empty() && pick % 2 == 0;
    const std::size_t index = atRecord ? pick / 2 % records.size() : 0;
    RecordRef ref;
    if (atRecord) {
        ref = {records[index].position, bytes[index]};
    } else {
        const std::size_t at = pick * 7 % (size + 5);
        ref.position = static_cast<long>(at);
        if (at < size) ref.bytes.assign(data + at, data + std::min(size, at + 8));
    }
    const auto found = std::find_if(records.begin(), records.end(), [&](const auto& r) { return r.position == ref.position; });
    const bool same = found != records.end() && bytes[static_cast<std::size_t>(found - records.begin())] == ref.bytes;
    std::string expected = input;
    if (same) {
        const std::size_t start = static_cast<std::size_t>(ref.position);
        expected = input.substr(0, start) + input.substr(start + ref.bytes.size());
    }
    const EditResult deleted = DeleteRecords(host, std::span(&ref, 1));
    Check(deleted == (same ? EditResult::Done : EditResult::Changed), "deletion reports whether it changed the log");
    Check(ReadFile(logPath) == expected, "the log is the input less exactly the record");
    Check(!deleted.outcome, "no message");
}

}  // namespace horalo::fuzz
