#pragma once
// The vertical scale of the year chart: each month's surplus less deficit
// as a bar, the account at each month's end as a line, the hours deducted
// as marks, all on one axis in hours. The scale holds every value and
// zero, and its lines fall on whole hours of a round step.
#include <cstdint>
#include <span>

namespace horalo {

struct ChartScale {
    std::int64_t low = 0;   // seconds, a multiple of step, at most 0
    std::int64_t high = 0;  // seconds, a multiple of step, at least 0, above low
    std::int64_t step = 0;  // seconds between the axis's labelled lines: 1, 2 or 5 times a power of ten hours
    int Lines() const { return static_cast<int>((high - low) / step) + 1; }
};

// At most this many steps fit the chart's height with readable labels.
inline constexpr int kMostChartSteps = 8;

ChartScale ScaleFor(std::span<const std::int64_t> seconds);

}  // namespace horalo
