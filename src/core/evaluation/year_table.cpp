#include "core/evaluation/year_table.h"

#include <cstdlib>

#include "core/sheet/time_sheet.h"
#include "core/text/format_text.h"

namespace horalo {

std::string SpreadsheetDuration(long long seconds) {
    const long long minutes = std::llabs(seconds) / 60;
    return FormatString("%s%lld:%02lld", seconds <= -60 ? "-" : "", minutes / 60, minutes % 60);
}

int MonthsEnded(int year, int todayYear, int todayMonth) {
    if (year < todayYear) return 12;
    if (year > todayYear) return 0;
    return todayMonth;
}

CarryMark MarkOf(const MonthAccount& month, bool ended) {
    if (!month.complete) return CarryMark::OutOfOrder;
    const bool empty = month.presence == 0 && month.surplus == 0 && month.deficit == 0 && month.carriedBalance == 0 &&
                       month.hoursDeducted == 0;
    if (!ended || empty) return CarryMark::None;
    return month.carriedOver ? CarryMark::Yes : CarryMark::No;
}

std::vector<std::string> YearRowTexts(const MonthAccount& month, const YearTableTexts& texts, bool ended) {
    const std::string marks[] = {"", texts.yes, texts.no, texts.outOfOrder};
    const std::string& mark = marks[static_cast<int>(MarkOf(month, ended))];
    return {NameAt(texts.monthNames, month.month),
            SpreadsheetDuration(month.presence),
            SpreadsheetDuration(month.surplus),
            SpreadsheetDuration(month.deficit),
            SpreadsheetDuration(CarriedSeconds(month.carriedBalance)),
            std::to_string(month.hoursDeducted),
            SpreadsheetDuration(month.finalBalance),
            mark};
}

std::string YearTableText(const YearAccount& account, const YearTableTexts& texts, int monthsEnded) {
    std::string text;
    for (std::size_t column = 0; column < texts.headers.size(); ++column)
        text += (column ? "\t" : "") + texts.headers[column];
    text += "\r\n";
    for (const MonthAccount& month : account.months) {
        std::vector<std::string> cells = YearRowTexts(month, texts, month.month < monthsEnded);
        cells[0] += ' ' + std::to_string(account.year);
        for (std::size_t column = 0; column < cells.size(); ++column) text += (column ? "\t" : "") + cells[column];
        text += "\r\n";
    }
    return text;
}

}  // namespace horalo
