#pragma once
// Every "now" of the program comes through here, so tests can set the time.
#include <cstdint>
#include <functional>

namespace horalo {

// Seconds since 1970-01-01 00:00:00 UTC. Wider than the log's 32-bit fields,
// so that differences and sums of times never wrap.
using TimeValue = std::int64_t;

TimeValue Now();

// Replaces the clock; an empty function restores the system clock.
void SetClock(std::function<TimeValue()> clock);

}  // namespace horalo
