#pragma once
// The texts of today at a glance: the tray icon's tooltip and the main
// dialog's status line. They are made every minute from figures the caller
// holds, so nothing here reads the log.
#include <cstddef>
#include <string>

#include "core/recorder/day_figures.h"

namespace horalo {

// The tray keeps at most 127 characters of a tooltip and drops the rest.
inline constexpr std::size_t kLongestTooltip = 127;

// The formats, loaded by the caller from the language library. Each takes
// exactly the %s arguments named (times as hh:mm, balances with their sign);
// an empty format leaves its piece out.
struct GlanceFormats {
    std::string title;            // none: the tooltip's first line, e.g. the program's name
    std::string notStarted;       // none
    std::string present;          // the start
    std::string onBreak;          // the start, the break's start
    std::string ended;            // the start, the end
    std::string dayOff;           // none
    std::string presence;         // the presence, the breaks
    std::string requiredAt;       // the moment the required time is reached
    std::string nothingRequired;  // none: a weekend day
    std::string maximumAt;        // the moment the daily maximum is reached
    std::string balance;          // the month's balance
    std::string separator = "  ";  // between the pieces of the status line
};

// The month's running balance, today included, comes in seconds.
std::string GlanceTooltip(const DayFigures& figures, long long balance, const GlanceFormats& formats);
// The status line is two: the day so far, then what is to come and the balance.
std::string GlanceStatus(const DayFigures& figures, long long balance, const GlanceFormats& formats);

// "hh:mm" of a local time, "hh:mm" of a duration, and "+hh:mm" or "-hh:mm"
// of a balance; seconds are dropped before the sign is chosen, as on the
// time sheet.
std::string ClockText(TimeValue time);
std::string DurationText(long long seconds);
std::string BalanceText(long long seconds);

}  // namespace horalo
