#include "core/evaluation/year_chart.h"

#include <algorithm>

namespace horalo {
namespace {

constexpr std::int64_t kHour = 3600;

// The smallest round step, in whole hours, that spans the range in at most
// kMostChartSteps steps.
std::int64_t RoundStep(std::int64_t range) {
    for (std::int64_t power = kHour;; power *= 10)
        for (const std::int64_t factor : {1, 2, 5})
            if (range <= factor * power * kMostChartSteps) return factor * power;
}

std::int64_t Down(std::int64_t value, std::int64_t step) { return value >= 0 ? value / step * step : -((-value + step - 1) / step * step); }
std::int64_t Up(std::int64_t value, std::int64_t step) { return -Down(-value, step); }

}  // namespace

ChartScale ScaleFor(std::span<const std::int64_t> seconds) {
    std::int64_t low = 0, high = 0;
    for (const std::int64_t value : seconds) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    // An empty year still draws an axis of one hour.
    if (low == high) high = kHour;
    // Rounding outwards may add a step at each end: the step is chosen for
    // the range with them.
    std::int64_t step = RoundStep(high - low);
    while ((Up(high, step) - Down(low, step)) / step > kMostChartSteps) step = RoundStep(step * kMostChartSteps + 1);
    return {Down(low, step), Up(high, step), step};
}

}  // namespace horalo
