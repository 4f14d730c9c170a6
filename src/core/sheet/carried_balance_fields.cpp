#include "core/sheet/carried_balance_fields.h"

#include <cctype>
#include <algorithm>

namespace horalo {

CarriedBalanceFields SplitCarriedBalance(std::int32_t carriedBalance) {
    const bool negative = carriedBalance < 0;
    const std::int64_t magnitude = negative ? -static_cast<std::int64_t>(carriedBalance) : carriedBalance;
    std::string hours = std::to_string(magnitude / 100);
    if (negative) hours.insert(hours.begin(), '-');
    return {hours, static_cast<std::int32_t>(magnitude % 100)};
}

std::int32_t JoinCarriedBalance(std::string_view hoursText, std::int32_t minutes) {
    std::size_t at = 0;
    while (at < hoursText.size() && std::isspace(static_cast<unsigned char>(hoursText[at]))) ++at;
    const bool negative = at < hoursText.size() && hoursText[at] == '-';
    if (negative || (at < hoursText.size() && hoursText[at] == '+')) ++at;
    std::int64_t hours = 0;
    for (; at < hoursText.size() && std::isdigit(static_cast<unsigned char>(hoursText[at])); ++at)
        hours = std::min<std::int64_t>(hours * 10 + (hoursText[at] - '0'), 9'999'999);
    if (at < hoursText.size() && !std::isspace(static_cast<unsigned char>(hoursText[at]))) hours = 0;
    const std::int64_t magnitude = hours * 100 + minutes;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace horalo
