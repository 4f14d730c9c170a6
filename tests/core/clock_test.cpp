#include <gtest/gtest.h>
#include "core/clock.h"
TEST(Clock, ReplaceableAndRestorable) {
    horalo::SetClock([] { return 42; });
    EXPECT_EQ(horalo::Now(), 42);
    horalo::SetClock({});
    EXPECT_GT(horalo::Now(), 1700000000);
}
