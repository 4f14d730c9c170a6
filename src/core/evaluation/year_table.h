#pragma once
// The year's account as rows of text: what the year window lists and
// prints, and, tab-separated with a line of headers, what it copies for a
// spreadsheet.
#include <string>
#include <vector>

#include "core/evaluation/year_account.h"
#include "core/text/string_list.h"

namespace horalo {

// Texts of the language library the rows are made with.
struct YearTableTexts {
    StringList headers;     // month, presence, surplus, deficit, carried in, deducted, final balance, carried over
    StringList monthNames;  // January first
    std::string yes, no;    // whether the final balance was carried over
    std::string outOfOrder; // in place of yes or no: the month's records make no sheet
};

// "h:mm", a minus sign before a negative time, seconds dropped: a form
// every spreadsheet reads as a duration.
std::string SpreadsheetDuration(long long seconds);

// How many months of the year have ended on the date (month 0 to 11).
int MonthsEnded(int year, int todayYear, int todayMonth);

// What the last column says of a month. A month still running, or to come,
// has carried nothing over yet, and one with nothing in it at all lies
// before the log began: neither is marked, where a warning would cry wolf.
enum class CarryMark { None, Yes, No, OutOfOrder };
CarryMark MarkOf(const MonthAccount& month, bool ended);

// A month's cells in the order of the headers, its name without the year.
std::vector<std::string> YearRowTexts(const MonthAccount& month, const YearTableTexts& texts, bool ended);

// Lines end in CR LF, as the clipboard's text has them; the month's cell
// carries the year, which a spreadsheet has nowhere else.
std::string YearTableText(const YearAccount& account, const YearTableTexts& texts, int monthsEnded);

}  // namespace horalo
