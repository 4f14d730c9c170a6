// The year chart's scale: every value and zero inside, round steps of
// whole hours, never more steps than fit.
#include "core/evaluation/year_chart.h"

#include <gtest/gtest.h>

#include <vector>

namespace horalo {
namespace {

constexpr std::int64_t kHour = 3600;

TEST(YearChart, TheScaleHoldsEveryValueAndZeroInRoundSteps) {
    const struct {
        const char* name;
        std::vector<std::int64_t> values;
        ChartScale scale;
    } cases[] = {
        {"nothing yet", {0, 0, 0}, {0, kHour, kHour}},
        {"all positive", {90 * 60, 12 * kHour + 600}, {0, 14 * kHour, 2 * kHour}},
        {"all negative", {-kHour, -(7 * kHour + 1)}, {-8 * kHour, 0, kHour}},
        {"mixed", {-(3 * kHour), 25 * kHour, 10 * kHour}, {-5 * kHour, 25 * kHour, 5 * kHour}},
        {"a minute", {60}, {0, kHour, kHour}},
        {"years of overtime", {-10 * kHour, 450 * kHour}, {-100 * kHour, 500 * kHour, 100 * kHour}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartScale scale = ScaleFor(c.values);
        EXPECT_EQ(scale.low, c.scale.low);
        EXPECT_EQ(scale.high, c.scale.high);
        EXPECT_EQ(scale.step, c.scale.step);
        EXPECT_LE(scale.Lines() - 1, kMostChartSteps);
    }
}

}  // namespace
}  // namespace horalo
