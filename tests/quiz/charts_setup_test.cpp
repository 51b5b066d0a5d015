#include "framework/Exceptions.h"
#include "quiz/Charts.h"
#include "quiz/Module1.h"
#include "quiz/QuestionBank.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Module1;

TEST(AxisValue, FormatsZeroToEightDecimalsAndNothingElse)
{
    const struct {
        Integer decimals;
        double value;
        const char* text;
    } cases[] = {
        {0, 25.0, "25"},     {0, 1234.0, "1,234"}, {1, 0.5, "0.5"},       {2, 0.1, "0.10"},
        {2, 0.05, "0.05"},   {2, 0.0, "0.00"},     {3, -1.5, "-1.500"},   {4, 0.0325, "0.0325"},
        {5, 1.0, "1.00000"}, {6, 2.5, "2.500000"}, {7, 0.1, "0.1000000"}, {8, 1e6, "1,000,000.00000000"},
        {-1, 1.0, ""},       {9, 1.0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(axisValue(c.value, c.decimals), c.text) << c.decimals << " decimals of " << c.value;
}

// The divisions come from range / step; a step that gives no whole count of divisions
// stops the store with the out-of-bounds exception instead of leaving any count behind.
TEST(ChartStores, DivisionsThatNoIntegerHoldsRaiseOutOfBounds)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* what;
        Scatter chart;
    } scatters[] = {
        {"x step 0", {.points = {{1, 1}}, .minX = 0, .maxX = 10, .stepX = 0, .minY = 0, .maxY = 10, .stepY = 5}},
        {"y step 0", {.points = {{1, 1}}, .minX = 0, .maxX = 10, .stepX = 5, .minY = 0, .maxY = 10, .stepY = 0}},
        {"y range not a number",
         {.points = {{1, 1}}, .minX = 0, .maxX = 10, .stepX = 5, .minY = 0, .maxY = nan, .stepY = 5}},
        {"1e30 divisions",
         {.points = {{1, 1}}, .minX = 0, .maxX = 1e30, .stepX = 1, .minY = 0, .maxY = 10, .stepY = 5}},
    };
    for (const auto& c : scatters) {
        state() = State{};
        EXPECT_THROW(storeScatter(c.chart), framework::OutOfBoundsException) << c.what;
        EXPECT_EQ(gGraph, 0) << c.what << ": no chart set up";
    }

    state() = State{};
    EXPECT_THROW(storeHistogram({.maxX = 25, .barWidth = 0, .counts = {1}, .totalCount = 1, .maxY = 0.1}),
                 framework::OutOfBoundsException);
    EXPECT_EQ(gGraph, 0);
}
