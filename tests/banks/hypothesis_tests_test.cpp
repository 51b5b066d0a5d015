#include "banks/Banks.h"
#include "quiz/Module1.h"
#include "support/BankChecks.h"
#include "support/Significance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Module1::ch7Questions;
using Module1::Integer;
using Module1::Lines;
using testing_support::expectLinesState;
using testing_support::joined;
using testing_support::Place;
using testing_support::storeThrough;

const Lines& hintAt(const Place& place)
{
    static const std::map<Place, Lines> hints = testing_support::allHints(ch7Questions);
    return hints.at(place);
}

TEST(HypothesisTests, EveryQuestionHasItsRightAnswerAndLineCounts)
{
    // clang-format off
    testing_support::expectRows(ch7Questions, {
        {1, "Instead of saying that the data prove", 5, 2, {2, 2, 2, 1, 2}},
        {2, "The hypothesis that is tested", 1, 1, {2, 2, 1, 1, 1}},
        {3, "The null hypothesis of a standard", 4, 1, {2, 2, 1, 3, 1}},
        {4, "A standard statistical test is a proof", 3, 1, {1, 1, 3, 1, 1}},
        {5, "H0 specifies the value", 5, 1, {1, 1, 1, 1, 1}},
        {6, "In a test of extrasensory perception", 1, 4, {2, 1, 1, 2, 1}},
        {7, "A course is judged", 1, 3, {2, 2, 1, 2, 2}},
        {8, "A test computes a statistic", 2, 3, {1, 2, 1, 1, 1}},
        {9, "To test H0: population mean = 100", 3, 3, {1, 1, 1, 1, 1}},
        {10, "To test H0: population mean = 0,", 4, 2, {1, 1, 1, 1, 1}},
        {11, "To test H0: population mean = 50", 2, 3, {1, 1, 1, 1, 1}},
        {12, "To test H0: probability = 0.5, 100 observations", 4, 2, {1, 1, 1, 2, 1}},
        {13, "To test H0: probability = 0.5, 100 observations", 3, 2, {1, 1, 2, 1, 1}},
        {14, "To test H0: probability = 0.5, 25 observations", 3, 2, {1, 1, 2, 1, 1}},
        {15, "Testing H0: probability = 0.5 gave z = 2.2", 2, 1, {1, 1, 1, 1, 1}},
        {16, "Testing H0: probability = 0.25 gave z = 0.80", 4, 1, {1, 1, 1, 1, 1}},
        {17, "Testing H0: population mean = 10.0", 1, 2, {3, 3, 3, 1, 1}},
        {18, "Testing H0: population mean = 0.0", 4, 2, {1, 1, 1, 3, 3}},
        {19, "The sample statistic used to test", 1, 1, {1, 1, 1, 1, 1}},
        {20, "A two-sided p value is used", 5, 1, {1, 1, 1, 1, 2}},
        {21, "A t statistic is used to test", 5, 1, {1, 1, 1, 1, 2}},
        {22, "To test H0: success probability = 0.5, a 95% confidence", 1, 2, {2, 1, 1, 1, 1}},
        {23, "Testing H0: population mean = 40 gave t = 3.62", 2, 2, {1, 3, 1, 1, 1}},
        {24, "A nonparametric test is appropriate", 5, 1, {1, 1, 1, 1, 2}},
        {25, "Running a great many tests", 3, 2, {1, 1, 3, 1, 1}},
        {26, "Given valid data to test H0", 1, 2, {1, 1, 1, 1, 1}},
        {27, "Testing H0: success probability = 0.5 gave z = -4.74", 4, 2, {1, 1, 1, 3, 1}},
        {28, "A null hypothesis is most strongly rejected", 5, 1, {2, 2, 1, 1, 3}},
        {29, "The data give the least evidence", 5, 1, {2, 2, 1, 1, 4}},
        {30, "A null hypothesis about a population mean is false", 5, 2, {3, 2, 2, 1, 2}},
    });
    // clang-format on
}

TEST(HypothesisTests, TextsAreShortPlainAsciiAndOpenYesOrNo)
{
    testing_support::expectTextConventions(ch7Questions);
}

TEST(HypothesisTests, OnlyTheLastQuestionStandsAlone)
{
    for (Integer n = 1; n <= 30; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const auto q = storeThrough(ch7Questions, n);
        const char last = q.lines.back().back();
        if (n == 30)
            EXPECT_EQ(last, '?');
        else
            EXPECT_TRUE(last != '?' && last != ':' && last != '.') << q.lines.back();
    }
}

TEST(HypothesisTests, OptionsAreGivenExactly)
{
    // clang-format off
    testing_support::expectAnswers(ch7Questions, {
        {2, {"null hypothesis.", "research hypothesis.", "test hypothesis.", "wrong hypothesis.",
             "alternative hypothesis."}},
        {4, {"logical reasoning.", "axiomatic reasoning.", "statistical contradiction.", "mathematical deduction.",
             "numerical equivalence."}},
        {6, {"p = 1/4", "p = 1/2", "p = 3/4", "p = 1", "p > 1/2"}},
        {7, {"0.", "0.5.", "negative.", "positive.", "equal to the sample mean."}},
        // All five end alike.
        {8, {"F value.", "p value.", "s value.", "t value.", "x-bar value."}},
        {9, {"0.80", "2.00", "8.00", "20.00", "80.00"}},
        {10, {"0.25", "0.50", "1.00", "1.25", "6.25"}},
        {11, {"0.20", "2.00", "20.00", "200.00", "2000.00"}},
        {12, {"0.10", "0.20", "1.00", "2.00", "20.00"}},
        {13, {"0.30", "0.80", "6.00", "7.50", "10.00"}},
        {14, {"0.03", "0.30", "3.00", "30.00", "300.00"}},
        {15, {"0.001", "0.028", "0.204", "0.514", "0.805"}},
        {16, {"0.02", "0.04", "0.25", "0.42", "0.80"}},
        {17, {"0.003", "0.104", "0.213", "0.47", "0.94"}},
        {18, {"0.01", "0.02", "0.13", "0.27", "0.47"}},
        {19, {"test statistic.", "H0 statistic.", "H1 statistic.", "probability statistic.", "p value."}},
        {22, {"less than 0.05", "0.05", "0.15", "0.30", "0.50"}},
        {23, {"36.4 to 43.6", "44.7 to 56.3", "38.2 to 41.8", "40.0 to 43.6", "33.6 to 47.2"}},
        {24, {"value of the null hypothesis.", "value of the sample statistic.", "p value.", "field of study.",
              "distribution of the data."}},
        {25, {"robust estimation.", "nonparametric tests.", "data mining.", "sample statistics.",
              "proof by contradiction."}},
        {26, {"binomial distribution.", "normal distribution.", "law of large numbers.", "law of averages.",
              "confidence interval."}},
        {27, {"0.47 to 0.53", "0.03 to 0.97", "0.35 to 0.53", "0.29 to 0.41", "0.45 to 0.62"}},
    });
    // clang-format on
}

TEST(HypothesisTests, QuestionFiveWordForWord)
{
    const Lines sample = {"No, the sample is used to test H0."};
    testing_support::expectQuestion(
        ch7Questions, 5, 5, {"H0 specifies the value of a"},
        {"sample statistic.", "sample size.", "sample mean.", "sample proportion.", "population parameter."},
        {sample, sample, sample, sample,
         Lines{"Yes, for example, a population mean or binomial success probability."}});
}

// Each stock line is the whole hint of exactly these answers and of no other.
TEST(HypothesisTests, StockLinesAreTheWholeHintOfTheirAnswers)
{
    // clang-format off
    testing_support::expectStockLinesOnlyAt(ch7Questions, {
        {"No, you are just guessing.",
         {{9, 2}, {9, 4}, {10, 2}, {10, 3}, {11, 4}, {11, 5}, {12, 1}, {12, 3}, {13, 1}, {13, 2}, {13, 5},
          {14, 1}, {14, 5}, {15, 4}, {15, 5}, {16, 2}, {16, 5}, {17, 4}, {17, 5}, {18, 1}, {18, 2}}},
        {"No, you are guessing.",
         {{19, 2}, {20, 3}, {20, 4}, {21, 1}, {21, 2}, {21, 3}, {21, 4}, {22, 3}, {22, 4}, {22, 5}, {24, 1},
          {24, 2}, {24, 3}, {26, 3}, {26, 5}}},
        {"No, this is meaningless.", {{8, 3}, {19, 3}, {19, 4}, {20, 1}, {20, 2}, {24, 4}}},
        {"No, remember to take the sample size into account.", {{9, 1}, {10, 1}, {11, 1}, {12, 2}, {14, 2}}},
        {"No, remember to use the square root of the sample size.", {{9, 5}, {10, 5}, {11, 3}, {12, 5}, {14, 4}}},
        {"No, the sample is used to test H0.", {{5, 1}, {5, 2}, {5, 3}, {5, 4}}},
        {"No, think about how a confidence interval is related to a hypothesis test.",
         {{22, 2}, {23, 1}, {23, 3}, {23, 4}, {23, 5}, {27, 1}, {27, 2}, {27, 3}, {27, 5}}},
        {"No, remember the rules of thumb for 1, 2 and 3 standard deviations.", {{15, 1}, {15, 3}, {16, 1}, {16, 3}}},
        {"Yes, using the rules of thumb for 1, 2 and 3 standard deviations.", {{15, 2}, {16, 4}}},
    });
    // clang-format on
}

TEST(HypothesisTests, AnswersThatShareAHintShareItWordForWord)
{
    // clang-format off
    testing_support::expectSharedHints(ch7Questions, {
        {{1, 1}, {1, 2}, {1, 3}}, {{2, 3}, {2, 4}}, {{4, 1}, {4, 2}},
        {{6, 2}, {6, 5}},         {{8, 1}, {8, 4}}, {{17, 2}, {17, 3}},
        {{28, 1}, {28, 2}, {29, 1}, {29, 2}},
    });
    // clang-format on
    EXPECT_EQ(hintAt({1, 1}).size(), 2u);
    EXPECT_NE(joined(hintAt({1, 1})).find("if H0 is true"), std::string::npos);
    EXPECT_EQ(hintAt({28, 1}).size(), 2u);
    EXPECT_NE(joined(hintAt({28, 1})).find("consistent the data are with the null hypothesis"), std::string::npos);
}

// The t values of these questions are read as z values; the hints say why.
TEST(HypothesisTests, RulesOfThumbHintsOfTValuesNameTheirDegreesOfFreedom)
{
    const std::string yes = "Yes, using the rules of thumb for 1, 2 and 3 standard deviations.  (With ";
    const std::string no = "No, remember the rules of thumb for 1, 2 and 3 standard deviations.  (With ";
    // clang-format off
    const std::vector<std::tuple<Place, std::string, std::string>> cases = {
        {{17, 1}, yes, "46"}, {{17, 2}, no, "46"}, {{17, 3}, no, "46"},
        {{18, 4}, yes, "99"}, {{18, 5}, no, "99"},
    };
    // clang-format on
    for (const auto& [place, opening, degrees] : cases) {
        SCOPED_TRACE("question " + std::to_string(place.first) + " answer " + std::to_string(place.second));
        const Lines& hint = hintAt(place);
        ASSERT_EQ(hint.size(), 3u);
        EXPECT_EQ(hint[0], opening + degrees);
        EXPECT_EQ(joined(hint),
                  opening + degrees +
                      " degrees of freedom the t distribution is very close to the normal distribution.)");
    }
    EXPECT_NE(joined(hintAt({18, 3})).find("one-sided"), std::string::npos);
}

TEST(HypothesisTests, ComputationHintsUseEachQuestionsOwnData)
{
    // clang-format off
    const std::vector<std::pair<Place, Lines>> cases = {
        {{9, 3}, {"Yes, t = (x-bar - mean)/(s/sqrt(100)) = (120 - 100)/(25/10) = 8.00."}},
        {{10, 4}, {"Yes, t = (x-bar - mean)/(s/sqrt(25)) = (1 - 0)/(4/5) = 1.25."}},
        {{11, 2}, {"Yes, t = (x-bar - mean)/(s/sqrt(100)) = (52 - 50)/(10/10) = 2.00."}},
        {{12, 4},
         {"Yes, z = (x/n - p)/sqrt(p(1 - p)/n), with p = 0.5, the value under H0:",
          "z = (60/100 - 0.5)/sqrt(0.5(1 - 0.5)/100) = 0.10/0.05 = 2.00."}},
        {{13, 3},
         {"Yes, z = (x/n - p)/sqrt(p(1 - p)/n), with p = 0.5, the value under H0:",
          "z = (80/100 - 0.5)/sqrt(0.5(1 - 0.5)/100) = 0.30/0.05 = 6.00."}},
        {{14, 3},
         {"Yes, z = (x/n - p)/sqrt(p(1 - p)/n), with p = 0.5, the value under H0:",
          "z = (20/25 - 0.5)/sqrt(0.5(1 - 0.5)/25) = 0.30/0.10 = 3.00."}},
    };
    // clang-format on
    for (const auto& [place, hint] : cases) {
        SCOPED_TRACE("question " + std::to_string(place.first));
        EXPECT_EQ(hintAt(place), hint);
    }
}

// Every figure that a question asks for, recomputed from the data in its lines: the keyed
// option is that figure at its own precision, and no other option is.
TEST(HypothesisTests, KeyedFiguresAreWhatTheDataGive)
{
    using testing_support::twoSidedNormal;
    using testing_support::twoSidedT;
    const auto t = [](double mean, double null, double sd, double n) { return (mean - null) / (sd / std::sqrt(n)); };
    const auto z = [](double x, double n, double p) { return (x / n - p) / std::sqrt(p * (1.0 - p) / n); };

    const struct {
        Integer number;
        std::vector<std::string> data; // as the question gives them
        double figure;
    } cases[] = {
        {9, {"population mean = 100", "100 observations", "mean is 120", "deviation is 25"}, t(120, 100, 25, 100)},
        {10, {"population mean = 0,", "25 observations", "mean is 1", "deviation is 4."}, t(1, 0, 4, 25)},
        {11, {"population mean = 50", "100 observations", "mean is 52", "deviation is 10."}, t(52, 50, 10, 100)},
        {12, {"probability = 0.5", "100 observations", "60 of them"}, z(60, 100, 0.5)},
        {13, {"probability = 0.5", "100 observations", "80 of them"}, z(80, 100, 0.5)},
        {14, {"probability = 0.5", "25 observations", "20 of them"}, z(20, 25, 0.5)},
        {15, {"z = 2.2."}, twoSidedNormal(2.2)},
        {16, {"z = 0.80."}, twoSidedNormal(0.80)},
        {17, {"47 observations", "t = 3.15."}, twoSidedT(3.15, 47 - 1)},
        {18, {"100 observations", "t = 1.11."}, twoSidedT(1.11, 100 - 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("question " + std::to_string(c.number));
        const auto q = storeThrough(ch7Questions, c.number);
        expectLinesState(q, c.data);
        for (Integer a = 1; a <= 5; ++a) {
            const std::string& option = q.answers[static_cast<std::size_t>(a - 1)];
            const double value = testing_support::shownValue(option);
            const double half = testing_support::halfUnit(option);
            if (a == q.correct)
                EXPECT_NEAR(value, c.figure, half) << "keyed " << option << ", the data give " << c.figure;
            else
                EXPECT_GT(std::abs(value - c.figure), half) << "answer " << a << " is also the figure " << c.figure;
        }
    }

    // Distractors whose hints name the slip that gives them.
    const struct {
        Place place;
        double figure;
        std::string named; // in its hint
        bool figureInHint;
    } slips[] = {
        {{18, 3}, testing_support::upperT(1.11, 100 - 1), "one-sided", true},
        // The sample proportion 80/100 in the standard error in place of H0's 0.5.
        {{13, 4}, (80.0 / 100 - 0.5) / std::sqrt(80.0 / 100 * (1 - 80.0 / 100) / 100),
         "sample proportion " + testing_support::fixed(80.0 / 100, 1), false},
    };
    for (const auto& s : slips) {
        SCOPED_TRACE("question " + std::to_string(s.place.first) + ", answer " + std::to_string(s.place.second));
        const std::string option =
            storeThrough(ch7Questions, s.place.first).answers[static_cast<std::size_t>(s.place.second - 1)];
        EXPECT_NEAR(testing_support::shownValue(option), s.figure, testing_support::halfUnit(option)) << option;
        EXPECT_NE(joined(hintAt(s.place)).find(s.named), std::string::npos) << joined(hintAt(s.place));
        if (s.figureInHint) {
            EXPECT_NE(joined(hintAt(s.place)).find(option), std::string::npos) << "the hint gives the option's figure";
        }
    }
}

// A test statistic is computed from the sample; it estimates no parameter.
TEST(HypothesisTests, CallsTheTestStatisticASampleStatistic)
{
    const auto q = storeThrough(ch7Questions, 19);
    EXPECT_EQ(joined(q.lines).find("estimator"), std::string::npos) << joined(q.lines);
    EXPECT_NE(joined(q.lines).find("sample statistic"), std::string::npos) << joined(q.lines);
}

// A test and its interval agree: with the null value and the z value the stem gives, a 95%
// interval excludes the null value where the 2-sided p value is below 0.05, and lies on the
// side z points to.  Read off the options, the key is the one interval that does, no other
// excludes the null value, and the key's hint puts it on that side.
TEST(HypothesisTests, IntervalBelowTheNullValueComesWithANegativeZ)
{
    const auto q = storeThrough(ch7Questions, 27);
    const std::string stem = joined(q.lines);
    std::smatch found;
    ASSERT_TRUE(std::regex_search(stem, found, std::regex(R"(probability = ([0-9.]*[0-9]) gave z = (-?[0-9.]*[0-9]))")))
        << stem;
    const std::string null = found[1].str();
    const double nullValue = std::stod(null);
    const double z = std::stod(found[2].str());
    ASSERT_LT(testing_support::twoSidedNormal(z), 0.05) << "z = " << z;

    const std::regex interval(R"(([0-9.]+) to ([0-9.]+))");
    for (Integer a = 1; a <= 5; ++a) {
        const std::string& option = q.answers[static_cast<std::size_t>(a - 1)];
        ASSERT_TRUE(std::regex_match(option, found, interval)) << option;
        const double low = std::stod(found[1].str());
        const double high = std::stod(found[2].str());
        const bool excludes = high < nullValue || low > nullValue;
        const bool onTheSideOfZ = z < 0 ? high < nullValue : low > nullValue;
        EXPECT_EQ(excludes, a == q.correct) << "answer " << a << ": " << option;
        EXPECT_EQ(onTheSideOfZ, a == q.correct) << "answer " << a << ": " << option;
    }
    const std::string right = joined(testing_support::rightHint(q));
    EXPECT_NE(right.find(std::string("lies ") + (z < 0 ? "below " : "above ") + null), std::string::npos) << right;
}

TEST(HypothesisTests, WrongNullHypothesesOfTheCourseQuestionPointToItsPurpose)
{
    const auto q = storeThrough(ch7Questions, 7);
    for (std::size_t a = 1; a < 5; ++a) {
        SCOPED_TRACE("answer " + std::to_string(a + 1));
        const std::string text = joined(q.hints[a]);
        const std::string ending = "Think about the purpose of a null hypothesis.";
        ASSERT_GE(text.size(), ending.size());
        EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
    }
    EXPECT_NE(q.hints[3][0].find("one-sided alternative"), std::string::npos);
}

// Reporting only the lowest of many p values goes by the names students meet today too.
TEST(HypothesisTests, DataMiningIsNamedAsStudentsMeetIt)
{
    const auto q = testing_support::storeThrough(Module1::ch7Questions, 25);
    ASSERT_EQ(q.answers[static_cast<std::size_t>(q.correct - 1)], "data mining.");
    const std::string hint = testing_support::joined(testing_support::rightHint(q));
    for (const char* name : {"data dredging", "p-hacking"})
        EXPECT_NE(hint.find(name), std::string::npos) << hint;
}

} // namespace
