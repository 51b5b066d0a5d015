#include "support/AppHarness.h"

#include "banks/Banks.h"
#include "framework/Exceptions.h"
#include "quiz/Charts.h"
#include "quiz/Module1.h"
#include "quiz/QuestionBank.h"
#include "support/CommaDecimalLocale.h"
#include "support/RecordingGraphics.h"

#include <cstdio>
#include <limits>

using namespace Module1;
using testing_support::RecordingGraphics;

namespace {

std::vector<std::string> chartCalls()
{
    RecordingGraphics g;
    ui::drawChart(g);
    return g.calls;
}

void storeQuestion(QuestionBank bank, Integer number)
{
    gWhichQ = number;
    gGraph = 0;
    bank();
    ASSERT_EQ(gGraph, 1);
}

class ChartDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        state() = State{};
        gFont = "arial";
    }
};

TEST_F(ChartDrawing, TheHistogramOfDisplayingDataQuestion21)
{
    storeQuestion(ch2Questions, 21);
    // clang-format off
    const std::vector<std::string> expected = {
        "TextSize(9)", "TextFont(\"arial\")", "ForeColor(21, 33, 204)",
        "DrawRect(150, 85, 40, 10)", "DrawRect(190, 65, 40, 30)", "DrawRect(230, 55, 40, 40)",
        "DrawRect(270, 72, 40, 23)", "DrawRect(310, 78, 40, 17)",
        "ForeColor(0, 0, 0)",
        "DrawLine(150, 35, 150, 95)", "DrawLine(150, 95, 350, 95)",
        "DrawLine(145, 95, 150, 95)", "DrawString(\"0.00\", 120, 99)",
        "DrawLine(145, 65, 150, 65)", "DrawString(\"0.05\", 120, 69)",
        "DrawLine(145, 35, 150, 35)", "DrawString(\"0.10\", 120, 39)",
        "DrawLine(150, 95, 150, 100)", "DrawString(\"0\", 147, 109)",
        "DrawLine(190, 95, 190, 100)", "DrawString(\"5\", 187, 109)",
        "DrawLine(230, 95, 230, 100)", "DrawString(\"10\", 224, 109)",
        "DrawLine(270, 95, 270, 100)", "DrawString(\"15\", 264, 109)",
        "DrawLine(310, 95, 310, 100)", "DrawString(\"20\", 304, 109)",
        "DrawLine(350, 95, 350, 100)", "DrawString(\"25\", 344, 109)",
        "DrawString(\"\", 353, 95)", "DrawString(\"\", 120, 33)",
    };
    // clang-format on
    EXPECT_EQ(chartCalls(), expected);

    // The labels stay the same on a desktop whose decimal mark is a comma.
    testing_support::CommaDecimalLocale comma;
    ASSERT_TRUE(comma.active()) << comma.why();
    EXPECT_EQ(chartCalls(), expected) << "in " << comma.Name;
}

TEST_F(ChartDrawing, TheBarsOfQuestion23AreTwentyPixelsWideAndTheOuterOnesFlat)
{
    storeQuestion(ch2Questions, 23);
    const auto bars = testing_support::callsStartingWith(chartCalls(), "DrawRect(");
    ASSERT_EQ(bars.size(), 10u);
    EXPECT_EQ(bars.front(), "DrawRect(150, 95, 20, 0)");
    EXPECT_EQ(bars.back(), "DrawRect(330, 95, 20, 0)");
    const std::size_t barPixels = 20;
    for (std::size_t i = 0; i < bars.size(); ++i)
        EXPECT_EQ(bars[i].rfind("DrawRect(" + std::to_string(150 + barPixels * i) + ", ", 0), 0u) << bars[i];
}

TEST_F(ChartDrawing, TheOneBoxPlotOfSummarizingDataQuestion25)
{
    storeQuestion(ch3Questions, 25);
    // clang-format off
    const std::vector<std::string> expected = {
        "TextSize(9)", "TextFont(\"arial\")", "ForeColor(21, 33, 204)",
        "DrawRect(200, 50, 70, 30)",
        "PenWidth(2)", "DrawLine(220, 80, 220, 50)", "PenWidth(1)",
        "DrawLine(150, 65, 200, 65)", "DrawLine(270, 65, 350, 65)",
        "DrawLine(150, 73, 150, 58)", "DrawLine(350, 73, 350, 58)",  // Round(72.5), Round(57.5)
        "ForeColor(0, 0, 0)",
        "DrawLine(150, 95, 350, 95)",
        "DrawLine(150, 95, 150, 100)", "DrawString(\"0\", 147, 109)",
        "DrawLine(200, 95, 200, 100)", "DrawString(\"5\", 197, 109)",
        "DrawLine(250, 95, 250, 100)", "DrawString(\"10\", 244, 109)",
        "DrawLine(300, 95, 300, 100)", "DrawString(\"15\", 294, 109)",
        "DrawLine(350, 95, 350, 100)", "DrawString(\"20\", 344, 109)",
        "DrawString(\"\", 353, 95)",
    };
    // clang-format on
    EXPECT_EQ(chartCalls(), expected);
}

TEST_F(ChartDrawing, BoxPlotsOfTwoAndThreeBoxesStackAndLabelTheirBoxes)
{
    const struct {
        Integer boxes;
        double maxY;
        std::vector<Integer> labelRows; // py(level + 1) with four question lines
    } cases[] = {
        {2, 7.0, {Integer(75 - 2 * 40 / 7.0 + 0.5), Integer(75 - 5 * 40 / 7.0 + 0.5)}},
        {3, 10.0, {67, 55, 43}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.boxes) + " boxes");
        SetUp();
        gNumLinesQ = 4;
        BoxPlot chart{.boxes = {}, .labels = {}, .minX = 0, .maxX = 40, .xDivisions = 4};
        for (Integer b = 1; b <= c.boxes; ++b) {
            chart.boxes.push_back({0.0 + b, 30.0 + b, 10.0, 15.0, 20.0});
            chart.labels.push_back("n = " + std::to_string(10 * b));
        }
        storeBoxPlot(chart);
        EXPECT_EQ(gMaxPlotY, c.maxY);
        for (Integer b = 1; b <= c.boxes; ++b)
            EXPECT_EQ(gYToGraph(b), static_cast<double>(3 * b - 2));
        EXPECT_EQ(gLastObs, c.boxes);

        const auto calls = chartCalls();
        const auto labels = std::vector<std::string>(calls.end() - c.boxes, calls.end());
        for (Integer b = 1; b <= c.boxes; ++b) {
            const std::string label = "n = " + std::to_string(10 * b);
            const Integer x = 150 - 5 - 6 * static_cast<Integer>(label.size());
            EXPECT_EQ(labels[static_cast<std::size_t>(b - 1)],
                      "DrawString(\"" + label + "\", " + std::to_string(x) + ", " +
                          std::to_string(c.labelRows[static_cast<std::size_t>(b - 1)] + 4) + ")");
        }
        // Box 1 is the lowest on the screen.
        const auto rects = testing_support::callsStartingWith(calls, "DrawRect(");
        ASSERT_EQ(rects.size(), static_cast<std::size_t>(c.boxes));
        auto top = [](const std::string& rect) {
            int x = 0, y = 0;
            std::sscanf(rect.c_str(), "DrawRect(%d, %d", &x, &y);
            return y;
        };
        EXPECT_GT(top(rects.front()), top(rects.back())) << "box 1 lower (larger y) than the last";
    }
}

TEST_F(ChartDrawing, ScatterPointsOnTheAxisEndsAreDrawnAndOutsidersSkipped)
{
    gNumLinesQ = 5;
    storeScatter({.points = {{0, 5}, {10, 0}, {10, 10}, {5, 11}, {-1, 5}, {5, 5}},
                  .minX = 0,
                  .maxX = 10,
                  .stepX = 5,
                  .minY = 0,
                  .maxY = 10,
                  .stepY = 5});
    EXPECT_EQ(gXaxis, 40);
    EXPECT_EQ(gMajorXMarks, 2);
    EXPECT_EQ(gMajorYMarks, 2);
    const auto calls = chartCalls();
    const auto dots = testing_support::callsStartingWith(calls, "FillOval(");
    // Plot from x 190 to 310 and y 35 to 95: px(v) = 190 + 12 v, py(v) = 95 - 6 v.
    EXPECT_EQ(dots, (std::vector<std::string>{"FillOval(190, 65, 2, 2)", "FillOval(310, 95, 2, 2)",
                                              "FillOval(310, 35, 2, 2)", "FillOval(250, 65, 2, 2)"}));
    EXPECT_NE(std::find(calls.begin(), calls.end(), "DrawLine(190, 35, 190, 95)"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "DrawLine(190, 95, 310, 95)"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "DrawString(\"10\", 172, 39)"), calls.end());
}

// A position that no Integer holds ends the paint with the out-of-bounds exception; a
// value that is not a number fails the range test like any outsider and is never placed.
TEST_F(ChartDrawing, PositionsThatNoIntegerHoldsRaiseOutOfBounds)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* what;
        Scatter chart;
        bool throws;
    } cases[] = {
        {"empty x range",
         {.points = {{5, 5}}, .minX = 5, .maxX = 5, .stepX = 1, .minY = 0, .maxY = 10, .stepY = 5},
         true},
        {"empty y range",
         {.points = {{5, 5}}, .minX = 0, .maxX = 10, .stepX = 5, .minY = 5, .maxY = 5, .stepY = 1},
         true},
        {"x beyond any pixel",
         {.points = {{1e307, 5}}, .minX = -1e307, .maxX = 1e307, .stepX = 1e307, .minY = 0, .maxY = 10, .stepY = 5},
         true},
        {"a point not a number",
         {.points = {{nan, 5}, {5, nan}, {5, 5}}, .minX = 0, .maxX = 10, .stepX = 5, .minY = 0, .maxY = 10, .stepY = 5},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        gNumLinesQ = 5;
        storeScatter(c.chart);
        if (c.throws) {
            RecordingGraphics g;
            EXPECT_THROW(ui::drawChart(g), framework::OutOfBoundsException);
        } else {
            EXPECT_EQ(testing_support::callsStartingWith(chartCalls(), "FillOval("),
                      std::vector<std::string>{"FillOval(250, 65, 2, 2)"});
        }
    }
}

TEST_F(ChartDrawing, NoDivisionsDrawNoTicks)
{
    gNumLinesQ = 5;
    storeScatter({.points = {{1, 1}}, .minX = 0, .maxX = 10, .stepX = 100, .minY = 0, .maxY = 10, .stepY = 100});
    EXPECT_EQ(gMajorXMarks, 0);
    const auto calls = chartCalls();
    for (const auto& call : calls)
        EXPECT_TRUE(call.rfind("DrawString(", 0) != 0 || call.find("\"\"") != std::string::npos) << call;
}

class ChartRendering : public testing_support::AppTest {};

// Every chart question, shown by number through its menu item, stands in the band
// between question line 1 and the upper rule.
TEST_F(ChartRendering, ChartsSitBetweenTheFirstLineAndTheUpperRule)
{
    const struct {
        const char* item;
        int inkAtLeast; // blue pixels in the band: bars and boxes, or a scatter's dots
    } categories[] = {
        {"StatisticalDataDisplayingData", 100},           {"StatisticalDataSummarizingData", 100},
        {"StatisticalInferenceComparingTwoSamples", 100}, {"StatisticalInferenceANOVA", 100},
        {"StatisticalInferenceSimpleRegression", 20},
    };
    for (const auto& [item, inkAtLeast] : categories) {
        int charts = 0;
        for (Integer q = 1; q <= 30; ++q) {
            SCOPED_TRACE(std::string(item) + ", question " + std::to_string(q));
            scriptRnd({static_cast<double>(q) / 30}); // the draw of one category: Round(30 r)
            choose(item);
            ASSERT_EQ(gWhichQ, q);
            if (gGraph != 1)
                continue;
            ++charts;
            const QImage image = render();
            int inBand = 0;
            int outside = 0;
            for (int y = 0; y < 306; ++y)
                for (int x = 100; x < 400; ++x) {
                    const QRgb p = image.pixel(x, y);
                    const bool dataBlue = qBlue(p) > 150 && qRed(p) < 120 && qGreen(p) < 120;
                    if (!dataBlue || y == gLine || y == gLine + 120)
                        continue;
                    (y > 28 && y < gLine ? inBand : outside) += 1;
                }
            EXPECT_GT(inBand, inkAtLeast);
            EXPECT_EQ(outside, 0);
        }
        EXPECT_GT(charts, 0) << item << " has no chart question";
    }
}

} // namespace
