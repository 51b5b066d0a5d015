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

// The rows and places the screens are drawn on, for a two-line text question and for the
// banks' chart questions (five lines; four for two and three boxes).
TEST(Layout, RowsOfTheQuestionScreen)
{
    EXPECT_EQ(layout::questionBaseline(1), 25);
    EXPECT_EQ(layout::questionBaseline(5), 105);

    const struct {
        Integer lines;
        Integer rule;
        Integer firstAnswerTop;
        Integer firstAnswerBaseline;
        Integer firstHintBaseline;
        Integer chartBottom;
    } cases[] = {
        {2, 58, 70, 82, 205, 35},
        {4, 98, 110, 122, 245, 75},
        {5, 118, 130, 142, 265, 95},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.lines) + " lines");
        EXPECT_EQ(layout::ruleRow(c.lines), c.rule);
        EXPECT_EQ(layout::answerTop(c.lines, 0), c.firstAnswerTop);
        EXPECT_EQ(layout::answerTop(c.lines, 4), c.firstAnswerTop + 80);
        EXPECT_EQ(layout::answerBaseline(c.lines, 0), c.firstAnswerBaseline);
        EXPECT_EQ(layout::answerBaseline(c.lines, 4), c.firstAnswerBaseline + 80);
        EXPECT_EQ(layout::hintBaseline(c.lines, 1), c.firstHintBaseline);
        EXPECT_EQ(layout::hintBaseline(c.lines, 3), c.firstHintBaseline + 40);
        EXPECT_EQ(layout::chartBottom(c.lines), c.chartBottom);
    }
}

// The places derived from others: "Okay" and "Pass" in the 511-pixel window, and the chart's
// top, 10 pixels above question line 2's baseline as its bottom lies above line n's.
TEST(Layout, DerivedPlacesOfTheButtonsAndTheChart)
{
    EXPECT_EQ(layout::okayLeft(layout::ContentWidth), 438);
    EXPECT_EQ(layout::passLeft(layout::okayLeft(layout::ContentWidth)), 368);
    EXPECT_EQ(layout::PlotTop, 35);
    EXPECT_EQ(layout::questionBaseline(5) - layout::chartBottom(5), layout::questionBaseline(2) - layout::PlotTop);
}
