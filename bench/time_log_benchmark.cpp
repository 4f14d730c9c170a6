// The time-log operations on a log of decades, each beside its floor: a
// plain read of the same file for the reads, a plain copy of it flushed to
// the disk for the rewrites, a plain append flushed to the disk for appends.
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "bench_log.h"
#include "core/io/file_layer.h"
#include "core/timelog/time_log.h"

namespace horalo::bench {
namespace {

void ReadFloor(benchmark::State& state) {
    std::vector<char> buffer(64 * 1024);
    for (auto _ : state) {
        DropFromCache(state);
        std::FILE* file = std::fopen(LogPath().c_str(), "rb");
        std::size_t total = 0;
        for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0;) total += got;
        std::fclose(file);
        benchmark::DoNotOptimize(total);
    }
    Report(state);
}

void ReadMonth(benchmark::State& state) {
    const int year = kFirstYear + years / 2;
    std::size_t count = 0;
    for (auto _ : state) {
        DropFromCache(state);
        LogFile log = OpenLogToRead();
        count = ReadDayEntries(year, 5, log.get()).size();
        benchmark::DoNotOptimize(count);
    }
    state.counters["entries"] = static_cast<double>(count);
    Report(state);
}

// For comparison: the month read record by record from the file, every
// record's local time taken, as a plain reading loop would do it.
void ReadMonthRecordByRecord(benchmark::State& state) {
    const int year = kFirstYear + years / 2;
    std::size_t count = 0;
    for (auto _ : state) {
        LogFile log = OpenLogToRead();
        count = 0;
        while (auto stored = ReadRecord(log.get())) {
            const std::time_t time = stored->record.time;
            const std::tm* local = std::localtime(&time);
            count += local && local->tm_year == year - 1900 && local->tm_mon == 5 && stored->record.tag < TagOf(LogRecordType::MonthRecord);
        }
        benchmark::DoNotOptimize(count);
    }
    state.counters["entries"] = static_cast<double>(count);
    Report(state);
}

void CopyFloor(benchmark::State& state) {
    const std::string copy = host.folder + "floor_copy.log";
    std::vector<char> buffer(original.size());
    for (auto _ : state) {
        std::FILE* from = std::fopen(LogPath().c_str(), "rb");
        std::FILE* to = std::fopen(copy.c_str(), "wb");
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), from);
        std::fwrite(buffer.data(), 1, got, to);
        std::fclose(from);
        Files().FlushToDisk(to);
        std::fclose(to);
    }
    Report(state);
}

void DeleteMiddle(benchmark::State& state) {
    const RecordRef& middle = records[records.size() / 2];
    for (auto _ : state) {
        if (DeleteRecords(host, std::span(&middle, 1)) != EditResult::Done) state.SkipWithError("nothing deleted");
        Restore(state);
    }
    Report(state);
}

void StoreNewMonth(benchmark::State& state) {
    for (auto _ : state) {
        if (!StoreMonthRecord(host, kFirstYear + years + 1, 0, 100, 1).value) state.SkipWithError("nothing stored");
        Restore(state);
    }
    Report(state);
}

void AppendFloor(benchmark::State& state) {
    const std::string path = host.folder + "floor_append.log";
    const auto bytes = EncodeRecord(LogRecord::Of(LogRecordType::WorkEnd, 1700000000));
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "ab");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        Files().FlushToDisk(file);
        std::fclose(file);
    }
}

void Append(benchmark::State& state) {
    for (auto _ : state)
        if (AppendRecord(host, LogRecord::Of(LogRecordType::WorkEnd, 1700000000))) state.SkipWithError("not appended");
    WriteLog(original);
}

BENCHMARK(ReadFloor)->ArgName("cold")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(ReadMonth)->ArgName("cold")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(ReadMonthRecordByRecord)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(CopyFloor)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(DeleteMiddle)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(StoreNewMonth)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(AppendFloor)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(Append)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace horalo::bench
