#include "banks/Banks.h"
#include "quiz/Module1.h"
#include "support/BankChecks.h"
#include "support/Significance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace testing_support;
using Module1::ch11Questions;
using Module1::Integer;

const std::vector<Integer> scatterQuestions = {1, 2, 3, 4, 22, 23, 24, 25, 26, 27, 28, 29, 30};

bool isScatter(Integer n)
{
    return n <= 4 || n >= 22;
}

// ---------------------------------------------------------------------------------------
// The whole sheet: every row, and every question's options exactly.

const std::string correlationLine = "What is the correlation coefficient for the data described by this figure?";
const std::string pValueLine = "What is the 2-sided p value for H0: b = 0 using the data in this figure?";
const std::string slopeLine = "What is the least squares estimate of b in this simple regression model?";
const std::string rSquaredLine = "What is the value of R-squared in this simple regression model?";
const std::string problemLine = "What problem is there in estimating this simple regression model?";

const std::array<Integer, 5> oneLineEach = {1, 1, 1, 1, 1};
const Answers ranges = {"0 to 1.", "0 to infinity.", "-infinity to 0.", "-infinity to +infinity.", "-1 to +1."};

// clang-format off
const std::vector<SheetRow> sheet = {
    {{1, correlationLine, 4, 5, oneLineEach, true}, {"-0.19", "0.03", "0.10", "0.47", "0.95"}},
    {{2, correlationLine, 3, 5, oneLineEach, true}, {"-0.8", "-0.4", "0.0", "0.4", "0.8"}},
    {{3, correlationLine, 5, 5, oneLineEach, true}, {"-1.0", "-0.5", "0.0", "0.5", "1.0"}},
    {{4, correlationLine, 1, 5, oneLineEach, true}, {"-0.5", "0.0", "0.3", "0.5", "0.9"}},
    {{5, "The data used in the simple regression model", 5, 1, {2, 2, 2, 2, 1}},
     {"box plot.", "cat's cradle.", "histogram.", "stem-and-leaf diagram.", "scatter diagram."}},
    {{6, "In the simple regression model y = a + bx, the parameter a", 2, 1, {2, 1, 1, 1, 2}},
     {"x-intercept.", "y-intercept.", "slope.", "inverse of the slope.", "correlation coefficient."}},
    {{7, "In the simple regression model y = a + bx, the parameter b", 3, 1, {1, 1, 1, 1, 2}},
     {"x-intercept.", "y-intercept.", "change in y from a unit change in x.", "change in x from a unit change in y.",
      "goodness of fit."}},
    {{8, "In the simple regression model y = a + bx, the variable x", 5, 1, {1, 1, 1, 1, 1}},
     {"x-intercept.", "y-intercept.", "change in y from a unit change in x.", "change in x from a unit change in y.",
      "explanatory variable."}},
    {{9, "In the simple regression model y = a + bx, the variable y", 4, 1, {1, 2, 1, 1, 2}},
     {"y-intercept.", "error term.", "change in y from a unit change in x.", "dependent variable.",
      "disturbance term."}},
    {{10, "The simple regression model is y = a + bx + e", 3, 2, {3, 3, 2, 2, 2}},
     {"x is constant.", "y is constant.", "e and x are independent.", "y and x are independent.",
      "e and y are independent."}},
    {{11, "The least squares estimates of a and b", 1, 2, {2, 1, 1, 2, 2}},
     {"prediction errors.", "correlations.", "betas.", "values of x.", "values of y."}},
    {{12, "The most natural null hypothesis", 2, 1, {2, 3, 2, 2, 2}},
     {"intercept = 0.", "slope = 0.", "error term = 0.", "y = x.", "t = 0."}},
    {{13, "For testing the null hypothesis b = 0, the t statistic is the number", 5, 2, {2, 2, 2, 2, 4}},
     {"intercept is from 0.", "error term is from 0.", "explanatory variable is from 0.",
      "dependent variable is from 0.", "estimated slope is from 0."}},
    {{14, "For testing the null hypothesis b = 0, the t statistic is the estimate", 1, 2, {4, 2, 2, 2, 2}},
     {"b", "e", "t", "x", "y"}},
    {{15, "Of the 10 baseball players with the highest batting averages in 1997, 9", 5, 3, {3, 1, 3, 1, 3}},
     {"the law of large numbers.", "the law of misplaced concreteness.", "the law of averages.", "Occam's razor.",
      "regression toward the mean."}},
    {{16, "In a study of two statistics tests", 5, 3, {2, 1, 1, 2, 3}},
     {"selection bias.", "nonresponse bias.", "survivor bias.", "sampling error.", "regression toward the mean."}},
    {{17, "In the simple regression model, the correlation coefficient", 2, 1, {1, 1, 1, 1, 1}},
     {"R-squared", "plus or minus the square root of R-squared.", "1 - R-squared.", "the square root of (1 - R-squared).",
      "1/R-squared."}},
    {{18, "The values of the correlation coefficient", 5, 2, {1, 1, 1, 1, 3}}, ranges},
    {{19, "The values of R-squared", 1, 1, {3, 1, 1, 1, 1}}, ranges},
    {{20, "A simple regression using 54 observations", 1, 3, {2, 1, 1, 1, 1}},
     {"3.3*10^-61", "0.009", "0.03", "0.61", "0.93."}},
    {{21, "A simple regression using 30 observations", 3, 3, {1, 1, 3, 1, 1}},
     {"4.8*10^-7", "0.001", "0.06", "0.23", "0.95."}},
    {{22, pValueLine, 4, 5, oneLineEach, true}, {"-0.05", "0.00", "0.02", "0.19", "0.95"}},
    {{23, slopeLine, 2, 5, oneLineEach, true}, {"-2", "-1", "0", "1", "2"}},
    {{24, pValueLine, 2, 5, oneLineEach, true}, {"1.0*10^-8", "0.0003", "0.1", "0.4", "0.8"}},
    {{25, slopeLine, 3, 5, oneLineEach, true}, {"0.18", "0.9", "1.7", "9", "18"}},
    {{26, rSquaredLine, 3, 5, oneLineEach, true}, {"0.2", "0.4", "0.8", "1", "10"}},
    {{27, rSquaredLine, 1, 5, oneLineEach, true}, {"0.06", "0.25", "0.50", "0.75", "0.95"}},
    {{28, pValueLine, 3, 5, oneLineEach, true}, {"1.5*10^-9", "0.005", "0.13", "0.50", "0.95"}},
    {{29, slopeLine, 1, 5, oneLineEach, true}, {"0.5", "1", "2", "4", "10"}},
    {{30, problemLine, 4, 5, oneLineEach, true},
     {"insufficient variation in x", "insufficient variation in y", "insufficient variation in e", "an outlier",
      "x and y have the same range."}},
};
// clang-format on

TEST(SimpleRegression, EveryQuestionHasItsRightAnswerLineCountsAndOptions)
{
    expectSheet(ch11Questions, sheet);
    // Each kind of scatter question shares one question line, with four empty lines below.
    for (const SheetRow& entry : sheet) {
        SCOPED_TRACE("question " + std::to_string(entry.row.number));
        if (entry.row.chart) {
            EXPECT_EQ(storeThrough(ch11Questions, entry.row.number).lines, (Lines{entry.row.name, "", "", "", ""}));
        }
    }
}

TEST(SimpleRegression, TextsKeepTheConventions)
{
    expectTextConventions(ch11Questions);

    for (Integer n = 1; n <= 30; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const StoredQuestion q = storeThrough(ch11Questions, n);
        if (!isScatter(n)) {
            EXPECT_LE(q.lines.size(), 3u);
            for (const auto& hint : q.hints)
                EXPECT_LE(hint.size(), 4u);
        }
    }

    // Sentences inside a line are parted by two blanks; a colon or semicolon by one.
    expectNoTextMatches(ch11Questions, {R"([.?!] [^ ])", R"([:;,]  |   )"});
}

TEST(SimpleRegression, QuotedQuestionsAreStoredWordForWord)
{
    const Lines symbol = {"No, think about the mathematical symbol for the correlation coefficient."};
    // r carries the sign of the slope: a plain square root would be wrong for a falling line.
    expectQuestion(ch11Questions, 17, 2, {"In the simple regression model, the correlation coefficient is equal to"},
                   {"R-squared", "plus or minus the square root of R-squared.", "1 - R-squared.",
                    "the square root of (1 - R-squared).", "1/R-squared."},
                   {{symbol,
                     {"Yes, r is the square root of R-squared, taken with the sign of the slope b."},
                     symbol,
                     symbol,
                     symbol}});

    expectQuestion(ch11Questions, 30, 4,
                   {"What problem is there in estimating this simple regression model?", "", "", "", ""},
                   {"insufficient variation in x", "insufficient variation in y", "insufficient variation in e",
                    "an outlier", "x and y have the same range."},
                   {{{"No, there is plenty of variation in x."},
                     {"No, why would we want more variation in y?"},
                     {"No, why would we want more variation in e?"},
                     {"Yes, the relationship is negative, except for this peculiar outlier."},
                     {"No, this doesn't cause any problems."}}});
}

TEST(SimpleRegression, StockAndSharedHintsStandWhereTheyBelong)
{
    const std::map<Place, Lines> hints = allHints(ch11Questions);

    // One-line stock hints: there and nowhere else.
    // clang-format off
    expectStockLinesOnlyAt(ch11Questions, {
        {"No, you are guessing.  Think about the t value.",
         {{20, 2}, {20, 3}, {20, 4}, {20, 5}, {21, 1}, {21, 2}, {21, 4}, {21, 5}}},
        {"No, think about the mathematical symbol for the correlation coefficient.", {{17, 1}, {17, 3}, {17, 4}, {17, 5}}},
        {"No, R-squared cannot be negative.", {{19, 3}, {19, 4}, {19, 5}}},
        {"No, visualize a fitted line and then estimate its slope.",
         {{23, 1}, {23, 3}, {23, 4}, {23, 5}, {25, 1}, {25, 2}, {25, 4}, {25, 5}, {29, 2}, {29, 3}, {29, 4}, {29, 5}}},
    });
    // clang-format on

    // Answers that share one hint, and what the shared hint is about.
    struct Shared {
        std::vector<Place> places;
        Integer lines;
        std::string about;
    };
    // clang-format off
    const std::vector<Shared> shared = {
        {{{5, 1}, {5, 3}, {5, 4}}, 2, "cannot show whether"},
        {{{7, 1}, {7, 2}}, 1, "slope"},
        {{{11, 2}, {11, 3}}, 1, "objective"},
        {{{13, 1}, {13, 2}, {13, 3}, {13, 4}}, 2, "t test of a population mean"},
        {{{14, 2}, {14, 3}, {14, 4}, {14, 5}}, 2, "t test of a population mean"},
        {{{18, 1}, {18, 2}}, 1, "can be negative"},
    };
    // clang-format on
    for (const Shared& group : shared) {
        const Lines& first = hints.at(group.places[0]);
        EXPECT_EQ(static_cast<Integer>(first.size()), group.lines) << group.about;
        EXPECT_NE(joined(first).find(group.about), std::string::npos) << joined(first);
        expectSharedHints(ch11Questions, {group.places});
    }

    // What the table says particular hints say.
    // clang-format off
    const std::vector<std::pair<Place, std::string>> saying = {
        {{6, 3}, "b"}, {{6, 4}, "1/b"}, {{7, 4}, "1/b"}, {{8, 1}, "-a/b"}, {{8, 3}, "b, the slope"},
        {{8, 4}, "1/b"}, {{9, 2}, "disturbance term"}, {{9, 5}, "error term"}, {{15, 2}, "silly"},
        {{15, 3}, "fallacy"}, {{5, 2}, "silly"}, {{19, 2}, "cannot be infinite"}, {{18, 3}, "can be positive"},
        {{18, 4}, "bounded"}, {{20, 1}, "2.77/0.0276"}, {{21, 3}, "-1.34/0.68 = -1.97"}, {{26, 5}, "larger than 1"},
        {{22, 1}, "cannot be negative"},
    };
    // clang-format on
    for (const auto& [place, text] : saying)
        EXPECT_NE(joined(hints.at(place)).find(text), std::string::npos)
            << where(place) << ": " << joined(hints.at(place));

    // Every wrong hint of questions 6 and 10 (picture the line; which assumption?).
    for (Integer a : {1, 3, 4, 5})
        EXPECT_NE(joined(hints.at({6, a})).find("picture the graph of the line"), std::string::npos) << a;
    for (Integer a : {1, 2, 4, 5})
        EXPECT_NE(joined(hints.at({10, a})).find("would make our estimate of b systematically wrong?"),
                  std::string::npos)
            << a;
    for (Integer a : {1, 3, 4, 5})
        EXPECT_NE(joined(hints.at({12, a})).find("Why did we choose a model in which y depends on x?"),
                  std::string::npos)
            << a;
}

// ---------------------------------------------------------------------------------------
// The scatter diagrams.

struct ChartRow {
    Integer number;
    std::vector<std::pair<double, double>> points;
    double maxX;
    Integer xDivisions;
    double maxY;
    Integer yDivisions;
};

const std::vector<std::pair<double, double>> cloud22 = {{0.33, 7.6}, {0.67, 8.7}, {1.0, 6.2},  {1.33, 4.3},
                                                        {1.67, 6.0}, {2.0, 2.9},  {2.33, 8.2}, {2.67, 2.7},
                                                        {3.0, 6.2},  {3.33, 4.9}};
const std::vector<std::pair<double, double>> cloud24 = {{1, 1},    {2, 2.5},  {3.5, 10.5}, {3.5, 10.5}, {5, 8.5},
                                                        {6, 10.5}, {7, 16.5}, {8.5, 16.5}, {8.5, 12.5}, {10, 18.5}};
const std::vector<std::pair<double, double>> cloud28 = {{1, 4.8}, {2, 4.3}, {3, 2.5},  {4, 10.3},   {4, 7.3},
                                                        {5, 8.8}, {7, 9.8}, {8, 11.3}, {8.5, 4.55}, {9, 8.8}};

// clang-format off
const std::vector<ChartRow> charts = {
    {1, {{36, 39}, {34, 58}, {12, 4}, {64, 39}, {20, 2}, {58, 13}, {40, 8}, {62, 54}, {44, 31}, {45, 13}}, 80, 4, 60, 3},
    {2, {{36, 44}, {34, 12}, {15, 25}, {64, 45}, {20, 53}, {58, 30}, {40, 19}, {50, 16}, {44, 48}, {45, 28}}, 80, 4, 60, 3},
    {3,
     {{5, 3.5}, {7, 4.9}, {10, 7.0}, {12, 8.4}, {12, 8.4}, {15, 10.5}, {19, 13.3}, {21, 14.7}, {24, 16.8}, {27, 18.9}},
     30, 3, 20, 4},
    {4, {{36, 41}, {34, 2}, {15, 56}, {64, 21}, {20, 58}, {58, 40}, {40, 52}, {50, 6}, {44, 29}, {45, 37}}, 80, 4, 60, 3},
    {22, cloud22, 5, 5, 10, 5},
    {23, cloud22, 5, 5, 10, 5},
    {24, cloud24, 10, 5, 20, 5},
    {25, cloud24, 10, 5, 20, 5},
    {26, {{1, 2}, {2, 2.6}, {3.5, 5.8}, {3.5, 5.8}, {5, 5.0}, {6, 5.8}, {7, 8.2}, {8.5, 8.2}, {8.5, 6.6}, {10, 9.0}},
     10, 5, 10, 5},
    {27, {{2, 9.5}, {2, 0.5}, {3, 1}, {5, 4}, {5, 9}, {5, 10}, {7, 9}, {8, 8.5}, {9, 6}, {9, 4}}, 10, 5, 10, 5},
    // Two points lie above 10: the y axis runs to 12 in steps of 4 so that all ten show.
    {28, cloud28, 10, 5, 12, 3},
    {29, cloud28, 10, 5, 12, 3},
    {30, {{1, 9}, {0.5, 7}, {2, 7}, {2, 8}, {0.5, 8}, {3, 6}, {3.25, 5}, {3.75, 5.5}, {4, 3}, {9, 8.8}}, 10, 5, 10, 5},
};
// clang-format on

TEST(SimpleRegression, ScatterQuestionsStoreTheirTenPointsAndAxes)
{
    using namespace Module1;
    ASSERT_EQ(charts.size(), scatterQuestions.size());
    for (const ChartRow& row : charts) {
        SCOPED_TRACE("question " + std::to_string(row.number));
        storeThrough(ch11Questions, row.number);
        EXPECT_EQ(gFirstObs, 1);
        ASSERT_EQ(gLastObs, 10);
        for (Integer i = 1; i <= 10; ++i) {
            const auto& [x, y] = row.points[static_cast<std::size_t>(i - 1)];
            EXPECT_EQ(gXToGraph(i), x) << "point " << i;
            EXPECT_EQ(gYToGraph(i), y) << "point " << i;
            // Every point the answers rest on is drawn: it lies inside both ranges.
            EXPECT_TRUE(gMinPlotX <= x && x <= gMaxPlotX) << "point " << i;
            EXPECT_TRUE(gMinPlotY <= y && y <= gMaxPlotY) << "point " << i;
        }
        EXPECT_EQ(gMinPlotX, 0.0);
        EXPECT_EQ(gMaxPlotX, row.maxX);
        EXPECT_EQ(gMajorXMarks, row.xDivisions);
        EXPECT_EQ(gMinPlotY, 0.0);
        EXPECT_EQ(gMaxPlotY, row.maxY);
        EXPECT_EQ(gMajorYMarks, row.yDivisions);

        // What scatter sets.
        EXPECT_EQ(gGraph, 1);
        EXPECT_EQ(gChartType(2), ChartScatter);
        EXPECT_EQ(gXaxis, 40);
        EXPECT_EQ(gYaxis, 0);
        EXPECT_EQ(gXDecimals, 0);
        EXPECT_EQ(gYDecimals, 0);
        EXPECT_EQ(gXAxisLabel, "");
        EXPECT_EQ(gYAxisLabel, "");
    }
}

// ---------------------------------------------------------------------------------------
// The figures of the scatter questions, recomputed from the stored points.

struct Fit {
    double a, b, r, rSquared, t, p;
};

// The right answer shows the value at its own precision, and no other option as fine as it
// does. A coarser option may round to the same value ("1" for a slope of 0.54); the right
// answer is then still the nearest option, which the callers check.
void expectOnlyTheKeyShowsAmongAsFine(const StoredQuestion& q, double value)
{
    const std::string& key = q.answers[static_cast<std::size_t>(q.correct - 1)];
    EXPECT_TRUE(shows(key, value)) << "right answer \"" << key << "\", value " << value;
    for (Integer a = 1; a <= 5; ++a) {
        const std::string& option = q.answers[static_cast<std::size_t>(a - 1)];
        if (a != q.correct && halfUnit(option) <= halfUnit(key)) {
            EXPECT_FALSE(shows(option, value)) << "option " << a << " \"" << option << "\", value " << value;
        }
    }
}

Fit fitStoredPoints(Integer count = 10)
{
    using namespace Module1;
    const double n = static_cast<double>(count);
    double mx = 0.0;
    double my = 0.0;
    for (Integer i = 1; i <= count; ++i) {
        mx += gXToGraph(i) / n;
        my += gYToGraph(i) / n;
    }
    double sxx = 0.0;
    double syy = 0.0;
    double sxy = 0.0;
    for (Integer i = 1; i <= count; ++i) {
        sxx += (gXToGraph(i) - mx) * (gXToGraph(i) - mx);
        syy += (gYToGraph(i) - my) * (gYToGraph(i) - my);
        sxy += (gXToGraph(i) - mx) * (gYToGraph(i) - my);
    }
    Fit fit{};
    fit.b = sxy / sxx;
    fit.a = my - fit.b * mx;
    fit.r = sxy / std::sqrt(sxx * syy);
    fit.rSquared = fit.r * fit.r;
    const double residual = std::max(syy - fit.b * sxy, 0.0);
    if (residual == 0.0) { // the points lie on the line
        fit.t = std::copysign(std::numeric_limits<double>::infinity(), fit.b);
        fit.p = 0.0;
        return fit;
    }
    fit.t = fit.b / std::sqrt(residual / (n - 2.0) / sxx);
    fit.p = twoSidedT(fit.t, n - 2.0);
    return fit;
}

enum class Asks { Correlation, Slope, PValue, RSquared };

struct FigureRow {
    Integer number;
    Asks asks;
    // The texts of the right answer's hint, each built from the recomputed fit.
    std::vector<std::string> (*figures)(const Fit&);
};

// clang-format off
const std::vector<FigureRow> figureRows = {
    {1, Asks::Correlation, [](const Fit& f) { return std::vector<std::string>{"r is about " + fixed(f.r, 2)}; }},
    {2, Asks::Correlation, [](const Fit& f) { return std::vector<std::string>{"r is about " + fixed(f.r, 2)}; }},
    {3, Asks::Correlation,
     [](const Fit& f) { return std::vector<std::string>{"y = " + fixed(f.b, 1) + "x", "perfect positive"}; }},
    {4, Asks::Correlation, [](const Fit& f) { return std::vector<std::string>{"r is about " + fixed(f.r, 2)}; }},
    {22, Asks::PValue,
     [](const Fit& f) {
         return std::vector<std::string>{"t = " + fixed(f.t, 2), "R-squared = " + fixed(f.rSquared, 2), "p = " + fixed(f.p, 2)};
     }},
    {23, Asks::Slope,
     [](const Fit& f) {
         return std::vector<std::string>{"from " + fixed(f.a, 1) + " at x = 0", fixed(f.a + 4.0 * f.b, 1) + " at x = 4",
                                         "b = " + fixed(f.b, 2)};
     }},
    {24, Asks::PValue,
     [](const Fit& f) {
         return std::vector<std::string>{"t = " + fixed(f.t, 2), "R-squared = " + fixed(f.rSquared, 2), "p = " + fixed(f.p, 4)};
     }},
    {25, Asks::Slope,
     [](const Fit& f) {
         return std::vector<std::string>{"from " + fixed(f.a, 1) + " at x = 0", fixed(f.a + 10.0 * f.b, 1) + " at x = 10",
                                         "b = " + fixed(f.b, 2)};
     }},
    {26, Asks::RSquared,
     [](const Fit& f) {
         return std::vector<std::string>{"R-squared = " + fixed(f.rSquared, 2), "t = " + fixed(f.t, 2), "p = " + fixed(f.p, 4)};
     }},
    {27, Asks::RSquared,
     [](const Fit& f) {
         return std::vector<std::string>{"R-squared = " + fixed(f.rSquared, 2), "t = " + fixed(f.t, 2), "p = " + fixed(f.p, 2)};
     }},
    {28, Asks::PValue,
     [](const Fit& f) {
         return std::vector<std::string>{"t = " + fixed(f.t, 2), "R-squared = " + fixed(f.rSquared, 2), "p = " + fixed(f.p, 2)};
     }},
    {29, Asks::Slope,
     [](const Fit& f) {
         return std::vector<std::string>{"from " + fixed(f.a, 1) + " at x = 0", fixed(f.a + 10.0 * f.b, 1) + " at x = 10",
                                         "b = " + fixed(f.b, 2)};
     }},
};
// clang-format on

TEST(SimpleRegression, ScatterAnswersAndHintsFollowFromTheStoredPoints)
{
    std::map<Integer, Fit> fits;
    for (const FigureRow& row : figureRows) {
        SCOPED_TRACE("question " + std::to_string(row.number));
        const StoredQuestion q = storeThrough(ch11Questions, row.number);
        const Fit fit = fitStoredPoints();
        fits[row.number] = fit;

        double asked = 0.0;
        switch (row.asks) {
        case Asks::Correlation:
            asked = fit.r;
            break;
        case Asks::Slope:
            asked = fit.b;
            break;
        case Asks::PValue:
            asked = fit.p;
            break;
        case Asks::RSquared:
            asked = fit.rSquared;
            break;
        }
        EXPECT_EQ(nearestOption(q.answers, asked, row.asks == Asks::PValue), q.correct) << "value " << asked;
        expectOnlyTheKeyShowsAmongAsFine(q, asked);

        const std::string hint = joined(rightHint(q));
        for (const auto& figure : row.figures(fit))
            EXPECT_NE(hint.find(figure), std::string::npos) << "\"" << figure << "\" in: " << hint;
    }

    // The figures as the hints show them, where they depart from rounder values one might expect.
    EXPECT_NEAR(fits[22].t, -1.42, 0.005); // the slope falls, so t is negative
    EXPECT_NEAR(fits[24].p, 0.0003, 0.00005);
    EXPECT_NEAR(fits[28].p, 0.13, 0.005); // weak evidence against H0
    EXPECT_NEAR(fits[3].r, 1.0, 1e-12);

    // The y values of question 26 are a linear function of those of question 24: the same t.
    EXPECT_NEAR(fits[26].t, fits[24].t, 1e-9);

    // Question 28's hint calls the evidence weak; nothing suggests it nearly rejects H0.
    const std::string right28 = storeThrough(ch11Questions, 28).hints[2][0];
    EXPECT_NE(right28.find("weak evidence"), std::string::npos) << right28;
    EXPECT_EQ(right28.find("just short"), std::string::npos) << right28;

    // Question 30: without the outlier (9, 8.8), the other nine points fall steeply.
    storeThrough(ch11Questions, 30);
    EXPECT_EQ(Module1::gXToGraph(10), 9.0);
    EXPECT_NEAR(fitStoredPoints(10).r, -0.06, 0.005);
    EXPECT_NEAR(fitStoredPoints(9).r, -0.84, 0.005);
}

TEST(SimpleRegression, TextQuestionsWithEstimatesShowTheirTValuesAndPValues)
{
    // The question's own data: the number of observations, the estimated slope b and its standard error.
    const std::regex data{R"(using ([0-9]+) observations.* ([+-]) ([0-9.]+)x)"};
    const std::regex standardError{R"(standard error of the estimate of b is ([0-9.]+[0-9]))"};
    for (const Integer n : {20, 21}) {
        SCOPED_TRACE("question " + std::to_string(n));
        const StoredQuestion q = storeThrough(ch11Questions, n);
        const std::string stem = joined(q.lines);
        std::smatch found;
        ASSERT_TRUE(std::regex_search(stem, found, data)) << stem;
        const double observations = std::stod(found[1].str());
        const std::string slope = (found[2].str() == "-" ? "-" : "") + found[3].str();
        ASSERT_TRUE(std::regex_search(stem, found, standardError)) << stem;
        const std::string error = found[1].str();

        const double t = std::stod(slope) / std::stod(error);
        const double p = twoSidedT(t, observations - 2.0);
        expectOnlyTheKeyShowsAmongAsFine(q, p);
        EXPECT_EQ(nearestOption(q.answers, p, true), q.correct) << "p = " << p;

        // The right answer's hint shows how t comes from the estimates.
        const std::string hint = joined(rightHint(q));
        EXPECT_NE(hint.find(slope + "/" + error), std::string::npos) << hint;
        if (std::fabs(t) < 10.0) {
            EXPECT_NE(hint.find(slope + "/" + error + " = " + fixed(t, 2)), std::string::npos) << hint;
        } else {
            EXPECT_NE(hint.find("about " + fixed(std::round(t / 10.0) * 10.0, 0)), std::string::npos) << hint;
        }
    }
}

// Regression toward the mean is the one explanation left: the stem states the facts that
// rule out the biases.  Sampling error is no explanation, as nothing is estimated from a
// sample; but chance that goes either way is exactly what pulls students picked for a high
// first score back toward the mean, so its hint must not deny that.
TEST(SimpleRegression, RegressionTowardTheMeanIsTheOnlyExplanationLeft)
{
    const StoredQuestion q = storeThrough(ch11Questions, 16);
    ASSERT_EQ(q.answers[static_cast<std::size_t>(q.correct - 1)], "regression toward the mean.");
    const std::string stem = joined(q.lines);
    // The hints of selection and nonresponse bias rest on every student's taking both tests.
    const std::string fact = "every student";
    for (const std::size_t bias : {0U, 1U})
        EXPECT_NE(joined(q.hints[bias]).find(fact), std::string::npos) << joined(q.hints[bias]);
    EXPECT_NE(stem.find(fact), std::string::npos) << "the stem does not say \"" << fact << "\": " << stem;
    ASSERT_EQ(q.answers[3], "sampling error.");
    const std::string samplingError = joined(q.hints[3]);
    const std::regex deniesThePull(R"(\b(not|never|no|cannot|can't|won't)\b[^.;:]*\b(toward|towards|to|back to) the mean\b)");
    EXPECT_FALSE(std::regex_search(samplingError, deniesThePull)) << samplingError;

    // Students 1 standard deviation above the mean stand near the 84th percentile: a high
    // score, not a top one.
    const double above = testing_support::upperNormal(1.0);
    ASSERT_GT(above, 0.15);
    const std::regex top(R"(\btop\b)");
    for (const std::string& text : {stem, samplingError, joined(rightHint(q))})
        EXPECT_FALSE(std::regex_search(text, top)) << above * 100.0 << "% of students score higher: " << text;
}

} // namespace
