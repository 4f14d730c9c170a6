#include "core/sheet/sheet_text.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "core/calendar/calendar_date.h"
#include "core/calendar/local_time.h"

namespace horalo {

namespace {

// Anything smaller is a duration; log times this early never occur.
constexpr std::int32_t kLatestDuration = 4'000'000;

// Large enough for any int32 or int64 the formats below print, with sign.
using Buffer = char[48];

std::string TimeOfDay(TimeValue time) {
    std::tm local{};
    if (!ToLocalTime(time, local)) return {};
    Buffer text;
    std::snprintf(text, sizeof text, "%c %02d:%02d", ' ', local.tm_hour, local.tm_min);
    return text;
}

std::string Duration(std::int64_t seconds) {
    // Seconds are dropped before the sign is chosen, so less than a minute
    // below zero shows no minus sign.
    const long long minutes = seconds / 60;
    const char sign = minutes < 0 ? '-' : ' ';
    const long long hours = std::llabs(seconds / 3600);
    const long long minute = std::llabs(minutes % 60);
    Buffer text;
    std::snprintf(text, sizeof text, hours >= 100 ? "%c%03lld:%02lld" : "%c %02lld:%02lld", sign, hours, minute);
    return text;
}

std::string TwoNumbers(long long first, long long second) {
    Buffer text;
    std::snprintf(text, sizeof text, "%02lld:%02lld", first, second);
    return text;
}

// The presence a day asks for: the work time alone on a compensation day,
// else with the break allowance added.
std::string RequiredPresence(const DayEvaluation& day, const SettingsRecord* settings) {
    if (!day.hasStart || !settings) return {};
    const SettingsRecord& s = *settings;
    if (day.compensation) return TwoNumbers(s.workHours, s.workMinutes);
    // 64 bits: the settings come from the registry and may hold anything.
    const long long minutes = static_cast<long long>(s.workMinutes) + s.breakMinutes;
    return TwoNumbers(static_cast<long long>(s.workHours) + s.breakHours + minutes / 60, minutes % 60);
}

// A day's mark stands where its start would: no wider than the field of a
// time, whatever a translation makes of it.
constexpr std::size_t kMarkLength = 6;

std::string StartText(const DayEvaluation& day, const TimeSheet& sheet) {
    if (day.start != 0) return TimeField(day.start);
    if (day.compensation) return sheet.compensationMark.substr(0, kMarkLength);
    if (day.absence) return sheet.absenceMark.substr(0, kMarkLength);
    return day.note.value_or(std::string());
}

std::string DayText(char kind, const DayEvaluation& day, const TimeSheet& sheet) {
    switch (kind) {
    case 'C': return StartText(day, sheet);
    case 'G': return TimeField(day.end);
    case 'D': return TimeField(day.presence);
    case 'I': return TimeField(day.breaks);
    case 'P': return TimeField(day.surplus);
    case 'N': return TimeField(day.deficit);
    case 'T': return TimeField(day.balance);
    case 'S': return RequiredPresence(day, sheet.settings);
    default: return {};
    }
}

std::string MonthText(char selector, const TimeSheet& sheet) {
    const MonthEvaluation& e = sheet.evaluation;
    Buffer text;
    switch (selector) {
    case 'I': return sheet.settings ? FormText(sheet.settings->formText1) : std::string();
    case 'O': return sheet.settings ? FormText(sheet.settings->formText2) : std::string();
    case 'M':
        std::snprintf(text, sizeof text, "%02lld", sheet.month + 1LL);
        return text;
    case 'Y':
        std::snprintf(text, sizeof text, "%d", sheet.year);
        return text;
    case 'P': return TimeField(e.surplusTotal);
    case 'N': return TimeField(e.deficitTotal);
    case 'S': return TimeField(MonthDifference(sheet));
    case 'V': return TimeField(CarriedSeconds(sheet.carriedBalance));
    case 'U': return TimeField(DeductedSeconds(sheet.hoursDeducted));
    case 'T': return TimeField(MonthFinalBalance(sheet));
    default: return {};
    }
}

// The evaluation keeps 31 slots and names the free days in all of them, so
// in a shorter month the last slots hold the first days of the next month:
// its holidays and weekends. The sheet shows the month alone.
bool DayOfSheetMonth(int day, const TimeSheet& sheet) {
    const int length = sheet.month >= 0 && sheet.month < 12 ? MonthLength(sheet.year, sheet.month) : kMonthSlots;
    return day >= 1 && day <= length;
}

}  // namespace

std::string TimeField(std::int64_t value) {
    if (value == 0) return {};
    return value > kLatestDuration ? TimeOfDay(value) : Duration(value);
}

std::string PlaceholderText(const Placeholder& placeholder, const TimeSheet& sheet) {
    if (placeholder.kind == 'O') return MonthText(placeholder.selector, sheet);
    if (!IsDayKind(placeholder.kind) || !DayOfSheetMonth(placeholder.day, sheet)) return {};
    return DayText(placeholder.kind, sheet.evaluation.days[placeholder.day - 1], sheet);
}

}  // namespace horalo
