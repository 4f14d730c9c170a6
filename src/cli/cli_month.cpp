// The commands that show one month or one year: month, rows, year.
#include <ctime>
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/cli_context.h"
#include "cli/cli_texts.h"
#include "core/browser/month_rows.h"
#include "core/calendar/local_time.h"
#include "core/calendar/year_info.h"
#include "core/evaluation/loaded_month.h"
#include "core/evaluation/year_account.h"
#include "core/sheet/time_sheet.h"
#include "core/text/string_list.h"
#include "resource_ids.h"

namespace horalo::cli {
namespace {

// The month named by the first argument, or the present one.
bool MonthArgument(CommandContext& context, int& year, int& month) {
    if (context.args.size() > 1) {
        context.err << "horalo-cli: one month at most\n";
        return false;
    }
    if (context.args.empty()) {
        std::tm local{};
        if (!ToLocalTime(Now(), local)) return false;
        year = local.tm_year + 1900;
        month = local.tm_mon;
        return true;
    }
    if (ParseMonth(context.args[0], year, month)) return true;
    context.err << "horalo-cli: a month is YYYY-MM, not \"" << context.args[0] << "\"\n";
    return false;
}

// Seconds as a JSON number.
std::string Seconds(std::int64_t seconds) { return std::to_string(seconds); }

std::string DayMarks(const DayEvaluation& day) {
    if (day.absence) return "absence";
    if (day.compensation) return "compensation";
    return {};
}

struct EvaluatedMonth {
    TimeSheet sheet;
    bool complete = false;
    std::int64_t presence = 0;
};

// The month as the time sheet evaluates it, with the month record's inputs.
// With `warn`, a day above the daily maximum is told on the error stream,
// as the sheet tells it in a box.
EvaluatedMonth EvaluateShownMonth(CommandContext& context, LogBytes log, int year, int month,
                                  const MonthRecordList& records, bool warn) {
    LoadedMonth loaded = MonthOfLog(context.host, log, records, year, month, context.settings, context.specialDays);
    EvaluatedMonth result;
    TimeSheet& sheet = result.sheet;
    sheet.year = year;
    sheet.month = month;
    sheet.carriedBalance = loaded.carriedBalance;
    sheet.hoursDeducted = loaded.hoursDeducted;
    sheet.settings = &context.settings;
    sheet.evaluation = std::move(loaded.evaluation);
    result.complete = loaded.complete;
    if (warn) context.Report(loaded.maximumNotice, MonthText(year, month));
    for (const DayEvaluation& day : sheet.evaluation.days) result.presence += day.presence;
    return result;
}

std::string DayDate(int year, int month, int day) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month + 1, day);
    return text;
}

}  // namespace

int RunMonth(CommandContext& context) {
    int year = 0, month = 0;
    if (!MonthArgument(context, year, month)) return kExitUsage;
    const std::optional<LogImage> image = LoadWholeLog(context);
    if (!image) return kExitUsage;
    const bool cut = ReportCutEnd(context, *image);
    const StringList weekdays = SplitStringResource(context.host, IDS_WEEKDAY_NAMES);
    const EvaluatedMonth evaluated =
        EvaluateShownMonth(context, *image, year, month, MonthRecordsOf(*image), true);
    const TimeSheet& sheet = evaluated.sheet;
    const MonthEvaluation& ev = sheet.evaluation;
    const std::int64_t final = MonthFinalBalance(sheet);
    const int days = DaysInMonth(year, month);
    std::ostream& out = context.out;

    const auto clock = [](const DayEvaluation&, bool has, TimeValue time) {
        return has ? LocalClock(time) : std::string();
    };
    if (context.format == OutputFormat::Json) {
        out << "{\"month\":" << JsonString(MonthText(year, month)) << ",\"complete\":"
            << (evaluated.complete ? "true" : "false") << ",\"days\":[";
        for (int d = 0; d < days; ++d) {
            const DayEvaluation& day = ev.days[static_cast<std::size_t>(d)];
            out << (d ? "," : "") << "\n{\"date\":" << JsonString(DayDate(year, month, d + 1)) << ",\"start\":"
                << (day.hasStart && !day.compensation ? JsonString(IsoLocalTime(day.start)) : "null")
                << ",\"end\":" << (day.hasEnd ? JsonString(IsoLocalTime(day.end)) : "null")
                << ",\"presence\":" << day.presence << ",\"breaks\":" << day.breaks << ",\"surplus\":" << day.surplus
                << ",\"deficit\":" << day.deficit << ",\"balance\":" << day.balance
                << ",\"marks\":" << JsonString(DayMarks(day))
                << ",\"note\":" << (day.note ? JsonString(context.Text(*day.note)) : "null") << "}";
        }
        out << "],\n\"presence\":" << evaluated.presence << ",\"surplus\":" << ev.surplusTotal
            << ",\"deficit\":" << ev.deficitTotal << ",\"carriedBalance\":" << CarriedSeconds(sheet.carriedBalance)
            << ",\"hoursDeducted\":" << sheet.hoursDeducted << ",\"finalBalance\":" << Seconds(final) << "}\n";
    } else if (context.format == OutputFormat::Csv) {
        out << "date,start,end,presence,breaks,surplus,deficit,balance,marks,note\n";
        for (int d = 0; d < days; ++d) {
            const DayEvaluation& day = ev.days[static_cast<std::size_t>(d)];
            out << CsvLine({DayDate(year, month, d + 1), clock(day, day.hasStart && !day.compensation, day.start),
                            clock(day, day.hasEnd, day.end), Duration(day.presence), Duration(day.breaks),
                            Duration(day.surplus), Duration(day.deficit), Duration(day.balance), DayMarks(day),
                            context.Text(day.note.value_or(""))})
                << '\n';
        }
    } else {
        const StringList months = SplitStringResource(context.host, IDS_MONTH_NAMES);
        out << (static_cast<std::size_t>(month) < months.size() ? months[static_cast<std::size_t>(month)] : "") << ' '
            << year << '\n';
        char line[256];
        std::snprintf(line, sizeof line, "%-14s %-5s %-5s %8s %7s %8s %8s %8s  %s\n", "Day", "Start", "End",
                      "Presence", "Breaks", "Surplus", "Deficit", "Balance", "Note");
        out << line;
        const std::string absent = context.host.LoadText(IDS_ABSENCE_MARK);
        const std::string compensated = context.host.LoadText(IDS_COMPENSATION_MARK);
        for (int d = 0; d < days; ++d) {
            const DayEvaluation& day = ev.days[static_cast<std::size_t>(d)];
            const YearInfo info = MakeYearInfo(year);
            // 1 January's weekday (0 Monday) and the day of year give the weekday.
            static const int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
            const int dayOfYear = kBefore[month] + (month > 1 ? info.leap : 0) + d;
            const int weekday = (info.firstWeekday + dayOfYear + 1) % 7;  // Sunday first
            const std::string name = static_cast<std::size_t>(weekday) < weekdays.size()
                                         ? weekdays[static_cast<std::size_t>(weekday)].substr(0, 3)
                                         : std::string();
            std::string note = day.absence ? absent : day.compensation ? compensated : std::string();
            if (day.note) note += (note.empty() ? "" : "; ") + context.Text(*day.note);
            const bool worked = day.hasStart || day.hasEnd;
            std::snprintf(line, sizeof line, "%-3s %02d.%02d.%04d %-5s %-5s %8s %7s %8s %8s %8s  %s\n", name.c_str(),
                          d + 1, month + 1, year, clock(day, day.hasStart && !day.compensation, day.start).c_str(),
                          clock(day, day.hasEnd, day.end).c_str(), worked ? Duration(day.presence).c_str() : "",
                          worked ? Duration(day.breaks).c_str() : "", worked ? Duration(day.surplus).c_str() : "",
                          worked ? Duration(day.deficit).c_str() : "", worked ? Duration(day.balance).c_str() : "",
                          note.c_str());
            out << line;
        }
        const std::pair<const char*, std::string> totals[] = {
            {"Presence", Duration(evaluated.presence)},
            {"Surplus", Duration(ev.surplusTotal)},
            {"Deficit", Duration(ev.deficitTotal)},
            {"Carried balance", Duration(CarriedSeconds(sheet.carriedBalance))},
            {"Hours deducted", std::to_string(sheet.hoursDeducted)},
            {"Final balance", Duration(final)},
        };
        for (const auto& [label, value] : totals) {
            std::snprintf(line, sizeof line, "%-16s %8s\n", label, value.c_str());
            out << line;
        }
    }
    if (!evaluated.complete) {
        std::string text = context.host.LoadText(IDS_SHEET_ORDER_PROBLEM);
        context.err << "horalo-cli: " << MonthText(year, month) << ": " << text.substr(0, text.find('\n')) << '\n';
    }
    return cut || !evaluated.complete ? kExitProblems : kExitOk;
}

int RunRows(CommandContext& context) {
    int year = 0, month = 0;
    if (!MonthArgument(context, year, month)) return kExitUsage;
    const std::optional<LogImage> image = LoadWholeLog(context);
    if (!image) return kExitUsage;
    const bool cut = ReportCutEnd(context, *image);
    std::vector<MonthRow> rows = BuildMonthRows(DayEntriesOf(*image, year, month), MakeYearInfo(year),
                                                context.specialDays, context.settings,
                                                RowStrings::Load(context.host), Now());
    for (MonthRow& row : rows)
        for (std::string& text : row.texts) text = context.Text(text);
    std::ostream& out = context.out;
    if (context.format == OutputFormat::Json) {
        out << "[";
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const MonthRow& row = rows[r];
            out << (r ? "," : "") << "\n{\"kind\":" << static_cast<int>(row.kind)
                << ",\"flagged\":" << (row.flagged ? "true" : "false") << ",\"problem\":" << row.problem
                << ",\"texts\":[";
            for (std::size_t t = 0; t < row.texts.size(); ++t) out << (t ? "," : "") << JsonString(row.texts[t]);
            out << "],\"position\":" << row.position << "}";
        }
        out << "]\n";
    } else if (context.format == OutputFormat::Csv) {
        out << "kind,flagged,problem,weekday,date,time,duration,balance,text,position\n";
        for (const MonthRow& row : rows) {
            std::vector<std::string> fields{std::to_string(static_cast<int>(row.kind)), row.flagged ? "1" : "0",
                                            std::to_string(row.problem)};
            fields.insert(fields.end(), row.texts.begin(), row.texts.end());
            fields.push_back(std::to_string(row.position));
            out << CsvLine(fields) << '\n';
        }
    } else {
        char line[512];
        for (const MonthRow& row : rows) {
            std::snprintf(line, sizeof line, "%c %-10s %-10s %-8s %-10s %-10s %s\n", row.flagged ? '!' : ' ',
                          row.texts[0].c_str(), row.texts[1].c_str(), row.texts[2].c_str(), row.texts[3].c_str(),
                          row.texts[4].c_str(), row.texts[5].c_str());
            out << line;
        }
    }
    return cut ? kExitProblems : kExitOk;
}

int RunYear(CommandContext& context) {
    int year = 0;
    if (context.args.size() != 1 || !ParseYear(context.args[0], year)) {
        context.err << "horalo-cli: year wants a year YYYY\n";
        return kExitUsage;
    }
    const std::optional<LogImage> image = LoadWholeLog(context);
    if (!image) return kExitUsage;
    const MonthRecordList records = MonthRecordsOf(*image);
    std::ostream& out = context.out;
    bool problems = ReportCutEnd(context, *image);
    char line[256];
    if (context.format == OutputFormat::Json) out << "[";
    if (context.format == OutputFormat::Csv)
        out << "month,complete,presence,surplus,deficit,carried_balance,hours_deducted,final_balance,"
               "next_carried_balance,carried_matches\n";
    if (context.format == OutputFormat::Table) {
        std::snprintf(line, sizeof line, "%-7s %9s %8s %8s %8s %8s %8s %10s  %s\n", "Month", "Presence", "Surplus",
                      "Deficit", "Carried", "Deducted", "Final", "Next", "Carried over");
        out << line;
    }
    const YearAccount account = YearOfLog(context.host, *image, records, year, context.settings, context.specialDays);
    for (const MonthAccount& row : account.months) {
        const int month = row.month;
        const std::int32_t final = row.finalBalance;
        const std::int32_t next = row.nextCarriedBalance;
        const bool matches = row.carriedOver;
        problems = problems || !row.complete;
        if (context.format == OutputFormat::Json) {
            out << (month ? "," : "") << "\n{\"month\":" << JsonString(MonthText(year, month))
                << ",\"complete\":" << (row.complete ? "true" : "false")
                << ",\"presence\":" << row.presence << ",\"surplus\":" << row.surplus
                << ",\"deficit\":" << row.deficit << ",\"carriedBalance\":" << CarriedSeconds(row.carriedBalance)
                << ",\"hoursDeducted\":" << row.hoursDeducted << ",\"finalBalance\":" << final
                << ",\"nextCarriedBalance\":" << CarriedSeconds(next)
                << ",\"carriedMatches\":" << (matches ? "true" : "false") << "}";
        } else if (context.format == OutputFormat::Csv) {
            out << CsvLine({MonthText(year, month), row.complete ? "1" : "0", Duration(row.presence),
                            Duration(row.surplus), Duration(row.deficit),
                            Duration(CarriedSeconds(row.carriedBalance)), std::to_string(row.hoursDeducted),
                            Duration(final), Duration(CarriedSeconds(next)), matches ? "1" : "0"})
                << '\n';
        } else {
            std::snprintf(line, sizeof line, "%-7s %9s %8s %8s %8s %8d %8s %10s  %s%s\n",
                          MonthText(year, month).c_str(), Duration(row.presence).c_str(),
                          Duration(row.surplus).c_str(), Duration(row.deficit).c_str(),
                          Duration(CarriedSeconds(row.carriedBalance)).c_str(), row.hoursDeducted,
                          Duration(final).c_str(), Duration(CarriedSeconds(next)).c_str(), matches ? "yes" : "NO",
                          row.complete ? "" : "  (records out of order)");
            out << line;
        }
    }
    if (context.format == OutputFormat::Json) out << "]\n";
    return problems ? kExitProblems : kExitOk;
}

}  // namespace horalo::cli
