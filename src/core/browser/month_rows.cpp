#include "core/browser/month_rows.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "core/calendar/calendar_date.h"
#include "core/calendar/local_time.h"
#include "core/calendar_days/year_days.h"
#include "core/timelog/day_order.h"
#include "core/text/format_text.h"
#include "core/text/text_ids.h"

namespace horalo {
namespace {

enum Column : std::size_t { kWeekday = 0, kDate = 1, kTimeOfDay = 2, kDuration = 3, kBalance = 4, kText = 5 };

constexpr int kWorkdayWithoutRecords = 5;
constexpr int kUnreadable = 6;

// The local day with its year: 1 January must not look like the same day
// as the 1 January 1970 that stands in for an unreadable record.
long DayNumber(const std::tm& local) { return local.tm_year * 400L + local.tm_yday; }
long DayNumber(TimeValue time) {
    std::tm local{};
    return ToLocalTime(time, local) ? DayNumber(local) : -1;
}

// Rows are formatted by hand: a month has a few hundred of them, and the
// general formatter took nearly half of the time to build them.
char* PutTwoDigits(char* out, long long value) {
    if (value >= 100) {
        const std::string digits = std::to_string(value);  // hours above 99 keep every digit
        return std::copy(digits.begin(), digits.end(), out);
    }
    *out++ = static_cast<char>('0' + value / 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

// "aa<sep>bb<sep>cc", each field at least two digits; c < 0 leaves it out.
std::string Fields(long long a, long long b, long long c, char separator) {
    char buffer[48];
    char* end = PutTwoDigits(buffer, a);
    *end++ = separator;
    end = PutTwoDigits(end, b);
    if (c >= 0) {
        *end++ = separator;
        end = PutTwoDigits(end, c);
    }
    return std::string(buffer, end);
}

std::string DurationText(long long seconds) {
    return Fields(seconds / 3600, seconds / 60 % 60, seconds % 60, ':');
}

RowTexts MakeRowTexts(const RowStrings& strings, const std::tm& local) {
    RowTexts texts;
    const auto weekday = static_cast<std::size_t>(local.tm_wday);
    if (weekday < strings.weekdayNames.size()) texts[kWeekday] = strings.weekdayNames[weekday];
    texts[kDate] = Fields(local.tm_mday, local.tm_mon + 1, -1, '.') + '.' + std::to_string(local.tm_year + 1900);
    texts[kTimeOfDay] = Fields(local.tm_hour, local.tm_min, local.tm_sec, ':');
    return texts;
}

// The entry types that make a row; anything else (a month record, a tag of
// a later version) is passed over.
bool MakesRow(const DayEntry& entry) {
    switch (entry.type) {
    case DayEntryType::WorkEnd:
    case DayEntryType::WorkStart:
    case DayEntryType::Break:
    case DayEntryType::Note:
    case DayEntryType::AbsenceDay:
    case DayEntryType::CompensationDay:
    case DayEntryType::UnreadableEntry:
        return true;
    }
    return false;
}

// The local time the entry's row stands at; false for a record whose time
// has no local day, however it was typed.
bool EntryLocalTime(const DayEntry& entry, std::tm& local) {
    return entry.type != DayEntryType::UnreadableEntry && ToLocalTime(entry.record.time, local);
}

RowKind KindOf(DayEntryType type) {
    switch (type) {
    case DayEntryType::WorkEnd: return RowKind::WorkEnd;
    case DayEntryType::WorkStart: return RowKind::WorkStart;
    case DayEntryType::Break: return RowKind::Break;
    case DayEntryType::Note: return RowKind::Note;
    case DayEntryType::AbsenceDay: return RowKind::AbsenceDay;
    case DayEntryType::CompensationDay: return RowKind::CompensationDay;
    default: return RowKind::Problem;
    }
}

class MonthRowBuilder {
public:
    MonthRowBuilder(const RowStrings& strings, const SettingsRecord& settings, TimeValue now)
        : strings_(strings), now_(now), targetSeconds_(RequiredNetSeconds(settings)) {}

    // Entries come in time order, so the days without records since the
    // previous recorded day (or the first of the month) are known here and
    // their filler rows go in front of the entry's row.
    void AddEntry(const DayEntry& entry, const YearDays& yearDays) {
        const LogRecord& record = entry.record;
        std::tm local{};
        if (!EntryLocalTime(entry, local)) {
            AddUnreadableRow(entry.position);
            return;
        }
        for (int day = previousDay_ + 1; day < local.tm_mday; ++day)
            rows_.push_back(MakeFiller(local, day, yearDays));
        previousDay_ = std::max(previousDay_, local.tm_mday);

        RowTexts texts = MakeRowTexts(strings_, local);
        const RowKind kind = KindOf(entry.type);
        switch (kind) {
        case RowKind::WorkStart:
        case RowKind::AbsenceDay:
        case RowKind::CompensationDay:
            lastStart_ = record.time;
            hasStart_ = true;
            breakSeconds_ = 0;
            break;
        case RowKind::WorkEnd:
            // Without a start in the month there is no presence to show.
            if (hasStart_) {
                const MinutesDiff presence = FormatMinutesDiff(lastStart_, record.time);
                texts[kDuration] = presence.text;
                texts[kBalance] = FormatMinutesDiff(breakSeconds_ + targetSeconds_, presence.seconds).text;
            }
            break;
        case RowKind::Break: {
            // An edited break may end before it starts; it still lasted that long.
            const long long length = std::llabs(record.breakEnd - record.time);
            texts[kDuration] = DurationText(length);
            breakSeconds_ += length;
            break;
        }
        case RowKind::Note:
            texts[kText] = record.text;
            break;
        default:
            break;
        }
        AddRecordRow(std::move(texts), entry.type, entry.position, DayNumber(local));
        rows_.back().day = local.tm_mday;
    }

    std::vector<MonthRow> TakeRows() { return std::move(rows_); }

private:
    // The texts show the present moment, since the record has no local time
    // of its own; the checks see it at time 0.
    void AddUnreadableRow(RecordPosition position) {
        RowTexts texts;
        std::tm present{};
        if (ToLocalTime(now_, present)) texts = MakeRowTexts(strings_, present);
        texts[kText] = FormatString(strings_.problemFormat.c_str(), kUnreadable);
        AddRecordRow(std::move(texts), DayEntryType::UnreadableEntry, position, DayNumber(0), kUnreadable);
    }

    // `day` is the local day with its year (DayNumber).
    void AddRecordRow(RowTexts texts, DayEntryType type, RecordPosition position, long day, int problem = 0) {
        int code = 0;
        if (hasPrevious_) {
            if (previous_.day == day) {
                texts[kWeekday].clear();
                texts[kDate].clear();
            }
            code = ListOrderProblem(previous_.type, previous_.day, type, day);
            if (code != 0) texts[kText] = FormatString(strings_.problemFormat.c_str(), code);
        }
        // A note neither starts nor ends anything, so the checks look past it.
        if (type != DayEntryType::Note) {
            previous_ = Previous{type, day};
            hasPrevious_ = true;
        }
        rows_.push_back({std::move(texts), KindOf(type), code != 0, position, code != 0 ? code : problem});
    }

    // `sameMonth` is any local time of the shown month.
    MonthRow MakeFiller(const std::tm& sameMonth, int day, const YearDays& yearDays) const {
        MonthRow row;
        row.position = -1;
        // Noon, so that a change of daylight saving time in the night cannot
        // move the moment onto a neighbouring day.
        const long long moment =
            MakeLocalTime(sameMonth.tm_year + 1900, sameMonth.tm_mon, day, 12, 0, 0, DaylightSaving::FromCalendar);
        std::tm local{};
        if (!ToLocalTime(moment, local)) return row;
        row.texts = MakeRowTexts(strings_, local);
        row.texts[kTimeOfDay].clear();
        row.day = local.tm_mday;

        switch (const KindOfDay kind = yearDays.Of(local.tm_yday + 1, MondayFirst(local.tm_wday)); kind.kind) {
        case DayKind::Holiday:
            row.kind = RowKind::Holiday;
            row.texts[kText] = kind.holiday->name.value_or(std::string());
            break;
        case DayKind::Sunday:
            row.kind = RowKind::Sunday;
            break;
        case DayKind::Saturday:
            row.kind = RowKind::Saturday;
            break;
        case DayKind::Working:
            row.kind = RowKind::Problem;
            row.flagged = true;
            row.problem = kWorkdayWithoutRecords;
            row.texts[kText] = FormatString(strings_.workdayGapFormat.c_str(), kWorkdayWithoutRecords);
            break;
        }
        return row;
    }

    struct Previous {
        DayEntryType type;
        long day;
    };

    const RowStrings& strings_;
    const TimeValue now_;
    long long targetSeconds_ = 0;
    std::vector<MonthRow> rows_;
    bool hasPrevious_ = false;
    Previous previous_{DayEntryType::Note, 0};
    bool hasStart_ = false;
    TimeValue lastStart_ = 0;
    int previousDay_ = 0;  // day of the month of the last recorded day
    long long breakSeconds_ = 0;  // since the last start-type row
};

}  // namespace

RowStrings RowStrings::Load(Host& host) {
    return {SplitStringResource(host, IDS_WEEKDAY_NAMES), host.LoadText(IDS_PROBLEM_CODE),
            host.LoadText(IDS_PROBLEM_CODE_2)};
}

std::vector<MonthRow> BuildMonthRows(const std::vector<DayEntry>& entries, const YearInfo& year,
                                     const SpecialEntryList& specialDays, const SettingsRecord& settings,
                                     const RowStrings& strings, TimeValue now) {
    MonthRowBuilder builder(strings, settings, now);
    const YearDays yearDays(specialDays, year);
    for (const DayEntry& entry : entries)
        if (MakesRow(entry)) builder.AddEntry(entry, yearDays);
    return builder.TakeRows();
}

int FirstWorkingDay(int year, int month, const YearInfo& info, const SpecialEntryList& specialDays) {
    const YearDays yearDays(specialDays, info);
    for (int day = 1; day <= MonthLength(year, month); ++day) {
        const CalendarDate date = CalendarDate::Of(year, month, day);
        if (yearDays.Of(date.dayOfYear, date.weekday).kind == DayKind::Working) return day;
    }
    return 1;
}

MinutesDiff FormatMinutesDiff(TimeValue from, TimeValue to) {
    // Both moments are cut to whole minutes before they are subtracted.
    const TimeValue difference = (to / 60 - from / 60) * 60;
    const TimeValue seconds = std::llabs(difference);
    return {Fields(seconds / 3600, seconds / 60 % 60, -1, ':') + (difference < 0 ? " (-)" : ""), seconds};
}

}  // namespace horalo
