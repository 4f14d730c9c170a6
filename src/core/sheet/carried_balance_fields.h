#pragma once
// The carried balance as the preview's two fields show and take it: the
// hours with the balance's sign, the minutes without. A negative balance is
// typed and shown with a minus sign in front of the hours ("-1" and "30" is
// minus 1 h 30 min, "-0" and "30" minus 30 min) while the stored value
// stays signed hours * 100 + minutes.
#include <cstdint>
#include <string>
#include <string_view>

namespace horalo {

struct CarriedBalanceFields {
    std::string hours;
    std::int32_t minutes = 0;
};

CarriedBalanceFields SplitCarriedBalance(std::int32_t carriedBalance);

// Text that is no number counts as 0 hours; a lone minus sign makes the
// minutes negative.
std::int32_t JoinCarriedBalance(std::string_view hoursText, std::int32_t minutes);

}  // namespace horalo
