// The backups command: the logs and special days that rewrites kept.
#include <ctime>
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/cli_context.h"
#include "core/calendar/local_time.h"
#include "core/calendar_days/calendar_entry_file.h"
#include "core/io/backups.h"
#include "core/timelog/log_backups.h"

namespace horalo::cli {
namespace {

std::string LocalText(TimeValue time, const char* format) {
    std::tm local{};
    char text[32] = "";
    if (ToLocalTime(time, local)) std::strftime(text, sizeof text, format, &local);
    return text;
}

}  // namespace

int RunBackups(CommandContext& context) {
    if (!context.args.empty()) {
        context.err << "horalo-cli: backups takes no arguments\n";
        return kExitUsage;
    }
    const bool json = context.format == OutputFormat::Json, csv = context.format == OutputFormat::Csv;
    std::ostream& out = context.out;
    if (json) out << "[";
    if (csv) out << "file,date,size,records,last_day\n";
    if (context.format == OutputFormat::Table)
        out << "File                                Date                     Size  Records  Last day\n";
    int exit = kExitOk;
    bool firstElement = true;
    for (const char* kind : {kLogFileName, kSpecialFileName}) {
        for (const BackupFile& backup : ListBackups(context.host.ProgramFolder() + kind)) {
            std::string records = "?", lastDay;
            if (std::string(kind) == kLogFileName) {
                if (const std::optional<LogSummary> summary = SummariseLogFile(backup.path)) {
                    records = std::to_string(summary->records);
                    if (summary->lastTime) lastDay = LocalText(*summary->lastTime, "%Y-%m-%d");
                }
            } else if (SpecialEntryList days; ReadSpecialFile(backup.path, days) == kSpecialFileOk) {
                records = std::to_string(days.size());
            }
            if (records == "?") {
                context.err << "horalo-cli: " << backup.path << ": cannot be read or is damaged\n";
                exit = kExitProblems;
            }
            const std::string date = LocalText(backup.time, "%Y-%m-%d %H:%M:%S");
            const std::string size = std::to_string(backup.size);
            if (json) {
                out << (firstElement ? "\n{" : ",\n{") << "\"file\":" << JsonString(backup.name)
                    << ",\"date\":" << JsonString(date) << ",\"size\":" << size
                    << ",\"records\":" << (records == "?" ? "null" : records)
                    << ",\"last_day\":" << (lastDay.empty() ? "null" : JsonString(lastDay)) << '}';
            } else if (csv) {
                out << CsvLine({backup.name, date, size, records == "?" ? "" : records, lastDay}) << '\n';
            } else {
                char line[160];
                std::snprintf(line, sizeof line, "%-35s %s %9s %8s", backup.name.c_str(), date.c_str(), size.c_str(),
                              records.c_str());
                out << line << (lastDay.empty() ? "" : "  " + lastDay) << '\n';
            }
            firstElement = false;
        }
    }
    if (json) out << "]\n";
    return exit;
}

}  // namespace horalo::cli
