// What the window's Open event does before the first paint: the warm-up of the random
// generator, from the clock's count of seconds.

#include "ui/OpenWarmUp.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using framework::Integer;

TEST(OpenWarmUp, CallsRndOnceForEachSecondsRemainderPlusOne)
{
    const struct {
        double seconds;
        Integer calls;
    } cases[] = {
        {1234567890.9, 891}, {999.0, 1000}, {0.0, 1},          {-5.5, 0},
        {2147483648.0, 0},   {1e12, 0},     {std::nan(""), 0}, {2147483647.0, 648},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::warmUpCalls(c.seconds), c.calls) << c.seconds;
}

} // namespace
