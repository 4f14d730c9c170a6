#pragma once
// The texts the placeholders of a time sheet draw.
#include <cstdint>
#include <string>

#include "core/sheet/placeholder.h"
#include "core/sheet/time_sheet.h"

namespace horalo {

// Times of day (values above 4,000,000, a point in time) as " hh:mm" with a
// blank in front, durations as sign, hours and minutes, seven characters;
// 1000 hours or more are shown whole and take more. 0 gives the empty text.
std::string TimeField(std::int64_t value);

// The text the placeholder draws for this sheet; empty when it draws
// nothing (an unknown kind or selector, a day it does not address, a 0).
std::string PlaceholderText(const Placeholder& placeholder, const TimeSheet& sheet);

}  // namespace horalo
