// horalo-cli's two walks of the whole log, beside ReadFloor (the log read
// once) in the same run: check of every month with the browser's order
// checks and the evaluation, and the export of every record as CSV and JSON.
// The output goes into a string stream, so the terminal is not measured.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "bench_log.h"
#include "cli/cli_commands.h"
#include "core/calendar_days/calendar_entry_file.h"

namespace horalo::bench {
namespace {

bool CopySpecialDays() {
    std::error_code error;
    std::filesystem::copy_file(HORALO_SPECIAL_DAYS_FILE, host.folder + kSpecialFileName,
                               std::filesystem::copy_options::overwrite_existing, error);
    return !error;
}

void RunCommand(benchmark::State& state, std::vector<std::string> args) {
    if (!CopySpecialDays()) return state.SkipWithError("no default special days");
    args.insert(args.end(), {"--folder", host.folder, "--work", "7:00", "--break", "0:45"});
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out, err;
        const int code = cli::RunCli(args, out, err);
        bytes = out.str().size();
        if (code == cli::kExitUsage) state.SkipWithError(("exit " + std::to_string(code) + ": " + err.str()).c_str());
    }
    state.counters["output bytes"] = static_cast<double>(bytes);
    Report(state);
}

// Problems found (exit 1) are the check's result; only an error spoils it.
void CliCheckAll(benchmark::State& state) { RunCommand(state, {"check"}); }
void CliExportCsv(benchmark::State& state) { RunCommand(state, {"export", "--format", "csv"}); }
void CliExportJson(benchmark::State& state) { RunCommand(state, {"export", "--format", "json"}); }

BENCHMARK(CliCheckAll)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CliExportCsv)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CliExportJson)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace horalo::bench
