#pragma once
// Every "now" of the program comes through here, so tests can set the time.
#include <cstdint>
#include <functional>

namespace horalo {

using TimeValue = std::int32_t;  // seconds since 1970-01-01 00:00:00 UTC

TimeValue Now();

// Replaces the clock; an empty function restores the system clock.
void SetClock(std::function<TimeValue()> clock);

}  // namespace horalo
