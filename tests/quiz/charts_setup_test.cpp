#include "quiz/Charts.h"
#include "quiz/Module1.h"

#include <gtest/gtest.h>

using namespace Module1;

TEST(AxisValue, FormatsZeroToEightDecimalsAndNothingElse)
{
    const struct {
        Integer decimals;
        double value;
        const char* text;
    } cases[] = {
        {0, 25.0, "25"},       {0, 1234.0, "1,234"},       {1, 0.5, "0.5"},
        {2, 0.1, "0.10"},      {2, 0.05, "0.05"},          {2, 0.0, "0.00"},
        {3, -1.5, "-1.500"},   {4, 0.0325, "0.0325"},      {5, 1.0, "1.00000"},
        {6, 2.5, "2.500000"},  {7, 0.1, "0.1000000"},      {8, 1e6, "1,000,000.00000000"},
        {-1, 1.0, ""},         {9, 1.0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(axisValue(c.value, c.decimals), c.text) << c.decimals << " decimals of " << c.value;
}
