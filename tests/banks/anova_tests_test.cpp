#include "banks/Banks.h"
#include "quiz/Module1.h"
#include "support/BankChecks.h"
#include "support/Significance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace testing_support;
using Module1::ch9Questions;
using Module1::Integer;

// ---------------------------------------------------------------------------------------
// The whole sheet.

// clang-format off
const std::vector<Row> sheet = {
    {1, "Suppose that you want to compare the average braking distances", 1, 2, {1, 2, 2, 1, 2}},
    {2, "A farmer wants to compare the average yields", 1, 2, {1, 1, 1, 2, 2}},
    {3, "Four groups of students take four different kinds of language course", 4, 3, {1, 1, 1, 1, 1}},
    {4, "Four procedures are used to measure the speed of light", 1, 3, {2, 1, 1, 2, 2}},
    {5, "Three kinds of fishing line", 5, 4, {2, 2, 2, 2, 2}},
    {6, "The racing times, in seconds, of three horses", 4, 4, {2, 2, 2, 2, 2}},
    {7, "The recovery times, in days, after three surgical procedures", 5, 4, {2, 2, 2, 2, 2}},
    {8, "Four desserts are tested for calories", 1, 4, {2, 2, 2, 2, 2}},
    {9, "When are the ANOVA F test and the pooled difference-in-means t test", 4, 2, {3, 3, 2, 3, 3}},
    {10, "An ANOVA F test would reject the null hypothesis most strongly", 5, 2, {1, 1, 2, 3, 3}},
    {11, "The values of an F statistic can range from", 2, 1, {1, 4, 1, 1, 1}},
    {12, "The ANOVA F test is more robust", 5, 2, {1, 1, 1, 1, 2}},
    {13, "The ANOVA F test is more robust", 5, 2, {1, 1, 1, 1, 2}},
    {14, "We don't use a two-sided p value", 2, 1, {1, 2, 1, 1, 1}},
    {15, "If the value of an ANOVA F statistic is 0", 5, 1, {2, 2, 2, 2, 3}},
    {16, "Four samples of size 25 have means 50.96", 1, 2, {4, 2, 2, 2, 2}},
    {17, "Three samples of size 50 have means 6.90", 4, 2, {1, 2, 3, 2, 4}},
    {18, "Three samples of size 20 have means 31.85", 5, 2, {2, 2, 2, 2, 3}},
    {19, "Three samples of size 50 have means 24.60", 4, 2, {2, 2, 2, 3, 2}},
    {20, "Three samples of size 25 have means 7.48", 2, 2, {1, 2, 1, 1, 1}},
    {21, "Three samples of size 25 have means 6.98", 5, 2, {1, 1, 1, 1, 2}},
    {22, "What is the p value for an ANOVA F test", 2, 4, {1, 2, 1, 1, 1}, true},
    {23, "What is the p value for an ANOVA F test", 1, 4, {2, 1, 1, 1, 1}, true},
    {24, "What is the p value for an ANOVA F test", 5, 4, {1, 1, 1, 1, 2}, true},
    {25, "What is the p value for an ANOVA F test", 5, 4, {1, 1, 1, 1, 2}, true},
    {26, "The null hypothesis of an ANOVA F test is rejected least strongly", 1, 1, {3, 1, 1, 1, 1}},
    {27, "To compute the ANOVA F statistic", 4, 2, {2, 2, 2, 2, 2}},
    {28, "To test whether five brands of gasoline", 1, 2, {2, 2, 1, 2, 1}},
    {29, "To test whether the average time to run a mile", 1, 2, {2, 2, 1, 2, 2}},
    {30, "For the ANOVA F statistic to be large", 5, 2, {2, 2, 2, 2, 2}},
};
// clang-format on

// The answers wherever the sheet fixes them.
// clang-format off
const std::map<Integer, Answers> fixedOptions = {
    {1, {"F statistic.", "regression t statistic.", "chi-square statistic.", "difference-in-means t statistic.",
         "difference-in-proportions z statistic."}},
    {2, {"ANOVA F test.", "box-plot test.", "difference-in-means t test.", "difference-in-proportions z test.",
         "R-squared test."}},
    {3, {"mu1 = 0, mu2 = 0, mu3 = 0, mu4 = 0", "mu1 = mu2, mu3 = mu4", "mu1 - mu2 = 0, mu3 - mu4 = 0",
         "mu1 = mu2 = mu3 = mu4", "mu1 - mu2 = mu3 - mu4"}},
    {6, {"m1 = 100.", "m1 = 100 and m2 = 100.", "s1 = 10.", "s2 = 10.", "s3 = 10."}},
    {7, {"m1 = 10.", "m2 = 10.", "s1 = 5.", "s2 = 5.", "n2 = 40."}},
    {8, {"m1 = 250.", "m2 = 200.", "s1 = 100.", "s2 = 100.", "s3 = 100."}},
    {10, {"strongly negative.", "0.", "0.05.", "1.", "strongly positive."}},
    {11, {"0 to 1.", "0 to infinity.", "-infinity to 0.", "-infinity to +infinity.", "-1 to +1."}},
    {15, {"0.00", "0.05", "0.50", "0.95", "1.00"}},
    {16, {"0.01", "3.25", "6.14", "25.68", "348.74"}},
    {17, {"-0.23", "0.23", "0.97", "16.8", "551.5"}},
    {18, {"4.4*10^-18", "0.003", "0.07", "0.26", "0.995"}},
    {19, {"3.6*10^-29", "1.3*10^-16", "0.00003", "0.34", "0.93"}},
    {20, {"2.1*10^-47", "0.000002", "0.27", "0.48", "0.98"}},
    {21, {"1.6*10^-25", "4.3*10^-9", "0.0001", "0.04", "0.87"}},
    {22, {"2.1*10^-47", "0.000002", "0.27", "0.48", "0.98"}},
    {23, {"5.4*10^-34", "0.05", "0.25", "0.50", "0.97"}},
    {24, {"2.3*10^-16", "7.7*10^-5", "0.06", "0.25", "0.97"}},
    {25, {"4.2*10^-18", "1.5*10^-7", "0.002", "0.06", "0.87"}},
    {27, {"variances.", "coefficients of variation.", "correlation coefficients.", "sizes.", "t values."}},
    {28, {"ANOVA F statistic.", "chi-square statistic.", "difference-in-means t statistic.",
          "difference-in-proportions z statistic.", "single-sample t statistic."}},
    {29, {"ANOVA F statistic.", "chi-square statistic.", "difference-in-means t statistic.",
          "difference-in-proportions z statistic.", "single-sample binomial p value."}},
    {30, {"sample sizes.", "F value.", "t value.", "correlation coefficient.", "sample standard deviations."}},
};
// clang-format on

TEST(AnovaTests, EveryQuestionHasItsRightAnswerLineCountsAndOptions)
{
    expectRows(ch9Questions, sheet);
    expectAnswers(ch9Questions, fixedOptions);
}

TEST(AnovaTests, TextsKeepTheConventions)
{
    expectTextConventions(ch9Questions);

    // Sentences inside a line are parted by two blanks; a colon or semicolon by one. A hint
    // that two answers share names what it rejects rather than saying "neither" of one thing,
    // and "them" after "the sample means" would be the means.
    expectNoTextMatches(ch9Questions, {R"([.?!] [^ ])", R"([:;,]  |   )", R"(neither;|No, neither enters)",
                                       R"(variation within them)"});

    // Where four options of a question end in a full stop, so does the fifth.
    for (Integer n = 1; n <= 30; ++n) {
        const StoredQuestion q = storeThrough(ch9Questions, n);
        int stops = 0;
        for (const auto& answer : q.answers)
            stops += answer.back() == '.' ? 1 : 0;
        EXPECT_TRUE(stops == 0 || stops == 5)
            << "question " << n << ": " << stops << " of 5 answers end in a full stop";
    }
}

TEST(AnovaTests, QuotedQuestionsAreStoredWordForWord)
{
    expectQuestion(ch9Questions, 14, 2, {"We don't use a two-sided p value with an ANOVA F test because"},
                   {"H0, itself, is two-sided.", "only a large F is evidence against H0.",
                    "the degrees of freedom are negative.", "there are two kinds of degrees of freedom.",
                    "we don't use p values at all."},
                   {{{"No, this is nonsense."},
                     {"Yes, F cannot be negative and F = 0 provides no evidence at all against H0.",
                      "The larger is F, the smaller is the p value."},
                     {"No, the F distribution isn't defined for negative degrees of freedom!"},
                     {"No, this is true, but irrelevant."},
                     {"No, we can use p values just as with other statistical tests."}}});

    expectQuestion(ch9Questions, 25, 5, {"What is the p value for an ANOVA F test using these data?", "", "", ""},
                   {"4.2*10^-18", "1.5*10^-7", "0.002", "0.06", "0.87"},
                   {{{"No, are these data such overwhelming evidence against the null hypothesis?"},
                     {"No, are these data such overwhelming evidence against the null hypothesis?"},
                     {"No, are these data strong evidence against the null hypothesis?"},
                     {"No, are these data persuasive evidence against the null hypothesis?"},
                     {"Yes, these data are very unpersuasive because of the small samples and the",
                      "small differences among the means relative to the standard deviations."}}});

    for (Integer n = 22; n <= 25; ++n)
        EXPECT_EQ(storeThrough(ch9Questions, n).lines[0], "What is the p value for an ANOVA F test using these data?");
}

TEST(AnovaTests, StockHintsStandWhereTheyBelong)
{
    const std::map<Place, Lines> hints = allHints(ch9Questions);

    // One-line stock hints of the text questions: there and nowhere else.
    // clang-format off
    expectStockLinesOnlyAt(ch9Questions, {
        {"No, the F value cannot be negative!", {{10, 1}, {11, 3}, {11, 4}, {11, 5}, {17, 1}}},
        {"No, larger samples are better.", {{12, 1}, {12, 2}, {12, 3}, {12, 4}}},
        {"No, think about the null hypothesis that is being tested.", {{26, 2}, {26, 3}, {26, 4}, {26, 5}}},
        {"No, this doesn't mean anything.", {{2, 2}, {13, 2}}},
        {"No, we have more than two samples.", {{1, 4}, {2, 3}}},
    });
    // clang-format on

    // The questions back of the box-plot questions.
    // clang-format off
    const std::vector<std::pair<Lines, std::vector<Place>>> shared = {
        {{"No, are these data unpersuasive evidence against the null hypothesis?"}, {{22, 3}, {22, 4}, {23, 3}, {23, 4}}},
        {{"No, are these data totally unpersuasive evidence against the null hypothesis?"}, {{22, 5}, {23, 5}}},
        {{"No, are these data such strong evidence against the null hypothesis?"}, {{24, 1}, {24, 2}}},
        {{"No, are these data such overwhelming evidence against the null hypothesis?"}, {{22, 1}, {25, 1}, {25, 2}}},
        {{"No, are these data persuasive evidence against the null hypothesis?"}, {{24, 3}, {25, 4}}},
        {{"Yes, these data are very unpersuasive because of the small samples and the",
          "small differences among the means relative to the standard deviations."},
         {{24, 5}, {25, 5}}},
    };
    // clang-format on
    for (const auto& [lines, places] : shared)
        for (const Place& place : places)
            EXPECT_EQ(hints.at(place), lines) << where(place);

    // Questions 27 and 30 reject two options with one hint each.
    expectSharedHints(ch9Questions, {{{27, 3}, {27, 5}}, {{30, 3}, {30, 4}}});

    // Questions 5 to 8 explain each wrong change through F as a ratio of two variations.
    for (Integer n = 5; n <= 8; ++n) {
        for (Integer a = 1; a <= 5; ++a) {
            if (a != sheet[static_cast<std::size_t>(n - 1)].correct) {
                EXPECT_EQ(hints.at({n, a})[0],
                          "No, F is the ratio of the variation among the sample means to the variation")
                    << where({n, a});
            }
        }
    }
}

// The pooled t test assumes equal standard deviations just as the F test does: a clause that
// calls them an assumption gives it to both tests, not to the F test alone.
TEST(AnovaTests, EqualSpreadIsAnAssumptionOfBothTestsThatAssumeIt)
{
    const std::regex assumption{R"(equal standard deviations[^,;:.?!]*assum|assum[^,;:.?!]*equal standard deviations)"};
    const std::regex clauseEnd{R"([,;:.?!] )"};
    for (const auto& [place, hint] : allHints(ch9Questions)) {
        const std::string text = joined(hint);
        for (std::sregex_token_iterator it(text.begin(), text.end(), clauseEnd, -1), end; it != end; ++it) {
            const std::string clause = *it;
            if (!std::regex_search(clause, assumption) || clause.find("F test") == std::string::npos)
                continue;
            EXPECT_NE(clause.find("t test"), std::string::npos) << where(place) << ": " << clause;
        }
    }
}

// ---------------------------------------------------------------------------------------
// Questions 16 to 21 give summary statistics: their figures must follow from them.

struct Summary {
    Integer number;
    std::vector<std::string> figures; // texts that the right answer's hint must show
    std::string f;                    // the F that hint shows
    std::string p;                    // the p value it shows
    bool asksForF = false;            // the options are F values, not p values
};

// clang-format off
const std::vector<Summary> summaries = {
    {16, {"50.91", "10.73", "933.7"}, "0.01", "0.998", true},
    {17, {"320.8", "19.06"}, "16.8", "2.6*10^-7", true},
    {18, {"4.72", "986.0"}, "0.005", "0.995"},
    {19, {"9.31", "8.49"}, "1.10", "0.34"},
    {20, {"144.5", "9.08"}, "15.9", "0.000002"},
    {21, {"1.27", "9.08"}, "0.14", "0.87"},
};
// clang-format on

// The samples as the question states them: "... of size 25 have means 6.98, 6.96 and 7.36
// and standard deviations 2.66, 2.92 and 3.41."
struct Samples {
    double n = 0.0; // every sample's size
    std::vector<double> means;
    std::vector<double> sds;
};

Samples samplesOf(const StoredQuestion& q)
{
    static const std::regex stated{R"(of size ([0-9]+) have means (.+?) and standard deviations (.+?)\.  )"};
    const std::string stem = joined(q.lines);
    std::smatch found;
    if (!std::regex_search(stem, found, stated)) {
        ADD_FAILURE() << "no samples stated in: " << stem;
        return {};
    }
    return {std::stod(found[1].str()), numbersIn(found[2].str()), numbersIn(found[3].str())};
}

struct FTest {
    double f;
    double d1;
    double d2;
    double p;
};

FTest anova(const Samples& s)
{
    const double k = static_cast<double>(s.means.size());
    double grand = 0.0;
    for (const double m : s.means)
        grand += m / k;
    double among = 0.0;
    double within = 0.0;
    for (std::size_t i = 0; i < s.means.size(); ++i) {
        among += s.n * (s.means[i] - grand) * (s.means[i] - grand);
        within += (s.n - 1.0) * s.sds[i] * s.sds[i];
    }
    const double d1 = k - 1.0;
    const double d2 = k * s.n - k;
    const double f = (among / d1) / (within / d2);
    return {f, d1, d2, upperF(f, d1, d2)};
}

TEST(AnovaTests, SummaryQuestionsShowFiguresThatFollowFromTheirData)
{
    for (const Summary& s : summaries) {
        SCOPED_TRACE("question " + std::to_string(s.number));
        const StoredQuestion q = storeThrough(ch9Questions, s.number);
        const std::string hint = joined(rightHint(q));
        for (const auto& figure : s.figures)
            EXPECT_NE(hint.find(figure), std::string::npos) << figure << " in: " << hint;
        EXPECT_NE(hint.find(s.f), std::string::npos) << s.f << " in: " << hint;
        EXPECT_NE(hint.find(s.p), std::string::npos) << s.p << " in: " << hint;

        const Samples samples = samplesOf(q);
        ASSERT_GE(samples.means.size(), 3u);
        ASSERT_EQ(samples.sds.size(), samples.means.size());
        const FTest test = anova(samples);
        // Where the hint gives the degrees of freedom, they are those of these samples.
        if (hint.find("degrees of freedom") != std::string::npos) {
            EXPECT_NE(hint.find(fixed(test.d1, 0) + " and " + fixed(test.d2, 0) + " degrees"), std::string::npos)
                << hint;
        }
        EXPECT_TRUE(shows(s.f, test.f)) << "F = " << test.f;
        EXPECT_TRUE(shows(s.p, test.p)) << "p = " << test.p;
        expectOnlyTheKeyShows(q, s.asksForF ? test.f : test.p);
        // The right answer's hint gives the figure of the right answer itself.
        const std::string& key = q.answers[static_cast<std::size_t>(q.correct - 1)];
        EXPECT_EQ(key, s.asksForF ? s.f : s.p);
        // No hint calls the right answer merely the nearest option.
        for (const auto& lines : q.hints)
            EXPECT_EQ(joined(lines).find("nearest"), std::string::npos) << joined(lines);
    }

    // Question 17 asks for F itself; its largest option's hint gives the p value that F would have.
    const StoredQuestion q17 = storeThrough(ch9Questions, 17);
    const std::string hint = joined(q17.hints[4]);
    const std::regex wouldHave{
        R"(with ([0-9]+) and ([0-9]+) degrees of freedom its p value would be ([0-9.]+\*10\^-[0-9]+))"};
    std::smatch found;
    ASSERT_TRUE(std::regex_search(hint, found, wouldHave)) << hint;
    const double wouldBe = upperF(shownValue(q17.answers[4]), std::stod(found[1].str()), std::stod(found[2].str()));
    EXPECT_TRUE(shows(found[3].str(), wouldBe)) << found[3].str() << " for p = " << wouldBe;
    const FTest test17 = anova(samplesOf(q17));
    EXPECT_EQ(found[1].str() + " and " + found[2].str(), fixed(test17.d1, 0) + " and " + fixed(test17.d2, 0));
}

// ---------------------------------------------------------------------------------------
// The three-box plots.

struct BoxRow {
    std::string label;
    std::array<double, 5> values; // minimum, maximum, first quartile, median, third quartile
};

struct ChartRow {
    Integer number;
    std::array<BoxRow, 3> boxes;
    double maxX;
    Integer divisions;
};

// clang-format off
const std::vector<ChartRow> charts = {
    {22, {{{"n = 25", {3, 12, 5.5, 7, 9}}, {"n = 25", {3, 12, 4, 7, 9}}, {"n = 25", {7, 16, 8, 12, 15}}}}, 20, 4},
    {23, {{{"n = 15", {1, 8, 3, 5, 6}}, {"n = 20", {12, 19, 13.5, 14.5, 18}}, {"n = 25", {22, 29, 23, 25, 27}}}}, 30, 3},
    {24, {{{"n = 20", {0, 95, 26, 49.5, 79}}, {"n = 20", {2, 99, 29, 52, 73}}, {"n = 20", {0, 97, 33, 52, 69}}}}, 100, 5},
    {25, {{{"n = 25", {2.5, 11.5, 5, 6.5, 8.5}}, {"n = 25", {3, 12, 4, 7, 9}}, {"n = 25", {3, 12, 4, 7, 10}}}}, 20, 4},
};
// clang-format on

TEST(AnovaTests, BoxPlotQuestionsStoreThreeLabelledBoxes)
{
    using namespace Module1;
    for (const ChartRow& row : charts) {
        SCOPED_TRACE("question " + std::to_string(row.number));
        const StoredQuestion q = storeThrough(ch9Questions, row.number);
        EXPECT_TRUE(q.chart);
        EXPECT_EQ(gGraph, 1);
        EXPECT_EQ(gChartType(2), ChartBoxPlot);
        EXPECT_EQ(gNumBoxes, 3);
        EXPECT_EQ(gMinPlotX, 0.0);
        EXPECT_EQ(gMaxPlotX, row.maxX);
        EXPECT_EQ(gMajorXMarks, row.divisions);
        EXPECT_EQ(gMinPlotY, 0.0);
        EXPECT_EQ(gMaxPlotY, 10.0);
        EXPECT_EQ(gMajorYMarks, 0);
        EXPECT_EQ(gFirstObs, 1);
        EXPECT_EQ(gLastObs, 3);
        for (Integer b = 1; b <= 3; ++b) {
            const BoxRow& box = row.boxes[static_cast<std::size_t>(b - 1)];
            EXPECT_EQ(gBarName(b), box.label) << "box " << b;
            EXPECT_EQ(gYToGraph(b), static_cast<double>(3 * b - 2)) << "box " << b;
            EXPECT_EQ(gXToGraph(b), 0.0) << "box " << b;
            for (Integer k = 1; k <= 5; ++k)
                EXPECT_EQ(gBoxplot(b, k), box.values[static_cast<std::size_t>(k - 1)]) << "box " << b << " value " << k;
            expectBoxInOrder(b);
        }
    }
}

// The p value of an ANOVA F test of samples with these sizes, means and standard deviations.
double anovaP(const std::array<double, 3>& sizes, const std::array<double, 3>& means, const std::array<double, 3>& sds)
{
    double total = 0.0;
    double sum = 0.0;
    for (std::size_t b = 0; b < 3; ++b) {
        total += sizes[b];
        sum += sizes[b] * means[b];
    }
    const double grand = sum / total;
    double among = 0.0;
    double within = 0.0;
    for (std::size_t b = 0; b < 3; ++b) {
        among += sizes[b] * (means[b] - grand) * (means[b] - grand) / 2.0;
        within += (sizes[b] - 1.0) * sds[b] * sds[b] / (total - 3.0);
    }
    return upperF(among / within, 2.0, total - 3.0);
}

// The key is the option nearest the p value on a log scale whichever way a student reads the
// boxes, and the one most often nearest over samples drawn from the populations they describe.
TEST(AnovaTests, BoxPlotAnswersAreWhatTheBoxesShow)
{
    using namespace Module1;
    for (Integer n = 22; n <= 25; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const StoredQuestion q = storeThrough(ch9Questions, n);
        std::array<double, 3> sizes{};
        for (std::size_t b = 0; b < 3; ++b)
            sizes[b] = boxSampleSize(static_cast<Integer>(b + 1));

        for (const BoxReading& centre : boxCentres())
            for (const BoxReading& spread : boxSpreads()) {
                std::array<double, 3> means{};
                std::array<double, 3> sds{};
                for (std::size_t b = 0; b < 3; ++b) {
                    means[b] = centre.of(static_cast<Integer>(b + 1));
                    sds[b] = spread.of(static_cast<Integer>(b + 1));
                }
                const double p = anovaP(sizes, means, sds);
                EXPECT_EQ(nearestOption(q.answers, p, true), q.correct)
                    << "centres read as " << centre.name << ", spread as " << spread.name << ": p = " << p;
            }

        std::mt19937_64 random(20261211);
        std::array<int, 6> nearest{};
        constexpr int samples = 2000;
        for (int s = 0; s < samples; ++s) {
            std::array<double, 3> means{};
            std::array<double, 3> sds{};
            for (std::size_t b = 0; b < 3; ++b) {
                std::vector<double> values;
                for (int i = 0; i < static_cast<int>(sizes[b]); ++i)
                    values.push_back(drawFromBox(static_cast<Integer>(b + 1), random));
                double sum = 0.0;
                for (const double v : values)
                    sum += v;
                means[b] = sum / static_cast<double>(values.size());
                double squares = 0.0;
                for (const double v : values)
                    squares += (v - means[b]) * (v - means[b]);
                sds[b] = std::sqrt(squares / static_cast<double>(values.size() - 1));
            }
            ++nearest[static_cast<std::size_t>(nearestOption(q.answers, anovaP(sizes, means, sds), true))];
        }
        const auto most = std::max_element(nearest.begin() + 1, nearest.end()) - nearest.begin();
        EXPECT_EQ(most, q.correct) << "in samples from the boxes the key is nearest " << nearest[q.correct]
                                   << " times of " << samples;
    }
}

// A wrong p value's hint asks whether the data are evidence of the strength that value claims:
// below 0.1 persuasive or more, from 0.1 on no more than weak evidence, as the other banks
// call a p value of 0.25 unpersuasive.
TEST(AnovaTests, BoxPlotHintsAskForTheStrengthTheirPValueClaims)
{
    const std::regex persuasiveOrMore{R"(\b(persuasive|strong|overwhelming)\b)"};
    for (Integer n = 22; n <= 25; ++n) {
        const StoredQuestion q = storeThrough(ch9Questions, n);
        const double key = shownValue(q.answers[static_cast<std::size_t>(q.correct - 1)]);
        for (Integer a = 1; a <= 5; ++a) {
            const double p = shownValue(q.answers[static_cast<std::size_t>(a - 1)]);
            if (a == q.correct || p > key)
                continue;
            const std::string hint = joined(q.hints[static_cast<std::size_t>(a - 1)]);
            if (p < 0.1) {
                EXPECT_TRUE(std::regex_search(hint, persuasiveOrMore)) << where({n, a}) << ": " << hint;
            } else {
                EXPECT_FALSE(std::regex_search(hint, persuasiveOrMore)) << where({n, a}) << ": " << hint;
                EXPECT_NE(hint.find("weak"), std::string::npos) << where({n, a}) << ": " << hint;
            }
        }
    }
}

} // namespace
