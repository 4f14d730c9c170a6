#include "core/evaluation/month_evaluation.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <ctime>

#include "core/calendar/calendar_date.h"
#include "core/calendar/month_grid.h"
#include "core/calendar_days/year_days.h"
#include "core/text/text_ids.h"
#include "core/timelog/day_order.h"

namespace horalo {
namespace {

constexpr std::int32_t kHour = 3600;
constexpr std::int32_t kMinute = 60;

TimeValue ToMinute(TimeValue time) { return time - time % kMinute; }

// Only a damaged log (a break from 1970 to 2106) gets beyond the ends of
// 32 bits; it must not wrap a balance around to the other sign.
std::int32_t Clamp(long long seconds) {
    return static_cast<std::int32_t>(std::clamp<long long>(seconds, INT32_MIN, INT32_MAX));
}

// Walks the entries; each member applies one kind of entry to its day.
class MonthWalk {
public:
    MonthWalk(const MonthEvaluationContext& context, MonthEvaluation& out) : context_(context), out_(out) {
        const std::int32_t carried = context.carriedBalance;
        out_.balance = Clamp(carried / 100 * 1LL * kHour + carried % 100 * kMinute);
    }

    bool Take(const DayEntry& entry) {
        CalendarDate local;
        if (entry.type == DayEntryType::UnreadableEntry || !ToCalendarDate(entry.record.time, local)) return false;
        DayEvaluation& day = out_.days[static_cast<std::size_t>(local.day - 1)];
        if (!SheetPlaces({day.hasStart, day.hasEnd, day.compensation}, entry.type)) return false;
        switch (entry.type) {
        case DayEntryType::WorkStart:
            day.start = ToMinute(entry.record.time);
            day.hasStart = true;
            return true;
        case DayEntryType::WorkEnd:
            // An end before its start, by the clock, is refused as well.
            return End(day, ToMinute(entry.record.time), local.weekday);
        case DayEntryType::Break:
            AddBreak(day, entry.record.time, entry.record.breakEnd);
            return true;
        case DayEntryType::Note:
            day.note = entry.record.text;
            return true;
        case DayEntryType::AbsenceDay:
            day.absence = true;
            return true;
        case DayEntryType::CompensationDay:
            Compensate(day);
            return true;
        default:
            return false;
        }
    }

    bool AboveMaximum() const { return aboveMaximum_; }

private:
    // Whole minutes, truncated.
    static void AddBreak(DayEvaluation& day, TimeValue start, TimeValue end) {
        const long long length = std::llabs(end - start) / kMinute * kMinute;
        day.breaks = Clamp(day.breaks + length);
    }

    // The day's values are kept even when the presence makes it a failure.
    bool End(DayEvaluation& day, TimeValue end, int weekday) {
        const SettingsRecord& s = context_.settings;
        day.end = end;
        day.hasEnd = true;
        day.presence = Clamp(end - day.start);
        long long net = static_cast<long long>(day.presence) - day.breaks;
        if (context_.warn && s.maxHours != 0 && net > MaximumNetSeconds(s)) aboveMaximum_ = true;
        const bool workday = !IsWeekend(weekday);
        if (workday) net -= RequiredNetSeconds(s);
        if (net < 0) {
            day.deficit = Clamp(-net);
            out_.deficitTotal = Clamp(out_.deficitTotal - net);
        } else {
            day.surplus = Clamp(net);
            out_.surplusTotal = Clamp(out_.surplusTotal + net);
        }
        out_.balance = Clamp(out_.balance + net);
        day.balance = out_.balance;
        return day.presence >= 1;
    }

    void Compensate(DayEvaluation& day) {
        const std::int32_t workTime = context_.settings.workHours * kHour + context_.settings.workMinutes * kMinute;
        day.compensation = true;
        day.hasStart = true;
        out_.balance = Clamp(static_cast<long long>(out_.balance) - workTime);
        out_.deficitTotal = Clamp(static_cast<long long>(out_.deficitTotal) + workTime);
        day.deficit = workTime;
        day.balance = out_.balance;
    }

    const MonthEvaluationContext& context_;
    MonthEvaluation& out_;
    bool aboveMaximum_ = false;
};

// Days without work and without a note of their own are named: a holiday by
// the holiday text, a weekend day by its weekday. Slots past the end of a
// shorter month stand for the first days of the next.
void AddDayNotes(Host& host, const MonthEvaluationContext& context, MonthEvaluation& out) {
    const YearInfo year = MakeYearInfo(context.year);
    const MonthGrid grid = MakeMonthGrid(context.month, year);
    const YearDays yearDays(context.specialEntries, year);
    const std::string holidayNote = host.LoadText(IDS_HOLIDAY_NOTE);
    const auto weekdayName = [&](std::size_t index) -> std::optional<std::string> {
        if (index < context.weekdayNames.size()) return context.weekdayNames[index];
        return std::nullopt;
    };

    for (int slot = 0; slot < kMonthSlots; ++slot) {
        DayEvaluation& day = out.days[static_cast<std::size_t>(slot)];
        if (day.hasStart || day.note) continue;
        const int cell = grid.firstWeekday + slot;
        const int dayOfYear = grid.daysOfYear[static_cast<std::size_t>(cell)];
        switch (yearDays.Of(dayOfYear, cell % 7).kind) {
        case DayKind::Holiday: day.note = holidayNote; break;
        case DayKind::Saturday: day.note = weekdayName(6); break;
        case DayKind::Sunday: day.note = weekdayName(0); break;
        case DayKind::Working: break;
        }
    }
}

}  // namespace

WithOutcome<bool> EvaluateMonth(Host& host, std::span<const DayEntry> entries, const MonthEvaluationContext& context,
                                MonthEvaluation& out) {
    out.Clear();
    MonthWalk walk(context, out);
    for (const DayEntry& entry : entries)
        if (!walk.Take(entry)) return {false, std::nullopt};
    AddDayNotes(host, context, out);
    if (walk.AboveMaximum()) return {true, LibraryMessage(IDS_DAILY_MAXIMUM, kMessagePlain)};
    return {true, std::nullopt};
}

}  // namespace horalo
