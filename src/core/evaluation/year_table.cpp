#include "core/evaluation/year_table.h"

#include <cstdlib>

#include "core/sheet/time_sheet.h"
#include "core/text/format_text.h"

namespace horalo {

std::string SpreadsheetDuration(long long seconds) {
    const long long minutes = std::llabs(seconds) / 60;
    return FormatString("%s%lld:%02lld", seconds <= -60 ? "-" : "", minutes / 60, minutes % 60);
}

std::string YearTableText(const YearAccount& account, const YearTableTexts& texts) {
    std::string text;
    for (std::size_t column = 0; column < texts.headers.size(); ++column)
        text += (column ? "\t" : "") + texts.headers[column];
    text += "\r\n";
    for (const MonthAccount& month : account.months) {
        const auto index = static_cast<std::size_t>(month.month);
        const std::string name = index < texts.monthNames.size() ? texts.monthNames[index] : std::to_string(index + 1);
        text += name + ' ' + std::to_string(account.year) + '\t' + SpreadsheetDuration(month.presence) + '\t' +
                SpreadsheetDuration(month.surplus) + '\t' + SpreadsheetDuration(month.deficit) + '\t' +
                SpreadsheetDuration(CarriedSeconds(month.carriedBalance)) + '\t' + std::to_string(month.hoursDeducted) +
                '\t' + SpreadsheetDuration(month.finalBalance) + '\t' + (month.carriedOver ? texts.yes : texts.no) +
                "\r\n";
    }
    return text;
}

}  // namespace horalo
