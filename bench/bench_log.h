#pragma once
// What the native benchmarks share: a generated log of decades in a
// temporary program folder, the host that serves it, and the helpers every
// measurement uses. bench_log.cpp holds main, which writes the log once
// before any benchmark runs.
//   horalo_benchmarks [--horalo_years=N] [Google Benchmark options]
#include <benchmark/benchmark.h>

#include <map>
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
    int messages = 0;
    std::string ProgramFolder() override { return folder; }
    int ShowText(unsigned, const std::string&, unsigned) override { return ++messages, 1; }
    std::string LoadText(unsigned id) override {
        const auto found = texts.find(id);
        return found == texts.end() ? std::string() : found->second;
    }
};

extern BenchHost host;
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
