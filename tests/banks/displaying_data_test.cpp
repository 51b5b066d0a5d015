#include "banks/Banks.h"
#include "quiz/Module1.h"
#include "support/BankChecks.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cmath>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace Module1;
using testing_support::Row;
using testing_support::StoredQuestion;
using testing_support::storeThrough;

void storeNumber(Integer number)
{
    gWhichQ = number;
    gGraph = 0;
    ch2Questions();
}

TEST(DisplayingData, StoresEveryQuestionOfTheSheet)
{
    // clang-format off
    // clang-format off
    const std::vector<Row> rows = {
        {1, "The most useful graph for showing the age", 2, 2, {1, 2, 1, 1, 1}},
        {2, "The most useful graph for seeing whether literacy", 1, 2, {2, 2, 2, 1, 1}},
        {3, "The most useful graph for seeing whether foot", 4, 2, {1, 2, 1, 3, 1}},
        {4, "The most useful graph for seeing whether rainfall", 5, 2, {1, 1, 2, 1, 2}},
        {5, "Scatter diagrams show the explanatory variable on the", 1, 1, {2, 1, 1, 1, 1}},
        {6, "Per capita data have been adjusted for", 2, 1, {1, 2, 1, 1, 1}},
        {7, "A stem plot", 4, 1, {1, 1, 1, 1, 2}},
        {8, "When the origin is omitted from the vertical", 2, 1, {2, 1, 1, 1, 2}},
        {9, "Outliers are", 3, 1, {1, 1, 2, 2, 1}},
        {10, "In a histogram with unequal widths, a bar's height", 3, 1, {1, 1, 1, 1, 1}},
        {11, "When there are many categories, pie charts", 1, 1, {2, 1, 2, 1, 1}},
        {12, "The most important problem with replacing the bars", 4, 2, {1, 2, 1, 2, 1}},
        {13, "A stem-and-leaf diagram shows more detail than a", 1, 1, {1, 1, 1, 1, 1}},
        {14, "A time-series graph might reveal the need for", 5, 1, {2, 2, 2, 2, 2}},
        {15, "A scatter diagram is used to show the", 3, 1, {1, 1, 3, 1, 1}},
        {16, "The relative frequencies of categorical data can be", 1, 1, {2, 1, 1, 1, 1}},
        {17, "A time-series graph can show the", 4, 1, {1, 1, 1, 2, 1}},
        {18, "A histogram shows", 2, 1, {1, 2, 1, 1, 1}},
        {19, "The total area of all the bars in", 5, 1, {1, 1, 1, 1, 2}},
        {20, "What is the approximate mean for the data", 4, 5, {1, 1, 1, 1, 1}, true},
        {21, "What is the approximate mean for the data", 3, 5, {1, 1, 1, 1, 1}, true},
        {22, "What is the approximate mean for the data", 4, 5, {1, 1, 1, 1, 1}, true},
        {23, "What is the approximate mean for the data", 5, 5, {1, 1, 1, 1, 1}, true},
        {24, "In a histogram with unequal widths, relative frequencies", 3, 1, {1, 1, 1, 1, 1}},
        {25, "What is the best label for the vertical", 1, 1, {1, 1, 1, 1, 1}},
        {26, "Time is shown in a time-series graph by", 5, 1, {1, 1, 1, 2, 1}},
        {27, "Categorical data do not have", 5, 1, {1, 1, 1, 1, 1}},
        {28, "Cross-sectional data are observations", 1, 1, {1, 1, 1, 1, 1}},
        {29, "Real data have been adjusted for", 5, 1, {1, 1, 1, 1, 1}},
        {30, "A 7-color scatter diagram is likely to be", 2, 1, {1, 1, 1, 1, 1}},
    };
    // clang-format on
    // clang-format on
    testing_support::expectRows(ch2Questions, rows);
}

TEST(DisplayingData, KeepsTheTextConventions)
{
    testing_support::TextRules rules;
    rules.openingExceptions = {{5, 2}, {6, 2}};
    testing_support::expectTextConventions(ch2Questions, rules);

    EXPECT_EQ(storeThrough(ch2Questions, 5).hints[1][0].rfind("No; ", 0), 0u);
    EXPECT_EQ(storeThrough(ch2Questions, 6).hints[1][0].rfind("Yes; ", 0), 0u);
}

TEST(DisplayingData, TextQuestionsAreSentencesThatTheAnswersComplete)
{
    // A sentence ending inside a line is followed by two blanks.
    const std::regex oneBlankAfterSentence{R"([.?!] [A-Z])"};
    for (Integer n = 1; n <= 30; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const auto q = storeThrough(ch2Questions, n);
        std::vector<std::string> texts = q.lines;
        texts.insert(texts.end(), q.answers.begin(), q.answers.end());
        for (const auto& hint : q.hints)
            texts.insert(texts.end(), hint.begin(), hint.end());
        for (const auto& text : texts)
            EXPECT_FALSE(std::regex_search(text, oneBlankAfterSentence)) << text;

        if (n >= 20 && n <= 23) {
            for (const auto& answer : q.answers)
                EXPECT_TRUE(std::regex_match(answer, std::regex{R"(\d+(\.\d+)?)"})) << answer;
            continue;
        }
        const std::string& last = q.lines.back();
        if (n == 25) {
            EXPECT_EQ(last.back(), '?');
            for (const auto& answer : q.answers)
                EXPECT_TRUE(std::regex_match(answer, std::regex{"[A-Z][a-z]+"})) << answer;
            continue;
        }
        EXPECT_NE(last.back(), '.') << last;
        for (const auto& answer : q.answers) {
            EXPECT_TRUE(std::islower(static_cast<unsigned char>(answer.front())) ||
                        std::isdigit(static_cast<unsigned char>(answer.front())))
                << answer;
            EXPECT_EQ(answer.back() == '.', n != 24) << answer;
        }
    }
}

TEST(DisplayingData, QuotedQuestionsWordForWord)
{
    testing_support::expectQuestion(
        ch2Questions, 3, 4, {"The most useful graph for seeing whether foot size is related to height", "would be a"},
        {"bar chart.", "histogram.", "pie chart.", "scatter diagram.", "time-series graph."},
        {{{"No, what would the categories be and how would this answer our question?"},
          {"No, we are not interested in the distribution of foot sizes or heights, but",
           "in the relationship between the two."},
          {"No, what would the categories be and how would this answer our question?"},
          {"Yes, we could plot a scatter of data on the height and foot size of each",
           "person in a group of people and see whether there is a positive relationship,",
           "a negative relationship, or no relationship at all."},
          {"No, we are not interested in trends or seasonal patterns!"}}});

    testing_support::expectQuestion(
        ch2Questions, 20, 4, {"What is the approximate mean for the data described by this figure?", "", "", "", ""},
        {"0.01", "0.03", "15", "25", "35"},
        {{{"No, you are looking at the wrong axis."},
          {"No, you are looking at the wrong axis."},
          {"No, remember that the mean is the balance point for the data."},
          {"Yes, the mean is the balance point for the data."},
          {"No, remember that the mean is the balance point for the data."}}});
}

// The four histogram questions, with their data and the kind of each answer's hint.
enum Hint { Axis, Balance, Remember, Width };

struct HistogramCase {
    Integer number;
    double maxX;
    Integer bars;
    double width;
    std::vector<double> densities; // bars 1 to B, in exact fractions
    double maxY;
    double mean; // over the bar midpoints weighted by the counts
    std::array<Hint, 5> hints;
};

const std::vector<HistogramCase>& histogramCases()
{
    // clang-format off
    static const std::vector<HistogramCase> cases = {
        {20, 50.0, 5, 10.0, {1.0 / 100, 13.0 / 400, 3.0 / 200, 7.0 / 200, 3.0 / 400}, 0.04, 990.0 / 40,
         {Axis, Axis, Remember, Balance, Remember}},
        {21, 25.0, 5, 5.0, {1.0 / 60, 1.0 / 20, 1.0 / 15, 7.0 / 180, 1.0 / 36}, 0.1, 460.0 / 36,
         {Remember, Remember, Balance, Axis, Axis}},
        {22, 10.0, 5, 2.0, {3.0 / 26, 2.0 / 13, 3.0 / 26, 1.0 / 13, 1.0 / 26}, 0.2, 106.0 / 26,
         {Axis, Axis, Remember, Balance, Remember}},
        {23, 20.0, 10, 2.0,
         {0.0, 1.0 / 72, 1.0 / 36, 1.0 / 24, 1.0 / 18, 5.0 / 72, 1.0 / 12, 7.0 / 72, 1.0 / 9, 0.0}, 0.12,
         444.0 / 36, {Axis, Axis, Width, Remember, Balance}},
    };
    // clang-format on
    return cases;
}

void expectHistogramStored(const HistogramCase& c)
{
    EXPECT_EQ(gGraph, 1);
    EXPECT_EQ(gChartType(2), ChartHistogram);
    EXPECT_EQ(gMinPlotX, 0.0);
    EXPECT_EQ(gMaxPlotX, c.maxX);
    EXPECT_EQ(gMajorXMarks, c.bars);
    EXPECT_EQ(gFirstObs, 1);
    ASSERT_EQ(gLastObs, c.bars + 1);
    for (Integer i = 1; i <= c.bars + 1; ++i)
        EXPECT_EQ(gXToGraph(i), c.width * static_cast<double>(i - 1)) << "edge " << i;
    for (Integer i = 1; i <= c.bars; ++i)
        EXPECT_DOUBLE_EQ(gYToGraph(i), c.densities[static_cast<std::size_t>(i - 1)]) << "bar " << i;
    EXPECT_EQ(gYToGraph(c.bars + 1), gYToGraph(c.bars));
    EXPECT_EQ(gMinPlotY, 0.0);
    EXPECT_EQ(gMaxPlotY, c.maxY);
    EXPECT_EQ(gMajorYMarks, 2);
    EXPECT_EQ(gYDecimals, 2);
    EXPECT_EQ(gXDecimals, 0);
    EXPECT_EQ(gXaxis, 0);
    EXPECT_EQ(gYaxis, 0);
}

TEST(DisplayingData, HistogramQuestionsStoreTheirChart)
{
    for (const auto& c : histogramCases()) {
        SCOPED_TRACE("question " + std::to_string(c.number));
        state() = State{};
        storeNumber(c.number);
        expectHistogramStored(c);

        // The areas add up to 1, and every bar fits under the top of the axis.
        double area = 0.0;
        for (Integer i = 1; i <= c.bars; ++i) {
            area += gYToGraph(i) * (gXToGraph(i + 1) - gXToGraph(i));
            EXPECT_LT(gYToGraph(i), gMaxPlotY);
        }
        EXPECT_NEAR(area, 1.0, 1e-12);
    }
}

// "Approximate" reads the mean off the chart; the keyed figure is still the drawn data's
// mean at the figure's own precision, and no other option is.
TEST(DisplayingData, HistogramRightAnswerIsTheMeanOfTheDrawnDataAtItsPrecision)
{
    const Lines axis = {"No, you are looking at the wrong axis."};
    const Lines balance = {"Yes, the mean is the balance point for the data."};
    const Lines remember = {"No, remember that the mean is the balance point for the data."};
    for (const auto& c : histogramCases()) {
        SCOPED_TRACE("question " + std::to_string(c.number));
        const auto q = storeThrough(ch2Questions, c.number);

        // The mean of the drawn chart: bar midpoints weighted by the bar areas.
        double mean = 0.0;
        for (Integer i = 1; i < gLastObs; ++i) {
            const double w = gXToGraph(i + 1) - gXToGraph(i);
            mean += (gXToGraph(i) + w / 2) * gYToGraph(i) * w;
        }
        EXPECT_NEAR(mean, c.mean, 1e-9);

        for (Integer a = 1; a <= 5; ++a) {
            const std::string& option = q.answers[static_cast<std::size_t>(a - 1)];
            const auto point = option.find('.');
            const int decimals = point == std::string::npos ? 0 : static_cast<int>(option.size() - point - 1);
            EXPECT_EQ(option == testing_support::fixed(mean, decimals), a == q.correct)
                << "answer " << a << " \"" << option << "\", the mean is " << mean;
        }

        for (std::size_t a = 0; a < 5; ++a) {
            const Hint kind = c.hints[a];
            const Lines width = {"No, " + q.answers[a] + " is the width of each interval, not the mean of the data."};
            const Lines& expected = kind == Axis       ? axis
                                    : kind == Balance  ? balance
                                    : kind == Remember ? remember
                                                       : width;
            EXPECT_EQ(q.hints[a], expected) << "answer " << a + 1;
            // Answers read off the vertical axis are densities within its range.
            if (kind == Axis) {
                EXPECT_LE(std::stod(q.answers[a]), c.maxY) << "answer " << a + 1;
            }
            // The one its hint calls the width of each interval is the width of every bar drawn.
            if (kind == Width) {
                for (Integer i = 1; i < gLastObs; ++i)
                    EXPECT_EQ(std::stod(q.answers[a]), gXToGraph(i + 1) - gXToGraph(i))
                        << q.answers[a] << ", bar " << i;
            }
        }
    }
}

// The bars' areas show relative frequencies (the heights are densities), and the bank
// writes "time-series graph" with its hyphen.
TEST(DisplayingData, NamesWhatTheBarsShowAndTheGraphsAsTheBankDoes)
{
    testing_support::expectNoTextMatches(ch2Questions, {"[Tt]ime series"});
    for (Integer n = 1; n <= 30; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const auto q = storeThrough(ch2Questions, n);
        Lines texts = q.lines;
        for (const auto& hint : q.hints)
            texts.insert(texts.end(), hint.begin(), hint.end());
        for (const auto& text : texts)
            for (auto at = text.find("requenc"); at != std::string::npos; at = text.find("requenc", at + 1))
                EXPECT_TRUE(at >= 10 && text.compare(at - 10, 10, "relative f") == 0) << text;
    }
}

// Counts as heights need equal widths, and densities work for any: worked on question 21's
// counts (3, 9, 12, 7 and 5 of 36, in bars 5 wide), then with its last two bars merged into
// one 10 wide.  A bar's area is its share of the data only where that holds, and the hint of
// "Frequency" as the label of any histogram says so.
TEST(DisplayingData, CountsAsHeightsNeedEqualWidths)
{
    const double total = 36;
    // The share of the data that each bar's area shows, with counts and with densities as heights.
    const auto areaShares = [total](const std::vector<double>& counts, const std::vector<double>& widths,
                                    bool densities) {
        std::vector<double> areas;
        double sum = 0.0;
        for (std::size_t i = 0; i < counts.size(); ++i) {
            areas.push_back((densities ? counts[i] / (total * widths[i]) : counts[i]) * widths[i]);
            sum += areas.back();
        }
        for (double& area : areas)
            area /= sum;
        return areas;
    };
    const auto sharesOf = [total](const std::vector<double>& counts) {
        std::vector<double> shares;
        for (const double c : counts)
            shares.push_back(c / total);
        return shares;
    };
    const auto near = [](const std::vector<double>& a, const std::vector<double>& b) {
        for (std::size_t i = 0; i < a.size(); ++i)
            if (std::abs(a[i] - b[i]) > 1e-12)
                return false;
        return true;
    };

    const std::vector<double> equalCounts = {3, 9, 12, 7, 5};
    const std::vector<double> equalWidths = {5, 5, 5, 5, 5};
    EXPECT_TRUE(near(areaShares(equalCounts, equalWidths, false), sharesOf(equalCounts)));
    EXPECT_TRUE(near(areaShares(equalCounts, equalWidths, true), sharesOf(equalCounts)));

    const std::vector<double> mergedCounts = {3, 9, 12, 12};
    const std::vector<double> mergedWidths = {5, 5, 5, 10};
    EXPECT_FALSE(near(areaShares(mergedCounts, mergedWidths, false), sharesOf(mergedCounts)))
        << "counts as heights give the wide bar " << areaShares(mergedCounts, mergedWidths, false)[3]
        << " of the area for " << sharesOf(mergedCounts)[3] << " of the data";
    EXPECT_TRUE(near(areaShares(mergedCounts, mergedWidths, true), sharesOf(mergedCounts)));

    const StoredQuestion q = storeThrough(ch2Questions, 25);
    ASSERT_EQ(q.answers[1], "Frequency");
    const std::string hint = testing_support::joined(q.hints[1]);
    EXPECT_NE(hint.find("only for equal widths"), std::string::npos) << hint;
    EXPECT_NE(hint.find("a density works for any"), std::string::npos) << hint;
}

// A bar chart whose vertical axis starts above 0 and is stretched over the same height, as
// cut axes are: bars of 90 and 100 on a 200-pixel chart, the axis from 0 and from 80.  The
// cut chart draws the larger bar twice as long, not 1.1 times, and their difference five
// times as long: nothing of the bars stays the same, and they look more unequal.  The hints
// of question 8 say so, and none claims that the bars' differences are kept.
TEST(DisplayingData, CutAxisHintsSayWhatTheCutChartDraws)
{
    const auto pixels = [](double value, double axisFrom) { return (value - axisFrom) * 200.0 / (100.0 - axisFrom); };
    const double ratioFull = pixels(100, 0) / pixels(90, 0);
    const double ratioCut = pixels(100, 80) / pixels(90, 80);
    EXPECT_NEAR(ratioCut, 2.0, 1e-12);
    EXPECT_GT(ratioCut, ratioFull);
    EXPECT_NE(pixels(100, 80) - pixels(90, 80), pixels(100, 0) - pixels(90, 0));

    const StoredQuestion q = storeThrough(ch2Questions, 8);
    ASSERT_EQ(q.answers[static_cast<std::size_t>(q.correct - 1)], "exaggerates the differences between the bars.");
    ASSERT_EQ(q.answers[4], "shows the same differences as before.");
    const std::regex moreUnequal(R"(more unequal)");
    const std::regex differencesKept(
        R"(\b(differences?|lengths?)\b[^.;:]*\b(stays?|remains?|are|is|keeps?)\b( still)? (the same|unchanged|equal))");
    for (const std::size_t a : {0U, 1U, 4U}) {
        const std::string hint = testing_support::joined(q.hints[a]);
        EXPECT_TRUE(std::regex_search(hint, moreUnequal)) << "answer " << a + 1 << ": " << hint;
        EXPECT_FALSE(std::regex_search(hint, differencesKept)) << "answer " << a + 1 << ": " << hint;
    }
}

// A histogram drawn from its interval edges and counts, with densities as heights.
struct DrawnHistogram {
    std::string name;
    std::vector<double> edges;
    std::vector<double> counts;

    std::size_t bars() const { return counts.size(); }
    double width(std::size_t i) const { return edges[i + 1] - edges[i]; }
    double share(std::size_t i) const
    {
        double total = 0.0;
        for (const double c : counts)
            total += c;
        return counts[i] / total;
    }
    double height(std::size_t i) const { return share(i) / width(i); }
};

// Whether one value per bar rises and falls with the bars' relative frequencies.
bool followsTheShares(const DrawnHistogram& h, const std::vector<double>& values)
{
    for (std::size_t i = 1; i < h.bars(); ++i)
        if (std::abs(values[i] / h.share(i) - values[0] / h.share(0)) > 1e-12)
            return false;
    return true;
}

// The key holds for every histogram that the question allows; a distractor that holds for
// any of them is right as well.
void expectOnlyTheKeyHolds(const std::vector<std::pair<std::string, bool>>& holds, bool key, const std::string& answer)
{
    for (const auto& [histogram, held] : holds) {
        if (key) {
            EXPECT_TRUE(held) << "the key \"" << answer << "\" fails with " << histogram;
        } else {
            EXPECT_FALSE(held) << "\"" << answer << "\" holds too, with " << histogram;
        }
    }
}

// With intervals of one width, a count or a relative frequency may stand as the height and
// the height shows the relative frequency as well as the area does; with intervals of
// different widths only the density keeps the areas true. The questions on how a bar's
// height is calculated and on what shows a relative frequency must rule out the first kind
// of histogram, or a distractor is right as well.
TEST(DisplayingData, HeightAndAreaQuestionsHaveOneRightAnswerForTheIntervalsTheyName)
{
    const DrawnHistogram equalWidths{"intervals of one width", {0, 10, 20, 30}, {2, 5, 3}};
    const DrawnHistogram unequalWidths{"intervals of different widths", {0, 10, 20, 40}, {5, 10, 10}};
    const std::regex unequal{R"(\b(unequal widths?|differ(ent)? in width|different widths)\b)"};
    const auto allowed = [&](const StoredQuestion& q) {
        // Intervals of different widths first: the key must hold for them in any case.
        std::vector<DrawnHistogram> histograms = {unequalWidths};
        if (!std::regex_search(testing_support::joined(q.lines), unequal))
            histograms.push_back(equalWidths);
        return histograms;
    };
    using PerBar = double (*)(const DrawnHistogram&, std::size_t);
    const auto valuesOf = [](const DrawnHistogram& h, PerBar f) {
        std::vector<double> values;
        for (std::size_t i = 0; i < h.bars(); ++i)
            values.push_back(f(h, i));
        return values;
    };
    // What each answer names, as a value per bar.
    const auto meaning = [](const std::vector<std::pair<std::string, PerBar>>& table, const std::string& answer) {
        PerBar found = nullptr;
        for (const auto& entry : table) {
            if (answer.find(entry.first) == std::string::npos)
                continue;
            EXPECT_EQ(found, nullptr) << "two meanings for " << answer;
            found = entry.second;
        }
        EXPECT_NE(found, nullptr) << "no meaning for " << answer;
        return found;
    };

    {
        SCOPED_TRACE("question 10: how a bar's height is calculated");
        // A way of calculating the heights is right if the areas then show the relative frequencies.
        const std::vector<std::pair<std::string, PerBar>> rules = {
            {"number of observations", [](const DrawnHistogram& h, std::size_t i) { return h.counts[i]; }},
            {"width of the interval", [](const DrawnHistogram& h, std::size_t i) { return h.width(i); }},
            {"relative frequency divided by",
             [](const DrawnHistogram& h, std::size_t i) { return h.share(i) / h.width(i); }},
            {"width divided by the relative",
             [](const DrawnHistogram& h, std::size_t i) { return h.width(i) / h.share(i); }},
            {"midpoint", [](const DrawnHistogram& h, std::size_t i) { return (h.edges[i] + h.edges[i + 1]) / 2; }},
        };
        const StoredQuestion q = storeThrough(ch2Questions, 10);
        for (Integer a = 1; a <= 5; ++a) {
            const std::string& answer = q.answers[static_cast<std::size_t>(a - 1)];
            const PerBar rule = meaning(rules, answer);
            if (rule == nullptr)
                continue;
            std::vector<std::pair<std::string, bool>> holds;
            for (const DrawnHistogram& h : allowed(q)) {
                std::vector<double> areas = valuesOf(h, rule);
                for (std::size_t i = 0; i < h.bars(); ++i)
                    areas[i] *= h.width(i);
                holds.emplace_back(h.name, followsTheShares(h, areas));
            }
            expectOnlyTheKeyHolds(holds, a == q.correct, answer);
        }
    }
    {
        SCOPED_TRACE("question 24: what shows a relative frequency");
        const std::vector<std::pair<std::string, PerBar>> features = {
            {"height", [](const DrawnHistogram& h, std::size_t i) { return h.height(i); }},
            {"width", [](const DrawnHistogram& h, std::size_t i) { return h.width(i); }},
            {"area", [](const DrawnHistogram& h, std::size_t i) { return h.height(i) * h.width(i); }},
            {"color", [](const DrawnHistogram&, std::size_t) { return 1.0; }},
            {"position", [](const DrawnHistogram& h, std::size_t i) { return h.edges[i]; }},
        };
        const StoredQuestion q = storeThrough(ch2Questions, 24);
        for (Integer a = 1; a <= 5; ++a) {
            const std::string& answer = q.answers[static_cast<std::size_t>(a - 1)];
            const PerBar feature = meaning(features, answer);
            if (feature == nullptr)
                continue;
            std::vector<std::pair<std::string, bool>> holds;
            for (const DrawnHistogram& h : allowed(q))
                holds.emplace_back(h.name, followsTheShares(h, valuesOf(h, feature)));
            expectOnlyTheKeyHolds(holds, a == q.correct, answer);
        }
    }
}

} // namespace
