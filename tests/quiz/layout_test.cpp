#include "framework/Runtime.h"
#include "quiz/Layout.h"

#include <gtest/gtest.h>

using namespace Module1;
using framework::Integer;

// The paint rounds its integer quotients without going through a double; they must land
// where Round lands, halves and negative numerators (a text wider than the window) included.
TEST(Layout, RoundedQuotientsRoundAsRoundDoes)
{
    for (const Integer denominator : {1, 2, 3, 4, 7, 8, 10, 80})
        for (Integer numerator = -200; numerator <= 200; ++numerator)
            ASSERT_EQ(layout::roundedQuotient(numerator, denominator),
                      static_cast<Integer>(
                          framework::Round(static_cast<double>(numerator) / static_cast<double>(denominator))))
                << numerator << " / " << denominator;
}
