#include "core/clock.h"

#include <ctime>

namespace horalo {
namespace {
std::function<TimeValue()>& ClockFunction() {
    static std::function<TimeValue()> clock;
    return clock;
}
}  // namespace

TimeValue Now() {
    const auto& clock = ClockFunction();
    return clock ? clock() : static_cast<TimeValue>(std::time(nullptr));
}

void SetClock(std::function<TimeValue()> clock) { ClockFunction() = std::move(clock); }

}  // namespace horalo
