#include "banks/Banks.h"
#include "quiz/Module1.h"
#include "support/BankChecks.h"
#include "support/Significance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace {

using namespace Module1;
using testing_support::expectHintsSay;
using testing_support::fixed;
using testing_support::hintAt;
using testing_support::joined;
using testing_support::SheetRow;
using testing_support::storeThrough;
using testing_support::twoSidedNormal;
using testing_support::twoSidedT;

const QuestionBank bank = ch8Questions;

const std::string boxPlotLine = "What is the 2-sided p value for a difference-in-means test using these data?";

// The whole question sheet: first words, right answer, line counts, chart, and the answers as shown.
// clang-format off
const std::vector<SheetRow> sheet = {
    {{1, "A medical experiment compares", 1, 3, {3, 3, 2, 2, 1}},
     {"pT = pC", "pT > pC", "pT < pC", "pT = 0.5", "pT - pC = 0.5"}},
    {{2, "A poll compares", 5, 3, {2, 2, 2, 2, 3}},
     {"pF > pM", "pF < pM", "pF = 0.5, pM = 0.5", "pF - pM = 0.5", "pF = pM"}},
    {{3, "Two kinds of highway paint", 5, 3, {2, 2, 2, 2, 3}},
     {"mean1 > mean2", "mean1 < mean2", "mean1 - mean2 > 1", "mean1 - mean2 = 1", "mean1 = mean2"}},
    {{4, "A study compares the mean number of hours", 1, 3, {3, 2, 2, 2, 2}},
     {"meanH = meanC", "meanH > meanC", "meanH < meanC", "meanH = 8, meanC = 8", "meanH - meanC = 1"}},
    {{5, "To compare the grade-point averages", 5, 2, {1, 1, 1, 2, 4}},
     {"box-plot ratio.", "histogram ratio.", "chi-square statistic.", "binomial 2-sided p value.",
      "difference-in-means t statistic."}},
    {{6, "To compare the mean annual rainfall", 2, 2, {2, 4, 2, 2, 1}},
     {"binomial 2-sided p value.", "difference-in-means t statistic.", "regression analysis.",
      "correlation analysis.", "chi-square statistic."}},
    {{7, "Of 1000 seeds of type A", 3, 2, {1, 1, 4, 1, 2}},
     {"ANOVA F statistic.", "box-and-whiskers statistic.", "difference-in-proportions z statistic.",
      "one-column chi-square statistic.", "regression R-squared statistic."}},
    {{8, "To compare the fraction of male", 3, 2, {1, 1, 3, 2, 1}},
     {"ANOVA F statistic.", "difference-in-means t statistic.", "difference-in-proportions z statistic.",
      "regression t statistic.", "stem-and-leaf statistic."}},
    {{9, "A difference-in-means t test that takes", 3, 2, {1, 1, 2, 1, 1}},
     {"difference-in-means chi-square statistic.", "merged histogram.", "pooled variance.", "quartile range.",
      "R-squared adjusted for degrees of freedom."}},
    {{10, "The pooled variance is a weighted average", 1, 2, {2, 1, 1, 1, 1}},
     {"sample sizes.", "plausibility of each mean.", "size of each mean.", "size of each standard deviation.",
      "correlation between the two samples."}},
    {{11, "The number of degrees of freedom", 4, 2, {2, 2, 2, 2, 1}},
     {"difference between the sample means.", "sum of the standard deviations.",
      "difference between the two variances.", "sum of the sample sizes, minus 2.",
      "difference between the sample sizes."}},
    {{12, "For a difference-in-proportions z test", 5, 1, {1, 1, 1, 2, 2}},
     {"n1 + n2", "n1 + n2 - 1", "n1 + n2 - 2", "n1 - n2 + 2", "irrelevant"}},
    {{13, "When a difference-in-means t test lets", 4, 2, {2, 2, 2, 2, 1}},
     {"n1 + n2 + 2", "the sum of the means.", "the difference between the means.", "estimated from the data.",
      "irrelevant."}},
    {{14, "In a medical study, each patient", 2, 4, {1, 2, 2, 2, 2}},
     {"simple random sampling.", "matched-pair sampling.", "cluster sampling.", "stratified sampling.",
      "systematic random sampling."}},
    {{15, "In a matched-pair study", 2, 3, {1, 2, 1, 1, 1}}, {"2", "3", "5", "7", "2 and 5"}},
    {{16, "Random samples of cars", 3, 3, {1, 1, 2, 1, 1}},
     {"smaller the A mean.", "larger the B mean.", "smaller the A standard deviation.",
      "larger the B standard deviation.", "smaller the A sample size."}},
    {{17, "A study compares the numbers of cavities", 5, 3, {1, 1, 1, 1, 1}},
     {"treatment mean.", "sum of the means.", "treatment standard deviation.", "control standard deviation.",
      "control sample size."}},
    {{18, "A study compares the heart-attack rate", 4, 3, {1, 1, 1, 1, 2}},
     {"treatment percentage.", "sum of the treatment and control percentages.", "number of aspirins taken.",
      "sum of the sample sizes.", "difference in the sample sizes."}},
    {{19, "A sample of 1000 observations has 654", 1, 3, {2, 1, 1, 1, 1}},
     {"0.0003", "0.079", "0.654", "0.575", "0.95"}},
    {{20, "A sample of 25 observations has 15", 4, 3, {1, 1, 1, 2, 1}},
     {"9.0 x 10^-11", "0.009", "0.05", "0.50", "0.95"}},
    {{21, "A sample of 600 observations has 324", 5, 3, {1, 1, 1, 1, 2}},
     {"0.005", "0.08", "0.46", "0.54", "2.48"}},
    {{22, "Two samples of 100 observations", 5, 3, {1, 1, 1, 1, 3}},
     {"0.005", "0.09", "0.56", "1.40", "6.94"}},
    {{23, "A sample of 16 observations", 3, 3, {1, 1, 3, 1, 1}}, {"0.009", "0.09", "0.90", "9.00", "90.0"}},
    {{24, "Two samples of 100 observations", 1, 3, {3, 1, 1, 1, 1}},
     {"5.6*10^-11", "0.25", "0.50", "0.75", "0.97"}},
    {{25, "A sample of 16 observations", 4, 3, {1, 1, 1, 3, 1}},
     {"0.000008", "0.0001", "0.003", "0.38", "0.83"}},
    {{26, "A difference-in-proportions test compares", 3, 3, {1, 1, 2, 1, 1}},
     {"(x1/n1) + (x2/n2)", "(x1/n1) - (x2/n2)", "(x1 + x2)/(n1 + n2)", "(x1 - x2)/(n1 + n2)",
      "(x1 - x2)/(n1 - n2)"}},
    {{27, boxPlotLine, 1, 4, {2, 1, 1, 1, 1}, true}, {"1.3*10^-12", "0.07", "0.14", "0.73", "0.94"}},
    {{28, boxPlotLine, 4, 4, {1, 1, 1, 2, 1}, true}, {"0.0002", "0.01", "0.05", "0.70", "0.99"}},
    {{29, boxPlotLine, 4, 4, {1, 1, 1, 2, 1}, true}, {"2.5*10^-22", "1.2*10^-22", "0.01", "0.51", "0.95"}},
    {{30, boxPlotLine, 1, 4, {2, 1, 1, 1, 1}, true}, {"2.5*10^-22", "0.05", "0.25", "0.75", "0.95"}},
};
// clang-format on

TEST(ComparingTwoSamples, EveryQuestionMatchesItsSheet)
{
    testing_support::expectSheet(bank, sheet);
}

TEST(ComparingTwoSamples, KeepsTheTextConventions)
{
    testing_support::expectTextConventions(bank);

    // Two blanks after a sentence inside a line; one blank after a colon or a semicolon; a
    // comma after a leading phrase before the number that follows it; no blank inside a fraction.
    testing_support::expectNoTextMatches(
        bank, {R"([a-z0-9)?!]\. [^ ]|[?!] [A-Za-z(])", "[:;]  ", R"(type [AB] [0-9])", R"(/ )"});

    // A worded option ends in a full stop when the other worded options of its question do;
    // formulas and numbers never do.
    const std::regex word("[a-z]{3,}");
    for (Integer n = 1; n <= 30; ++n) {
        const auto q = storeThrough(bank, n);
        int worded = 0;
        int stops = 0;
        for (const auto& a : q.answers) {
            if (std::regex_search(a, word)) {
                ++worded;
                stops += a.ends_with('.');
            } else {
                EXPECT_FALSE(a.ends_with('.')) << "question " << n << ": " << a;
            }
        }
        EXPECT_FALSE(worded > 1 && stops == worded - 1) << "question " << n << ": one worded option lacks a full stop";
    }
}

TEST(ComparingTwoSamples, QuotedQuestionsWordForWord)
{
    testing_support::expectQuestion(bank, 12, 5,
                                    {"For a difference-in-proportions z test, the number of degrees of freedom is"},
                                    {"n1 + n2", "n1 + n2 - 1", "n1 + n2 - 2", "n1 - n2 + 2", "irrelevant"},
                                    {{{"No, think about the meaning of a z statistic."},
                                      {"No, think about the meaning of a z statistic."},
                                      {"No, think about the meaning of a z statistic."},
                                      {"No, think about the meaning of a z statistic (and this is a VERY peculiar",
                                       "number of degrees of freedom!)."},
                                      {"Yes, a z statistic involves the normal distribution, which doesn't depend on",
                                       "degrees of freedom.  (Look at the Normal table in a statistics textbook.)"}}});

    const Lines soPersuasive = {"No, do you really find this difference so statistically persuasive?"};
    testing_support::expectQuestion(bank, 28, 4, {boxPlotLine, "", "", ""}, {"0.0002", "0.01", "0.05", "0.70", "0.99"},
                                    {{soPersuasive,
                                      soPersuasive,
                                      soPersuasive,
                                      {"Yes, these data are unpersuasive because of the small samples and the",
                                       "small difference in the means relative to the standard deviations."},
                                      {"No, do you really find this difference totally unpersuasive?"}}});
}

TEST(ComparingTwoSamples, StockHintsRecurWordForWord)
{
    // clang-format off
    testing_support::expectStockLinesAt(bank, {
        {"No, this is meaningless.", {{5, 1}, {5, 2}, {7, 2}, {8, 5}, {9, 2}, {10, 2}}},
        {"No, this is irrelevant.", {{9, 5}, {10, 3}, {10, 4}}},
        {"No, the opposite.", {{16, 1}, {16, 2}, {17, 1}, {18, 1}}},
        {"No, we are using the binomial model with categorical data.", {{7, 1}, {8, 1}, {8, 2}}},
        {"No, these are not categorical data.", {{5, 3}, {6, 5}}},
        {"No, a large standard deviation makes the results less convincing.", {{16, 4}, {17, 3}, {17, 4}}},
        {"No, think about the meaning of a z statistic.", {{12, 1}, {12, 2}, {12, 3}}},
        {"No, this is one of the success fractions, not the p value.", {{19, 3}, {19, 4}}},
        {"No, this is one of the success fractions, not the z value.", {{21, 3}, {21, 4}}},
        {"No, do you really find this difference statistically unpersuasive?",
         {{19, 5}, {22, 2}, {22, 3}, {22, 4}, {24, 2}, {24, 3}, {24, 4}}},
        // A z value of 0.005 is no evidence at all (question 21, answer 1).
        {"No, do you really find this difference so statistically unpersuasive?",
         {{21, 1}, {22, 1}, {23, 1}, {23, 2}, {25, 5}, {27, 3}, {27, 4}, {29, 5}, {30, 3}, {30, 4}}},
        {"No, do you really find this difference so statistically persuasive?",
         {{23, 4}, {23, 5}, {25, 1}, {25, 2}, {25, 3}, {28, 1}, {28, 2}, {28, 3}, {29, 1}, {29, 2}, {29, 3}}},
        {"No, do you really find this difference that statistically persuasive?", {{20, 1}, {20, 2}, {20, 3}}},
        {"No, do you really find this difference barely statistically persuasive?", {{27, 2}, {30, 2}}},
        {"No, do you really find this difference totally unpersuasive?", {{27, 5}, {28, 5}, {30, 5}}},
        {"Yes, more data are more persuasive.", {{17, 5}, {18, 4}}},
    });
    // clang-format on

    // Answers that say the same wrong thing share one hint.
    testing_support::expectSharedHints(bank, {{{2, 1}, {2, 2}}, {{3, 1}, {3, 2}}, {{4, 2}, {4, 3}}});
}

// What the right answers' hints compute, recomputed from the questions' data.
double pooledZ(double x1, double n1, double x2, double n2)
{
    const double pooled = (x1 + x2) / (n1 + n2);
    return std::abs(x1 / n1 - x2 / n2) / std::sqrt(pooled * (1.0 - pooled) * (1.0 / n1 + 1.0 / n2));
}

double pooledT(double mean1, double sd1, double n1, double mean2, double sd2, double n2)
{
    const double variance = ((n1 - 1.0) * sd1 * sd1 + (n2 - 1.0) * sd2 * sd2) / (n1 + n2 - 2.0);
    return std::abs(mean2 - mean1) / std::sqrt(variance * (1.0 / n1 + 1.0 / n2));
}

// The test statistics of the questions that give two samples' data (19 to 25).
const double z19 = pooledZ(654, 1000, 575, 1000);
const double z20 = pooledZ(15, 25, 10, 20);
const double z21 = pooledZ(324, 600, 184, 400);
const double t22 = pooledT(24.2, 20.8, 100, 43.6, 18.7, 100);
const double t23 = pooledT(3.5, 10.4, 16, 7.2, 8.7, 9);

std::string oneFigure(double value) // 7.7*10^-11
{
    const int exponent = static_cast<int>(std::floor(std::log10(value)));
    return fixed(value / std::pow(10.0, exponent), 1) + "*10^" + std::to_string(exponent);
}

// A shown number ("0.0003", "5.6*10^-11", "9.0 x 10^-11") and half a unit of its last digit;
// NaN for an option that is no number.
struct Shown {
    double value;
    double halfUnit;
};

Shown shown(const std::string& text)
{
    static const std::regex number(R"(([0-9]*\.?[0-9]+)(?: ?[x*] ?10\^(-?[0-9]+))?)");
    std::smatch m;
    if (!std::regex_match(text, m, number))
        return {std::nan(""), 0.0};
    const std::string mantissa = m[1];
    const double exponent = m[2].matched ? std::stod(m[2]) : 0.0;
    const auto point = mantissa.find('.');
    const double decimals = point == std::string::npos ? 0.0 : static_cast<double>(mantissa.size() - point - 1);
    return {std::stod(mantissa) * std::pow(10.0, exponent), 0.5 * std::pow(10.0, exponent - decimals) * 1.0001};
}

std::string hintText(Integer number, Integer answer)
{
    return joined(hintAt(bank, {number, answer}));
}

// Every figure that a question asks for, recomputed from the data in its lines: the keyed
// option is that figure at its own precision, and no other option is.
TEST(ComparingTwoSamples, KeyedFiguresAreWhatTheDataGive)
{
    const struct {
        Integer number;
        std::string data; // as the question gives it
        double figure;
    } cases[] = {
        {19, "1000 observations has 654 successes and a second sample of 1000 observations has 575.",
         twoSidedNormal(z19)},
        {20, "25 observations has 15 successes and a second sample of 20 observations has 10.", twoSidedNormal(z20)},
        {21, "600 observations has 324 successes and a second sample of 400 observations has 184.", z21},
        {22, "100 observations each have the means 24.2 and 43.6 and the standard deviations 20.8 and 18.7.", t22},
        {23,
         "16 observations has mean 3.5 and standard deviation 10.4; a second sample of 9 observations has "
         "mean 7.2 and standard deviation 8.7.",
         t23},
        {24, "100 observations each have the means 24.2 and 43.6 and the standard deviations 20.8 and 18.7.",
         twoSidedT(t22, 198)},
        {25,
         "16 observations has mean 3.5 and standard deviation 10.4; a second sample of 9 observations has "
         "mean 7.2 and standard deviation 8.7.",
         twoSidedT(t23, 23)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("question " + std::to_string(c.number));
        const auto q = storeThrough(bank, c.number);
        EXPECT_NE(joined(q.lines).find(c.data), std::string::npos) << joined(q.lines);
        for (Integer a = 1; a <= 5; ++a) {
            const std::string& option = q.answers[static_cast<std::size_t>(a - 1)];
            const Shown s = shown(option);
            if (a == q.correct) {
                ASSERT_FALSE(std::isnan(s.value)) << option;
                EXPECT_NEAR(s.value, c.figure, s.halfUnit) << "keyed \"" << option << "\", the data give " << c.figure;
            } else if (!std::isnan(s.value)) {
                EXPECT_GT(std::abs(s.value - c.figure), s.halfUnit)
                    << "answer " << a << " \"" << option << "\" is also the figure " << c.figure;
            }
        }
    }
}

TEST(ComparingTwoSamples, HintFiguresFollowFromTheData)
{
    const double z7 = pooledZ(954, 1000, 872, 1000);

    const struct {
        Integer number;
        std::string figure;
    } figures[] = {
        {7, "z = 0.082/0.0126 = " + fixed(z7, 2)},
        {7, "p value is about " + oneFigure(twoSidedNormal(z7))},
        {19, "= " + fixed(z19, 2)},
        {19, "p is about " + fixed(twoSidedNormal(z19), 4)},
        {20, "= " + fixed(z20, 2)},
        {20, "p is about " + fixed(twoSidedNormal(z20), 2)},
        {21, "= " + fixed(z21, 2)},
        {21, "p value is about " + fixed(twoSidedNormal(z21), 2)},
        {22, "= " + fixed(t22, 2)},
        {22, "198 degrees of freedom p is about " + oneFigure(twoSidedT(t22, 198))},
        {24, "= " + fixed(t22, 2)},
        {24, "p value is about " + oneFigure(twoSidedT(t22, 198))},
        {23, "= " + fixed(t23, 2)},
        {23, "23 degrees of freedom p is about " + fixed(twoSidedT(t23, 23), 2)},
        {25, "= " + fixed(t23, 2)},
        {25, "p value is about " + fixed(twoSidedT(t23, 23), 2)},
    };
    for (const auto& f : figures) {
        const auto right = storeThrough(bank, f.number).correct;
        EXPECT_NE(hintText(f.number, right).find(f.figure), std::string::npos)
            << "question " << f.number << " lacks \"" << f.figure << "\": " << hintText(f.number, right);
    }

    // Question 29 sets the difference of the means against its standard error, read from the
    // boxes with each quarter spread evenly, and names the sample sizes of the labels.
    storeThrough(bank, 29);
    const auto one = testing_support::estimateFromBox(1);
    const auto two = testing_support::estimateFromBox(2);
    const double n29 = testing_support::boxSampleSize(1);
    ASSERT_EQ(n29, testing_support::boxSampleSize(2));
    const std::string hint29 = hintText(29, 4);
    const double standardError = std::sqrt((one.sd * one.sd + two.sd * two.sd) / n29);
    for (const std::string& figure : {"samples of " + fixed(n29, 0), "differ by about " + fixed(two.mean - one.mean, 1),
                                      "standard error of the difference, " + fixed(standardError, 1)})
        EXPECT_NE(hint29.find(figure), std::string::npos) << "question 29 lacks \"" << figure << "\": " << hint29;

    // Each question of a pair with the same data states the other's right answer, the figure
    // that the keyed figures above compute.
    for (const auto& [one, other] : {std::pair{22, 24}, {24, 22}, {23, 25}, {25, 23}}) {
        const auto q = storeThrough(bank, one);
        const auto p = storeThrough(bank, other);
        const std::string& key = p.answers[static_cast<std::size_t>(p.correct - 1)];
        EXPECT_NE(hintText(one, q.correct).find(key), std::string::npos)
            << "question " << one << " lacks " << key << " of question " << other << ": " << hintText(one, q.correct);
    }

    // The pooled variance weights each sample by its degrees of freedom.
    EXPECT_NE(hintText(10, 1).find("degrees of freedom, n - 1"), std::string::npos);
}

// Wrong answers' hints say what is true of the option they answer.
TEST(ComparingTwoSamples, WrongAnswersHintsSayWhatTheirOptionIs)
{
    expectHintsSay(bank, {
        // Regression and correlation relate two variables, not one year to another.
        {6, 3, "two variables", "another year"},
        {6, 4, "two variables", "another year"},
        // The quartile range is a real measure of spread, only not what this test pools.
        {9, 4, "spread", "meaningless"},
        // A matched pair is a block of two: the other designs must be ones that pair nobody.
        {14, 3, "cluster", "within each block"},
    });
    EXPECT_EQ(storeThrough(bank, 14).answers[2], "cluster sampling.");
}

// The spread of a difference of means or proportions is its standard error, never a standard
// deviation that a student could take for the samples' own.
TEST(ComparingTwoSamples, TheDifferenceHasAStandardError)
{
    testing_support::expectNoTextMatches(
        bank, {R"(standard deviation of the difference|difference has the standard\s+deviation)"});
}

// "More data are more persuasive" holds only for a result in the treatment's favour: the
// stems of questions 17 and 18 say which group did better.
TEST(ComparingTwoSamples, LargerSamplesPersuadeOfAResultTheStemStates)
{
    const struct {
        Integer number;
        std::regex direction;
    } cases[] = {
        {17, std::regex(R"(toothpaste[^.]*fewer cavities)")},
        {18, std::regex(R"(lower in the aspirin group|aspirin group[^.]*lower)")},
    };
    for (const auto& c : cases) {
        const auto q = storeThrough(bank, c.number);
        EXPECT_NE(hintText(c.number, q.correct).find("more data"), std::string::npos);
        EXPECT_TRUE(std::regex_search(joined(q.lines), c.direction)) << "question " << c.number << ": " << joined(q.lines);
    }
}

TEST(ComparingTwoSamples, BoxPlotQuestionsStoreTheirCharts)
{
    const struct {
        Integer number;
        std::array<std::string, 2> labels;
        std::array<Box, 2> boxes;
        double maxX;
        Integer divisions;
    } charts[] = {
        {27, {"n = 20", "n = 25"}, {{{1, 9, 3.5, 5, 8}, {10, 19, 11, 14, 16.5}}}, 20.0, 4},
        {28, {"n = 10", "n = 15"}, {{{3.4, 22.8, 8.8, 16.1, 20.2}, {3.4, 21.6, 10.2, 14.6, 16.2}}}, 25.0, 5},
        {29, {"n = 100", "n = 100"}, {{{0, 19.8, 4.2, 8.8, 14.7}, {0, 19.8, 5.3, 9.5, 15.2}}}, 20.0, 4},
        {30, {"n = 100", "n = 100"}, {{{0, 9, 3, 5, 8}, {5, 14, 7, 9, 12}}}, 20.0, 4},
    };
    for (const auto& c : charts) {
        SCOPED_TRACE("question " + std::to_string(c.number));
        const auto q = storeThrough(bank, c.number);
        EXPECT_EQ(q.lines, (Lines{boxPlotLine, "", "", ""}));

        EXPECT_EQ(gNumBoxes, 2);
        for (Integer b = 1; b <= 2; ++b) {
            SCOPED_TRACE("box " + std::to_string(b));
            const Box& box = c.boxes[static_cast<std::size_t>(b - 1)];
            EXPECT_EQ(gBarName(b), c.labels[static_cast<std::size_t>(b - 1)]);
            EXPECT_EQ(gBoxplot(b, 1), box.minimum);
            EXPECT_EQ(gBoxplot(b, 2), box.maximum);
            EXPECT_EQ(gBoxplot(b, 3), box.firstQuartile);
            EXPECT_EQ(gBoxplot(b, 4), box.median);
            EXPECT_EQ(gBoxplot(b, 5), box.thirdQuartile);
            testing_support::expectBoxInOrder(b);
        }
        EXPECT_EQ(gMinPlotX, 0.0);
        EXPECT_EQ(gMaxPlotX, c.maxX);
        EXPECT_EQ(gMajorXMarks, c.divisions);
        EXPECT_EQ(gMaxPlotX / static_cast<double>(gMajorXMarks), 5.0) << "a tick every 5";

        // What boxPlot completes: two boxes at levels 1 and 4 on a vertical range 0 to 7.
        EXPECT_EQ(gGraph, 1);
        EXPECT_EQ(gChartType(1), 0);
        EXPECT_EQ(gChartType(2), ChartBoxPlot);
        EXPECT_EQ(gMinPlotY, 0.0);
        EXPECT_EQ(gMaxPlotY, 7.0);
        EXPECT_EQ(gFirstObs, 1);
        EXPECT_EQ(gLastObs, 2);
        EXPECT_EQ(gYToGraph(1), 1.0);
        EXPECT_EQ(gYToGraph(2), 4.0);
        EXPECT_EQ(gXToGraph(1), 0.0);
        EXPECT_EQ(gXToGraph(2), 0.0);
        EXPECT_EQ(gMajorYMarks, 0);
        EXPECT_EQ(gXDecimals, 0);
        EXPECT_EQ(gYDecimals, 0);
        EXPECT_EQ(gXaxis, 0);
        EXPECT_EQ(gYaxis, 0);
        EXPECT_EQ(gXAxisLabel, "");
        EXPECT_EQ(gYAxisLabel, "");
    }
}

// The key is the option nearest the p value on a log scale whichever way a student reads the
// boxes, and the one most often nearest over samples drawn from the populations they describe.
TEST(ComparingTwoSamples, BoxPlotAnswersAreWhatTheBoxesShow)
{
    for (Integer n = 27; n <= 30; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const auto q = storeThrough(bank, n);
        const double n1 = testing_support::boxSampleSize(1);
        const double n2 = testing_support::boxSampleSize(2);
        for (const auto& centre : testing_support::boxCentres())
            for (const auto& spread : testing_support::boxSpreads()) {
                const double t = pooledT(centre.of(1), spread.of(1), n1, centre.of(2), spread.of(2), n2);
                const double p = twoSidedT(t, n1 + n2 - 2.0);
                EXPECT_EQ(testing_support::nearestOption(q.answers, p, true), q.correct)
                    << "centres read as " << centre.name << ", spread as " << spread.name << ": p = " << p;
            }

        std::mt19937_64 random(20261210);
        std::array<int, 6> nearest{};
        constexpr int samples = 2000;
        for (int s = 0; s < samples; ++s) {
            std::array<std::vector<double>, 2> drawn;
            std::array<double, 2> means{};
            std::array<double, 2> sds{};
            for (Integer b = 1; b <= 2; ++b) {
                auto& values = drawn[static_cast<std::size_t>(b - 1)];
                for (int i = 0; i < static_cast<int>(testing_support::boxSampleSize(b)); ++i)
                    values.push_back(testing_support::drawFromBox(b, random));
                double sum = 0.0;
                for (double v : values)
                    sum += v;
                const double mean = sum / static_cast<double>(values.size());
                double squares = 0.0;
                for (double v : values)
                    squares += (v - mean) * (v - mean);
                means[static_cast<std::size_t>(b - 1)] = mean;
                sds[static_cast<std::size_t>(b - 1)] = std::sqrt(squares / static_cast<double>(values.size() - 1));
            }
            const double p = twoSidedT(pooledT(means[0], sds[0], n1, means[1], sds[1], n2), n1 + n2 - 2.0);
            ++nearest[static_cast<std::size_t>(testing_support::nearestOption(q.answers, p, true))];
        }
        const auto most = std::max_element(nearest.begin() + 1, nearest.end()) - nearest.begin();
        EXPECT_EQ(most, q.correct) << "in samples from the boxes the key is nearest " << nearest[q.correct] << " times of "
                                   << samples;
    }
}

} // namespace
