// What every bank keeps, tested once for all ten: how a number selects a question, what a
// question stores, and that it writes nothing else. Each bank's own file tests its answer
// key, its quoted texts and the figures its questions compute.

#include "banks/Banks.h"
#include "support/BankChecks.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <set>
#include <string>
#include <vector>

// How GoogleTest names a category in its messages.
namespace Module1 {
void PrintTo(const Category& category, std::ostream* os)
{
    *os << category.title;
}
} // namespace Module1

namespace {

using namespace Module1;
using testing_support::Fields;
using testing_support::StoredQuestion;

class EveryBank : public ::testing::TestWithParam<Category> {};

// After a chart question stored over fillWithEarlier(): the elements that its counts do not
// cover, and element 0, keep what was there, so that a shorter chart after a longer one
// leaves the longer one's tail (the paint reads only within the counts).
void expectChartElementsBeyondItsCountsKept(Integer kind)
{
    for (Integer i = 0; i <= gChartType.Ubound(); ++i)
        if (i != 2) {
            EXPECT_EQ(gChartType(i), 9) << "chart kind element " << i;
        }
    for (Integer i = 0; i <= gXToGraph.Ubound(); ++i)
        if (i < gFirstObs || i > gLastObs) {
            EXPECT_EQ(gXToGraph(i), -7.0) << "x element " << i << " lies beyond the count";
            EXPECT_EQ(gYToGraph(i), -7.0) << "y element " << i << " lies beyond the count";
        }
    for (Integer b = 0; b <= gBoxplot.Ubound(1); ++b) {
        const bool drawn = kind == ChartBoxPlot && b >= 1 && b <= gNumBoxes;
        if (!drawn) {
            EXPECT_EQ(gBarName(b), "earlier") << "box label " << b << " lies beyond the count";
        }
        for (Integer k = 0; k <= gBoxplot.Ubound(2); ++k)
            if (!drawn || k == 0) {
                EXPECT_EQ(gBoxplot(b, k), -7.0) << "box " << b << ", value " << k << " lies beyond the count";
            }
    }
}

TEST_P(EveryBank, StoresNothingForANumberWithoutAQuestion)
{
    testing_support::expectNothingStoredOutside(GetParam().bank);
}

// On a record full of an earlier question's leftovers, each number from 1 to 30 writes its
// whole question, the lines its counts cover and no others; a text question leaves the
// chart as it was, and a chart question keeps its chart's room free below line 1 and
// writes no chart element beyond its counts.
TEST_P(EveryBank, EachNumberStoresItsWholeQuestionAndNothingBeyond)
{
    const QuestionBank bank = GetParam().bank;
    const std::string earlier = "earlier";
    std::set<Lines> questions;
    for (Integer n = 1; n <= QuestionsPerBank; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        state() = State{};
        testing_support::fillWithEarlier();
        const Fields chartBefore = testing_support::chartFields();
        gWhichQ = n;
        bank();

        EXPECT_GE(gCorrAnswer, 1);
        EXPECT_LE(gCorrAnswer, 5);
        ASSERT_GE(gNumLinesQ, 1);
        ASSERT_LE(gNumLinesQ, 5);
        EXPECT_EQ(gMsgQ(0), earlier) << "element 0 holds no data";
        EXPECT_FALSE(gMsgQ(1).empty());
        for (Integer i = 1; i <= gMsgQ.Ubound(); ++i) {
            if (i > gNumLinesQ) {
                EXPECT_EQ(gMsgQ(i), earlier) << "line " << i << " lies beyond the count";
            } else {
                EXPECT_NE(gMsgQ(i), earlier) << "line " << i;
            }
        }
        EXPECT_EQ(gMsgA(0), earlier);
        EXPECT_EQ(gNumLinesH(0), 9);
        for (Integer a = 1; a <= 5; ++a) {
            SCOPED_TRACE("answer " + std::to_string(a));
            EXPECT_NE(gMsgA(a), earlier);
            EXPECT_FALSE(gMsgA(a).empty());
            ASSERT_GE(gNumLinesH(a), 1);
            ASSERT_LE(gNumLinesH(a), 5);
            EXPECT_EQ(gMsgH(0, a), earlier);
            for (Integer j = 1; j <= gMsgH.Ubound(1); ++j) {
                if (j > gNumLinesH(a)) {
                    EXPECT_EQ(gMsgH(j, a), earlier) << "hint line " << j << " lies beyond the count";
                } else {
                    EXPECT_NE(gMsgH(j, a), earlier) << "hint line " << j;
                    EXPECT_FALSE(gMsgH(j, a).empty()) << "hint line " << j;
                }
            }
        }

        if (gGraph == 0) {
            EXPECT_TRUE(testing_support::chartFields() == chartBefore) << "a text question writes no chart field";
            for (Integer i = 1; i <= gNumLinesQ; ++i)
                EXPECT_FALSE(gMsgQ(i).empty()) << "line " << i;
        } else {
            EXPECT_EQ(gGraph, 1);
            const Integer kind = gChartType(2);
            EXPECT_TRUE(kind == ChartScatter || kind == ChartHistogram || kind == ChartBoxPlot) << "kind " << kind;
            const bool boxes = kind == ChartBoxPlot && gNumBoxes >= 2;
            EXPECT_EQ(gNumLinesQ, boxes ? 4 : 5) << "room for the chart";
            for (Integer i = 2; i <= gNumLinesQ; ++i)
                EXPECT_TRUE(gMsgQ(i).empty()) << "line " << i;
            expectChartElementsBeyondItsCountsKept(kind);
        }

        questions.insert(testing_support::textsOf(testing_support::readBack()));
    }
    EXPECT_EQ(questions.size(), static_cast<std::size_t>(QuestionsPerBank)) << "each number a question of its own";
}

// What the chart of the question on screen draws from: the fields within the counts.
struct DrawnChart {
    Integer graph = 0;
    Integer kind = 0;
    std::vector<double> numbers;
    std::vector<Integer> integers;
    std::vector<std::string> labels;
    bool operator==(const DrawnChart&) const = default;
};

DrawnChart drawnChart()
{
    DrawnChart c;
    c.graph = gGraph;
    if (gGraph == 0)
        return c;
    c.kind = gChartType(2);
    c.numbers = {gMinPlotX, gMaxPlotX, gMinPlotY, gMaxPlotY};
    c.integers = {gFirstObs, gLastObs, gMajorXMarks, gMajorYMarks, gXDecimals, gYDecimals, gXaxis, gYaxis, gNumBoxes};
    c.labels = {gXAxisLabel, gYAxisLabel};
    if (c.kind == ChartBoxPlot) {
        for (Integer b = 1; b <= gNumBoxes; ++b) {
            c.labels.push_back(gBarName(b));
            for (Integer k = 1; k <= 5; ++k)
                c.numbers.push_back(gBoxplot(b, k));
        }
    } else {
        for (Integer i = gFirstObs; i <= gLastObs; ++i) {
            c.numbers.push_back(gXToGraph(i));
            c.numbers.push_back(gYToGraph(i));
        }
    }
    return c;
}

// A bank reads nothing but gWhichQ: a question shows the same whichever question, its
// own included, the engine asked before it.
TEST_P(EveryBank, AQuestionIsTheSameWhicheverCameBefore)
{
    const QuestionBank bank = GetParam().bank;
    for (Integer n = 1; n <= QuestionsPerBank; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const StoredQuestion alone = testing_support::storeThrough(bank, n);
        const DrawnChart chart = drawnChart();
        for (Integer before = 1; before <= QuestionsPerBank; ++before) {
            testing_support::storeThrough(bank, before);
            gWhichQ = n;
            gGraph = 0;
            bank();
            EXPECT_TRUE(testing_support::readBack() == alone) << "after question " << before;
            EXPECT_TRUE(drawnChart() == chart) << "after question " << before;
        }
    }
}

// Each category by its title in letters alone: Banks/EveryBank.*/ChiSquareTests.
INSTANTIATE_TEST_SUITE_P(Banks, EveryBank, ::testing::ValuesIn(categories),
                         [](const ::testing::TestParamInfo<Category>& info) {
                             std::string name;
                             for (const char* c = info.param.title; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c)))
                                     name += *c;
                             return name;
                         });

} // namespace
