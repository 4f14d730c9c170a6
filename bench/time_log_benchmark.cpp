// The time-log operations on a log of decades, each beside its floor: a
// plain read of the same file for the reads, a plain copy of it flushed to
// the disk for the rewrites, a plain append flushed to the disk for appends.
//   horalo_benchmarks [--horalo_years=N] [Google Benchmark options]
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "core/io/file_layer.h"
#include "core/calendar/local_time.h"
#include "core/timelog/time_log.h"

namespace horalo {
namespace {

int years = 30;
constexpr int kFirstYear = 1995;

class BenchHost : public Host {
public:
    std::string folder;
    int messages = 0;
    std::string ProgramFolder() override { return folder; }
    int ShowText(unsigned, const std::string&, unsigned) override { return ++messages, 1; }
    std::string LoadText(unsigned) override { return {}; }
};

BenchHost host;
std::string original;  // the generated log
RecordPosition middle = 0;

std::string LogPath() { return host.folder + kLogFileName; }

void WriteLog(const std::string& bytes) { std::ofstream(LogPath(), std::ios::binary | std::ios::trunc) << bytes; }

// Month records of every month at the head, then ten records for every
// working day: start, end, three breaks and five notes.
std::string GenerateLog() {
    std::vector<LogRecord> records;
    for (int year = kFirstYear; year < kFirstYear + years; ++year)
        for (int month = 0; month < 12; ++month) records.push_back(LogRecord::Month(MonthKey(year, month), 2, 130));
    for (int year = kFirstYear; year < kFirstYear + years; ++year) {
        for (int month = 0; month < 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const auto start = static_cast<TimeValue>(MakeLocalTime(year, month, day, 8, 0, 0, DaylightSaving::FromCalendar));
                std::tm check{};
                const std::time_t t = start;
                check = *std::localtime(&t);
                if (check.tm_mon != month || check.tm_wday == 0 || check.tm_wday == 6) continue;
                records.push_back(LogRecord::Of(LogRecordType::WorkStart, start));
                for (int i = 0; i < 3; ++i) {
                    records.push_back(LogRecord::Note(start + 3600 * (i + 1), "project meeting"));
                    records.push_back(LogRecord::Break(start + 3600 * (i + 2), start + 3600 * (i + 2) + 900));
                }
                records.push_back(LogRecord::Note(start + 7 * 3600, "review"));
                records.push_back(LogRecord::Note(start + 8 * 3600, "plan"));
                records.push_back(LogRecord::Of(LogRecordType::WorkEnd, start + 9 * 3600));
            }
        }
    }
    std::string bytes;
    for (const auto& record : records) {
        const auto encoded = EncodeRecord(record);
        bytes.append(encoded.begin(), encoded.end());
    }
    return bytes;
}

void Prepare() {
    const auto folder = std::filesystem::temp_directory_path() / ("horalo_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    host.folder = folder.string() + "/";
    original = GenerateLog();
    WriteLog(original);
    std::vector<RecordPosition> positions;
    LogFile log = OpenLogFile(host, "rb");
    while (auto stored = ReadRecord(log.get())) positions.push_back(stored->position);
    middle = positions[positions.size() / 2];
}

void Restore(benchmark::State& state) {
    state.PauseTiming();
    WriteLog(original);
    state.ResumeTiming();
}

void Report(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(original.size()));
    if (host.messages != 0) state.SkipWithError("a message was shown");
}

// Cold runs first drop the log from the system's cache, as after a restart.
void DropFromCache(benchmark::State& state) {
    if (state.range(0) == 0) return;
    state.PauseTiming();
    const int file = ::open(LogPath().c_str(), O_RDONLY);
    ::posix_fadvise(file, 0, 0, POSIX_FADV_DONTNEED);
    ::close(file);
    state.ResumeTiming();
}

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
        LogFile log = OpenLogFile(host, "rb");
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
        LogFile log = OpenLogFile(host, "rb");
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
    for (auto _ : state) {
        if (!DeleteRecordAt(host, middle)) state.SkipWithError("nothing deleted");
        Restore(state);
    }
    Report(state);
}

void StoreNewMonth(benchmark::State& state) {
    for (auto _ : state) {
        if (!StoreMonthRecord(host, kFirstYear + years + 1, 0, 100, 1)) state.SkipWithError("nothing stored");
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
        if (!AppendRecord(host, LogRecord::Of(LogRecordType::WorkEnd, 1700000000))) state.SkipWithError("not appended");
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
}  // namespace horalo

int main(int argc, char** argv) {
    // Our own option first; Google Benchmark rejects what it does not know.
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--horalo_years=", 15) == 0)
            horalo::years = std::atoi(argv[i] + 15);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    // ctest gives TZ; by hand the figures in docs/performance.md are made in
    // the same zone unless TZ says otherwise.
    setenv("TZ", "Europe/Berlin", 0);
    tzset();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    horalo::Prepare();
    benchmark::AddCustomContext("log bytes", std::to_string(horalo::original.size()));
    benchmark::AddCustomContext("log years", std::to_string(horalo::years));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(std::filesystem::path(horalo::host.folder));
    return 0;
}
