#include "cli/cli_commands.h"

#include <cstdio>
#include <ctime>
#include <map>
#include <ostream>

#include "cli/cli_context.h"
#include "cli/cli_settings.h"
#include "core/calendar/local_time.h"
#include "core/calendar_days/calendar_entry_file.h"
#include "core/timelog/log_rewrite.h"

namespace horalo::cli {
namespace {

struct Command {
    const char* name;
    int (*run)(CommandContext&);
    bool needsSpecialDays;
    const char* help;
};

const char kCommonHelp[] =
    "Options for every command:\n"
    "  --folder DIR      the Horalo program folder (default: the current folder)\n"
    "  --settings FILE   the settings record (180 bytes); else the value SETTINGS of\n"
    "                    the Wine prefix's user.reg ($WINEPREFIX or ~/.wine), else the defaults\n"
    "  --work H:MM --break H:MM --max H:MM   override the daily work, break and maximum\n"
    "  --codepage 1252|28591|utf8   the ANSI code page of the notes and names (default:\n"
    "                    1252, Windows-1252); every output is UTF-8\n"
    "Exit codes: 0 fine, 1 problems found, 2 usage or file error.\n";

const Command kCommands[] = {
    {"month", RunMonth, true,
     "horalo-cli month [YYYY-MM] [--format table|csv|json]\n"
     "The month's evaluation (default: the current month): per day start, end,\n"
     "presence, breaks, surplus, deficit, running balance, marks and note; then the\n"
     "totals, the carried balance, the hours deducted and the final balance.\n"
     "Exit 1 when the month's records are out of order (the evaluation stops there),\n"
     "or when a damaged record hides the records behind it (as check tells it).\n"},
    {"rows", RunRows, true,
     "horalo-cli rows [YYYY-MM] [--format table|json]\n"
     "The time log's rows of the month as the time-log window shows them: kind,\n"
     "flag, problem code, the six texts and the record's byte position. Exit 1 when\n"
     "a damaged record hides the records behind it (as check tells it).\n"},
    {"check", RunCheck, true,
     "horalo-cli check\n"
     "Walks every month of the log with the time log's order checks and the month\n"
     "evaluation, lists each problem (month, day, code, explanation) and reports bytes\n"
     "at the end of the log that form no record. Exit 1 when there is any problem.\n"},
    {"export", RunExport, false,
     "horalo-cli export [--from YYYY-MM] [--to YYYY-MM] [--format csv|json]\n"
     "Every record whose local time lies in the months from..to (default: all), with\n"
     "its byte position, type name and local times in ISO 8601. Default format: csv.\n"
     "Records without a local time (of a type of a later version) come only with\n"
     "the whole log, their time empty (CSV) or null (JSON).\n"},
    {"holidays", RunHolidays, true,
     "horalo-cli holidays YEAR [--format table|csv|json]\n"
     "The special days of horalo.spc with their dates in that year.\n"},
    {"year", RunYear, true,
     "horalo-cli year YYYY [--format table|csv|json]\n"
     "The flextime account of the year, a line per month: presence, surplus, deficit,\n"
     "carried balance, hours deducted, final balance, and whether the next month's\n"
     "carried balance is this month's final balance. Exit 1 when a month's records\n"
     "are out of order, or a damaged record hides the records behind it.\n"},
    {"backups", RunBackups, false,
     "horalo-cli backups [--format table|csv|json]\n"
     "The logs and special days that changes kept in the folder backups, newest first:\n"
     "file name, when it was kept, size in bytes, number of records (special days:\n"
     "entries) and the day of the log's last record. Exit 1 when one cannot be read.\n"},
};

void PrintUsage(std::ostream& out) {
    out << "Usage: horalo-cli COMMAND [ARGUMENTS] [OPTIONS]\n"
           "Reads a Horalo program folder and never writes to it.\n\nCommands:\n";
    for (const Command& command : kCommands) {
        const std::string help = command.help;
        out << "  " << help.substr(0, help.find('\n')).substr(11) << '\n';
    }
    out << "\nhoralo-cli COMMAND --help tells more.\n\n" << kCommonHelp;
}

struct Parsed {
    std::string command;
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    bool help = false;
    std::string error;
};

Parsed ParseArguments(const std::vector<std::string>& args) {
    static const char* const kValued[] = {"--folder", "--settings", "--work", "--break", "--max",
                                          "--format", "--from", "--to", "--codepage"};
    Parsed parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
            continue;
        }
        if (arg.rfind("--", 0) == 0) {
            std::string value;
            bool hasValue = false;
            if (const auto equals = arg.find('='); equals != std::string::npos) {
                value = arg.substr(equals + 1);
                arg.resize(equals);
                hasValue = true;
            }
            bool known = false;
            for (const char* name : kValued) known = known || arg == name;
            if (!known) {
                parsed.error = "unknown option " + arg;
                return parsed;
            }
            if (!hasValue) {
                if (i + 1 >= args.size()) {
                    parsed.error = arg + " wants a value";
                    return parsed;
                }
                value = args[++i];
            }
            parsed.options[arg] = value;
        } else if (parsed.command.empty()) {
            parsed.command = arg;
        } else {
            parsed.positional.push_back(arg);
        }
    }
    return parsed;
}

std::optional<std::string> Option(const Parsed& parsed, const char* name) {
    const auto found = parsed.options.find(name);
    if (found == parsed.options.end()) return std::nullopt;
    return found->second;
}

}  // namespace

void CommandContext::Report(const Outcome& outcome, const std::string& subject) {
    if (!outcome) return;
    std::string line = outcome->text.empty() ? host.LoadText(outcome->textId) : outcome->text;
    for (char& c : line)
        if (c == '\n') c = ' ';
    err << "horalo-cli: " << subject << ": " << line << '\n';
}

// The core's message names no file; the tool's own says which and why.
std::optional<LogImage> LoadWholeLog(CommandContext& context) {
    std::optional<LogImage> image = LoadLog(context.host).value;
    if (!image) {
        context.err << "horalo-cli: " << context.LogPath()
                    << ": cannot be opened or read (a time log is a file of at most " << (kLargestLogSize >> 20)
                    << " MiB)\n";
    }
    return image;
}

bool ReportCutEnd(CommandContext& context, LogBytes log) {
    const std::optional<std::size_t> cut = CutRecordStart(log);
    if (!cut) return false;
    context.err << "horalo-cli: " << context.LogPath() << ": byte " << *cut << ": the last " << log.size() - *cut
                << " bytes form no complete record\n";
    return true;
}

bool ParseYear(const std::string& text, int& year) {
    if (text.size() != 4) return false;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    // The log's times are unsigned 32-bit seconds since 1970: up to 2106.
    if (value < 1970 || value > 2106) return false;
    year = value;
    return true;
}

bool ParseMonth(const std::string& text, int& year, int& month) {
    if (text.size() != 7 || text[4] != '-' || !ParseYear(text.substr(0, 4), year)) return false;
    const char tens = text[5], ones = text[6];
    if (tens < '0' || tens > '1' || ones < '0' || ones > '9') return false;
    const int value = (tens - '0') * 10 + (ones - '0');
    if (value < 1 || value > 12) return false;
    month = value - 1;
    return true;
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[month] + (month == 1 && leap ? 1 : 0);
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Parsed parsed = ParseArguments(args);
    if (!parsed.error.empty()) {
        err << "horalo-cli: " << parsed.error << "\n";
        return kExitUsage;
    }
    if (parsed.command.empty() || parsed.command == "help") {
        PrintUsage(parsed.command.empty() && !parsed.help ? err : out);
        return parsed.command.empty() && !parsed.help ? kExitUsage : kExitOk;
    }
    const Command* command = nullptr;
    for (const Command& candidate : kCommands)
        if (parsed.command == candidate.name) command = &candidate;
    if (!command) {
        err << "horalo-cli: unknown command " << parsed.command << " (horalo-cli --help lists them)\n";
        return kExitUsage;
    }
    if (parsed.help) {
        out << command->help << '\n' << kCommonHelp;
        return kExitOk;
    }

    OutputFormat format = OutputFormat::Table;
    if (const auto text = Option(parsed, "--format")) {
        if (*text == "csv") format = OutputFormat::Csv;
        else if (*text == "json") format = OutputFormat::Json;
        else if (*text != "table") {
            err << "horalo-cli: --format is table, csv or json, not \"" << *text << "\"\n";
            return kExitUsage;
        }
    }

    const std::optional<CodePage> codePage = ParseCodePage(Option(parsed, "--codepage").value_or("1252"));
    if (!codePage) {
        err << "horalo-cli: --codepage is 1252, 28591 or utf8, not \"" << *Option(parsed, "--codepage") << "\"\n";
        return kExitUsage;
    }

    SettingsSource source;
    source.file = Option(parsed, "--settings");
    if (!source.file) source.wineRegistry = DefaultWineRegistry();
    source.work = Option(parsed, "--work");
    source.breakTime = Option(parsed, "--break");
    source.maximum = Option(parsed, "--max");
    const SettingsResult settings = LoadSettings(source);
    if (!settings.settings) {
        err << "horalo-cli: " << settings.error << '\n';
        return kExitUsage;
    }

    CliHost host(Option(parsed, "--folder").value_or("."));
    SpecialEntryList specialDays;
    if (command->needsSpecialDays && LoadSpecialEntries(host, specialDays)) {
        err << "horalo-cli: " << host.ProgramFolder() << kSpecialFileName << ": cannot be read or is damaged\n";
        return kExitUsage;
    }
    CommandContext context{host, *settings.settings, specialDays, format, *codePage, out, err, parsed.positional,
                           Option(parsed, "--from"), Option(parsed, "--to")};
    return command->run(context);
}

}  // namespace horalo::cli
