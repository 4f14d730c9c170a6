#include "core/calendar/year_info.h"

#include "core/calendar/calendar_date.h"

namespace horalo {
namespace {

constexpr int kFirstGregorianYear = 1583;
constexpr int kThursday = 3;

struct GaussPair {
    int m;
    int n;
};

// Gauss's general rule for the pair, so no century needs a table row of its
// own; it gives (24, 5) for 1900 to 2099 and moves on with the solar and
// lunar corrections where a fixed table would have stopped.
GaussPair EasterPair(int year) {
    if (year < kFirstGregorianYear) return {15, 6};
    const int k = year / 100;
    const int p = (13 + 8 * k) / 25;
    const int q = k / 4;
    return {(15 - p + k - q) % 30, (4 + k - q) % 7};
}

}  // namespace

int EasterDayOfYear(int year) {
    const auto [m, n] = EasterPair(year);
    const int a = year % 19;
    const int b = year % 4;
    const int c = year % 7;
    const int d = (19 * a + m) % 30;
    const int e = (2 * b + 4 * c + 6 * d + n) % 7;
    int marchDate = 22 + d + e;
    // Gauss's two exceptions keep Easter on or before 25 April.
    if (marchDate == 31 + 26) marchDate = 31 + 19;
    if (marchDate == 31 + 25 && d == 28 && a > 10) marchDate = 31 + 18;
    return 59 + (IsLeapYear(year) ? 1 : 0) + marchDate;
}

YearInfo MakeYearInfo(int year) {
    YearInfo info;
    info.year = static_cast<std::int16_t>(year);
    info.firstWeekday = static_cast<std::int32_t>(DaysBeforeYear(year) % 7);
    info.leap = IsLeapYear(year) ? 1 : 0;
    // A year has 53 ISO weeks when it begins or ends on a Thursday.
    const bool endsOnThursday = (info.firstWeekday + info.leap + 364) % 7 == kThursday;
    info.weeks = (info.firstWeekday == kThursday || endsOnThursday) ? 53 : 52;
    info.easterDay = static_cast<std::int16_t>(EasterDayOfYear(year));
    return info;
}

}  // namespace horalo
