#pragma once
// The month a time sheet shows: its evaluation and the month's inputs, and
// the balance arithmetic the sheet prints and carries into the next month.
#include <cstdint>
#include <string>

#include "core/evaluation/month_evaluation.h"
#include "core/settings/settings_record.h"

namespace horalo {

struct TimeSheet {
    MonthEvaluation evaluation;
    int month = 0;                     // 0 to 11
    int year = 0;                      // full year
    std::int32_t carriedBalance = 0;   // hours * 100 + minutes, signed: -130 is minus 1 h 30 min
    std::int32_t hoursDeducted = 0;    // whole hours paid out at the month's end
    const SettingsRecord* settings = nullptr;  // the program's; null draws no settings values
    std::string absenceMark;           // string 6018 of the language library
    std::string compensationMark;      // string 6033 of the language library
};

// The carried balance in seconds; a negative balance gives negative seconds.
std::int32_t CarriedSeconds(std::int32_t carriedBalance);

// The month's surplus total less its deficit total, in seconds.
std::int32_t MonthDifference(const TimeSheet& sheet);

// The hours paid out, in seconds.
std::int32_t DeductedSeconds(std::int32_t hoursDeducted);

// Surplus - deficit + carried seconds - hours deducted, in seconds: what the
// sheet prints as the month's final balance.
std::int32_t MonthFinalBalance(const TimeSheet& sheet);

// The sums above are taken in 64 bits and wrap to 32: a damaged log or
// month record can hold any 32-bit number, and an absurd input then gives
// an absurd but defined result.

// Seconds in the carried-balance form, truncated to the minute:
// -1800 gives -30, 45000 gives 1230.
std::int32_t CarriedBalanceOf(std::int32_t seconds);

}  // namespace horalo
