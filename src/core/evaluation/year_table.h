#pragma once
// The year's account as text for a spreadsheet: tab-separated, a line of
// headers, then a line a month; what the year window copies.
#include <string>

#include "core/evaluation/year_account.h"
#include "core/text/string_list.h"

namespace horalo {

// Texts of the language library the lines are made with.
struct YearTableTexts {
    StringList headers;     // month, presence, surplus, deficit, carried in, deducted, final balance, carried over
    StringList monthNames;  // January first
    std::string yes, no;    // whether the final balance was carried over
};

// "h:mm", a minus sign before a negative time, seconds dropped: a form
// every spreadsheet reads as a duration.
std::string SpreadsheetDuration(long long seconds);

// Lines end in CR LF, as the clipboard's text has them.
std::string YearTableText(const YearAccount& account, const YearTableTexts& texts);

}  // namespace horalo
