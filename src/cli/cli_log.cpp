// The commands that walk the whole log or the special days: check, export,
// holidays.
#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <ctime>
#include <ostream>
#include <utility>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/cli_context.h"
#include "core/browser/month_rows.h"
#include "core/calendar/local_time.h"
#include "core/calendar/year_info.h"
#include "core/calendar_days/calendar_day_table.h"
#include "core/evaluation/loaded_month.h"
#include "core/text/string_list.h"
#include "resource_ids.h"

namespace horalo::cli {
namespace {

// Months counted from year 0, so that ranges compare as numbers.
int MonthIndex(int year, int month) { return year * 12 + month; }

// The first and the last month in which the log has a dated record; month
// records and records without a local time do not count.
bool LogMonthRange(LogBytes log, int& first, int& last) {
    first = INT_MAX;
    last = INT_MIN;
    for (std::size_t offset = 0; offset < log.size();) {
        const std::size_t end = RecordEnd(log, offset);
        if (end == offset) break;
        const std::optional<TimeValue> time = RecordTime(log, offset);
        std::tm local{};
        if (time && RecordTag(log, offset) != TagOf(LogRecordType::MonthRecord) && ToLocalTime(*time, local)) {
            const int index = MonthIndex(local.tm_year + 1900, local.tm_mon);
            first = std::min(first, index);
            last = std::max(last, index);
        }
        offset = end;
    }
    return first <= last;
}

const char* TypeName(std::uint32_t tag) {
    static const char* const kNames[] = {"WorkEnd", "WorkStart", "Break", "Note",
                                         "AbsenceDay", "CompensationDay", "MonthRecord"};
    return tag <= kLastKnownTag ? kNames[tag] : "Unknown";
}

// The record's time, or null where it has none.
std::string JsonTime(const LogRecord& record) {
    const std::string time = record.HasPayload() ? IsoLocalTime(record.time) : std::string();
    return time.empty() ? "null" : JsonString(time);
}

// "dd.mm.yyyy" of a row's date column as "yyyy-mm-dd".
std::string IsoDate(const std::string& rowDate) {
    if (rowDate.size() != 10) return rowDate;
    return rowDate.substr(6, 4) + '-' + rowDate.substr(3, 2) + '-' + rowDate.substr(0, 2);
}

}  // namespace

int RunCheck(CommandContext& context) {
    if (!context.args.empty()) {
        context.err << "horalo-cli: check takes no arguments\n";
        return kExitUsage;
    }
    const std::optional<LogImage> image = LoadWholeLog(context);
    if (!image) return kExitUsage;
    std::size_t problems = 0;
    if (ReportCutEnd(context, *image)) ++problems;

    int first = 0, last = 0;
    const bool dated = LogMonthRange(*image, first, last);
    const RowStrings strings = RowStrings::Load(context.host);
    const MonthRecordList records = MonthRecordsOf(*image);
    const TimeValue now = Now();
    for (int index = first; dated && index <= last; ++index) {
        const int year = index / 12, month = index % 12;
        const LoadedMonth loaded = MonthOfLog(context.host, *image, records, year, month, context.settings,
                                              context.specialDays);
        const std::vector<MonthRow> rows =
            BuildMonthRows(loaded.entries, MakeYearInfo(year), context.specialDays, context.settings, strings, now);
        std::string date;
        // Before its first record the log did not exist yet: those days lack
        // no records.
        bool recorded = index != first;
        for (const MonthRow& row : rows) {
            if (!row.texts[1].empty()) date = IsoDate(row.texts[1]);
            recorded = recorded || row.position >= 0;
            if (row.problem == 0 || !recorded) continue;
            ++problems;
            context.out << MonthText(year, month) << ' ' << date << " problem " << row.problem << ": "
                        << context.Text(row.texts[5]);
            if (row.position >= 0) context.out << " (record at byte " << row.position << ")";
            context.out << '\n';
        }
        // A day above the maximum is no problem of the log.
        if (!loaded.complete) {
            ++problems;
            const std::string text = context.host.LoadText(IDS_SHEET_ORDER_PROBLEM);
            context.out << MonthText(year, month) << " evaluation: " << text.substr(0, text.find('\n')) << '\n';
        }
    }
    if (problems == 0) {
        context.out << "No problems in " << (dated ? last - first + 1 : 0) << " months of " << context.LogPath()
                    << '\n';
        return kExitOk;
    }
    context.out << problems << (problems == 1 ? " problem" : " problems") << " in " << context.LogPath() << '\n';
    return kExitProblems;
}

int RunExport(CommandContext& context) {
    int from = INT_MIN, to = INT_MAX;
    for (const auto& [text, bound] : {std::pair{&context.from, &from}, std::pair{&context.to, &to}}) {
        if (!*text) continue;
        int year = 0, month = 0;
        if (!ParseMonth(**text, year, month)) {
            context.err << "horalo-cli: a month is YYYY-MM, not \"" << **text << "\"\n";
            return kExitUsage;
        }
        *bound = MonthIndex(year, month);
    }
    if (!context.args.empty()) {
        context.err << "horalo-cli: export takes --from and --to, no arguments\n";
        return kExitUsage;
    }
    const std::optional<LogImage> image = LoadWholeLog(context);
    if (!image) return kExitUsage;
    ReportCutEnd(context, *image);
    // A record cut short would come out zero-filled: it is reported instead.
    const std::size_t wholeRecords = CutRecordStart(*image).value_or(image->size());
    const bool json = context.format == OutputFormat::Json;
    std::ostream& out = context.out;
    out << (json ? "[" : "position,type,time,end,text,carried_balance,hours_deducted\n");
    bool firstElement = true;
    std::string line;
    for (std::size_t offset = 0; offset < wholeRecords;) {
        const std::optional<StoredRecord> stored = DecodeRecord(*image, offset);
        if (!stored) break;
        const LogRecord& record = stored->record;
        std::tm local{};
        if (!record.HasPayload() || !ToLocalTime(record.time, local)) {
            // A record without a month (a tag of a later version, a time the
            // C library cannot convert) belongs to no range, but to the whole log.
            if (context.from || context.to) continue;
        } else if (const int index = MonthIndex(local.tm_year + 1900, local.tm_mon); index < from || index > to) {
            continue;
        }
        const bool isBreak = record.type() == LogRecordType::Break;
        const bool isNote = record.type() == LogRecordType::Note;
        const bool isMonth = record.type() == LogRecordType::MonthRecord;
        if (json) {
            line = firstElement ? "\n{" : ",\n{";
            line += "\"position\":" + std::to_string(stored->position) + ",\"type\":" + JsonString(TypeName(record.tag)) +
                    ",\"time\":" + JsonTime(record);
            if (isBreak) line += ",\"end\":" + JsonTime(LogRecord::Of(LogRecordType::Break, record.breakEnd));
            if (isNote) line += ",\"text\":" + JsonString(context.Text(record.text));
            if (isMonth)
                line += ",\"carriedBalance\":" + std::to_string(record.carriedBalance) +
                        ",\"hoursDeducted\":" + std::to_string(record.hoursDeducted);
            line += '}';
        } else {
            line = CsvLine({std::to_string(stored->position), TypeName(record.tag),
                            record.HasPayload() ? IsoLocalTime(record.time) : std::string(),
                            isBreak ? IsoLocalTime(record.breakEnd) : std::string(),
                            isNote ? context.Text(record.text) : std::string(),
                            isMonth ? std::to_string(record.carriedBalance) : std::string(),
                            isMonth ? std::to_string(record.hoursDeducted) : std::string()});
            line += '\n';
        }
        out << line;
        firstElement = false;
    }
    if (json) out << "]\n";
    return kExitOk;
}

int RunHolidays(CommandContext& context) {
    int year = 0;
    if (context.args.size() != 1 || !ParseYear(context.args[0], year)) {
        context.err << "horalo-cli: holidays wants a year YYYY\n";
        return kExitUsage;
    }
    const YearInfo info = MakeYearInfo(year);
    const bool json = context.format == OutputFormat::Json;
    std::ostream& out = context.out;
    if (json) out << "[";
    if (context.format == OutputFormat::Csv) out << "date,name,holiday,text\n";
    // In the order of their dates, entries of one date in the file's order.
    std::vector<std::pair<std::string, const SpecialEntry*>> dated;
    for (const SpecialEntry& entry : context.specialDays) {
        // A rule may lead out of the year; the date is plain calendar
        // arithmetic, so it needs no time of the log's 32-bit range.
        namespace chr = std::chrono;
        const chr::year_month_day day{chr::sys_days{chr::year{year} / chr::January / 1} +
                                      chr::days{SpecialEntryDay(entry, info) - 1}};
        char text[48];
        std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()),
                      static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
        dated.emplace_back(text, &entry);
    }
    std::stable_sort(dated.begin(), dated.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    bool firstElement = true;
    for (const auto& [date, entry] : dated) {
        const std::string name = context.Text(entry->name.value_or(""));
        const std::string second = context.Text(entry->secondText.value_or(""));
        if (json) {
            out << (firstElement ? "\n{" : ",\n{") << "\"date\":" << JsonString(date) << ",\"name\":" << JsonString(name)
                << ",\"holiday\":" << (entry->holiday ? "true" : "false") << ",\"text\":" << JsonString(second) << '}';
        } else if (context.format == OutputFormat::Csv) {
            out << CsvLine({date, name, entry->holiday ? "1" : "0", second}) << '\n';
        } else {
            out << date << "  " << (entry->holiday ? "holiday " : "        ") << name
                << (second.empty() ? "" : " (" + second + ")") << '\n';
        }
        firstElement = false;
    }
    if (json) out << "]\n";
    return kExitOk;
}

}  // namespace horalo::cli
