#include "core/sheet/time_sheet.h"

namespace horalo {

namespace {

std::int32_t Wrap(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

}  // namespace

std::int32_t CarriedSeconds(std::int32_t carriedBalance) {
    // Truncating division keeps the sign on both parts: -130 is -1 h and -30 min.
    return Wrap(std::int64_t{carriedBalance / 100} * 3600 + std::int64_t{carriedBalance % 100} * 60);
}

std::int32_t MonthDifference(const TimeSheet& sheet) {
    return Wrap(std::int64_t{sheet.evaluation.surplusTotal} - sheet.evaluation.deficitTotal);
}

std::int32_t DeductedSeconds(std::int32_t hoursDeducted) {
    return Wrap(std::int64_t{hoursDeducted} * 3600);
}

std::int32_t MonthFinalBalance(const TimeSheet& sheet) {
    // Wrapping is modular, so wrapping each part first changes nothing.
    return Wrap(std::int64_t{MonthDifference(sheet)} + CarriedSeconds(sheet.carriedBalance) -
                DeductedSeconds(sheet.hoursDeducted));
}

std::int32_t CarriedBalanceOf(std::int32_t seconds) {
    return seconds / 3600 * 100 + seconds / 60 % 60;
}

}  // namespace horalo
