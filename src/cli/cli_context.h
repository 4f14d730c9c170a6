#pragma once
// What every command gets: the folder's host, the settings, the special
// days, the output format and the two streams; and the reads of the log
// that the commands share.
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_format.h"
#include "cli/cli_host.h"
#include "core/outcome.h"
#include "core/calendar_days/calendar_entry.h"
#include "core/settings/settings_record.h"
#include "core/timelog/day_entries.h"
#include "core/timelog/log_image.h"
#include "core/timelog/month_records.h"

namespace horalo::cli {

struct CommandContext {
    CliHost& host;
    const SettingsRecord& settings;
    const SpecialEntryList& specialDays;
    OutputFormat format;
    CodePage codePage;
    std::ostream& out;
    std::ostream& err;
    std::vector<std::string> args;  // behind the command's name
    std::optional<std::string> from, to;

    std::string LogPath() const { return host.ProgramFolder() + kLogFileName; }
    // A note or name of the program's files as the output's UTF-8.
    std::string Text(std::string_view ansi) const { return ToUtf8(ansi, codePage); }
    // Tells a message of the core on the error stream, after "subject: ",
    // in the words a window would show, on one line.
    void Report(const Outcome& outcome, const std::string& subject);
};

// The whole log, read once by every command that needs it; none after an
// error on `err` naming the file.
std::optional<LogImage> LoadWholeLog(CommandContext& context);

// Where the log ends in bytes that form no record (a damaged record hides
// every record behind it): a warning on `err` naming the file and the byte;
// true when there are such bytes.
bool ReportCutEnd(CommandContext& context, LogBytes log);

// "YYYY-MM" (month 0 to 11), and "YYYY"; none for anything else.
bool ParseMonth(const std::string& text, int& year, int& month);
bool ParseYear(const std::string& text, int& year);

int DaysInMonth(int year, int month);

int RunMonth(CommandContext& context);
int RunRows(CommandContext& context);
int RunYear(CommandContext& context);
int RunCheck(CommandContext& context);
int RunExport(CommandContext& context);
int RunHolidays(CommandContext& context);
int RunBackups(CommandContext& context);

}  // namespace horalo::cli
