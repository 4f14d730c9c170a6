#pragma once
// What the native benchmarks share: a generated log of decades in a
// temporary program folder, the host that serves it, and the helpers every
// measurement uses. bench_log.cpp holds main, which writes the log once
// before any benchmark runs.
//   horalo_benchmarks [--horalo_years=N] [Google Benchmark options]
#include <benchmark/benchmark.h>

#include <map>
#include <utility>
#include <string>
#include <vector>

#include "core/host.h"
#include "core/timelog/log_record.h"
#include "core/timelog/record_ref.h"

namespace horalo::bench {

inline constexpr int kFirstYear = 1995;
extern int years;  // --horalo_years=N, 30 unless told

class BenchHost : public Host {
public:
    std::string folder;
    std::map<unsigned, std::string> texts;
    int messages = 0;  // the failures the program would have told the user of
    std::string ProgramFolder() override { return folder; }
    std::string LoadText(unsigned id) override {
        const auto found = texts.find(id);
        return found == texts.end() ? std::string() : found->second;
    }
};

extern BenchHost host;

// The log opened for reading as the program opens it; a failure is counted
// as the message the program would show.
inline LogFile OpenLogToRead() {
    auto [log, outcome] = OpenLogFile(host, "rb");
    if (outcome) ++host.messages;
    return std::move(log);
}
extern std::string original;                 // the generated log
extern std::vector<RecordRef> records;  // each of its records, by place and bytes

std::string LogPath();
void WriteLog(const std::string& bytes);

// Writes the original log again, outside the timing.
void Restore(benchmark::State& state);
// Bytes per second of the whole log, and an error when a message was shown.
void Report(benchmark::State& state);
// With argument 1 (cold), drops the log from the system's cache, as after
// a restart.
void DropFromCache(benchmark::State& state);

}  // namespace horalo::bench
