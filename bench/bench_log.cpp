#include "bench_log.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <unistd.h>

#include "core/calendar/local_time.h"
#include "core/io/file_layer.h"
#include "core/timelog/time_log.h"
#include "posix/posix_file_layer.h"

namespace horalo::bench {

int years = 30;
BenchHost host;
std::string original;
std::vector<RecordRef> records;

std::string LogPath() { return host.folder + kLogFileName; }

void WriteLog(const std::string& bytes) { std::ofstream(LogPath(), std::ios::binary | std::ios::trunc) << bytes; }

namespace {

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
    LogFile log = OpenLogToRead();
    while (auto stored = ReadRecord(log.get())) records.push_back(RecordRef::Of(stored->position, stored->record));
}

}  // namespace

void Restore(benchmark::State& state) {
    state.PauseTiming();
    WriteLog(original);
    state.ResumeTiming();
}

void Report(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(original.size()));
    if (host.messages != 0) state.SkipWithError("a message was shown");
}

void DropFromCache(benchmark::State& state) {
    if (state.range(0) == 0) return;
    state.PauseTiming();
    const int file = ::open(LogPath().c_str(), O_RDONLY);
    ::posix_fadvise(file, 0, 0, POSIX_FADV_DONTNEED);
    ::close(file);
    state.ResumeTiming();
}

}  // namespace horalo::bench

int main(int argc, char** argv) {
    using namespace horalo::bench;
    // Our own option first; Google Benchmark rejects what it does not know.
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--horalo_years=", 15) == 0)
            years = std::atoi(argv[i] + 15);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    // ctest gives TZ; by hand the figures in docs/performance.md are made in
    // the same zone unless TZ says otherwise.
    setenv("TZ", "Europe/Berlin", 0);
    tzset();
    // The rewrites are measured with their flush to the disk, as they run.
    horalo::posix::PosixFileLayer files;
    const horalo::ScopedFileLayer filesInstalled(files);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Prepare();
    benchmark::AddCustomContext("log bytes", std::to_string(original.size()));
    benchmark::AddCustomContext("log years", std::to_string(years));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(std::filesystem::path(host.folder));
    return 0;
}
