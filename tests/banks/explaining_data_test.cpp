#include "banks/Banks.h"
#include "quiz/Module1.h"
#include "support/BankChecks.h"

#include "support/Significance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <regex>
#include <tuple>

namespace {

using namespace testing_support;
using Module1::ch5Questions;

// The questions of the sheet, with their five options where they are fixed numbers, formulas or terms.
const std::vector<SheetRow>& sheet()
{
    // clang-format off
    static const std::vector<SheetRow> entries = {
        {{1, "The central limit theorem", 4, 1, {2, 2, 1, 3, 1}}},
        {{2, "Bayesian probabilities", 4, 1, {1, 1, 2, 1, 1}},
         Answers{"long-run frequencies.", "mathematical proofs.", "equally likely calculations.",
                 "subjective assessments.", "religious theorems."}},
        {{3, "If an event has a probability P", 3, 2, {1, 1, 2, 1, 1}}, Answers{"0", "1", "P", "nP", "P/n"}},
        {{4, "The prices of life insurance", 1, 1, {1, 1, 1, 1, 1}},
         Answers{"long-run frequencies.", "mathematical proofs.", "equally likely calculations.",
                 "subjective assessments.", "convenient axioms."}},
        {{5, "The data in a contingency table", 5, 1, {1, 1, 1, 1, 1}}},
        {{6, "In a class that is half male", 5, 3, {1, 1, 1, 1, 3}}, Answers{"20", "30", "50", "70", "75"}},
        {{7, "Of the patients who come to a student health center", 3, 4, {1, 1, 2, 1, 1}},
         Answers{"10", "30", "50", "70", "90"}},
        {{8, "In a factory, 1% of the products are defective", 1, 3, {2, 1, 1, 1, 1}},
         Answers{"0.04", "0.50", "0.80", "0.85", "0.90"}},
        {{9, "Two events A and B are independent", 3, 1, {1, 1, 1, 1, 1}},
         Answers{"P[A] = P[B]", "P[A if B] = P[B]", "P[B if A] = P[B]", "P[A if B] = P[B if A]",
                 "P[A] = P[A and B]"}},
        {{10, "A classic example of independent events", 1, 1, {1, 1, 1, 1, 1}}},
        {{11, "The binomial model assumes", 4, 2, {1, 1, 1, 1, 1}},
         Answers{"0.", "0.5.", "1.0.", "constant.", "equal to the number of trials."}},
        {{12, "The probability of exactly 6 heads in 10 flips", 5, 1, {1, 1, 1, 1, 1}},
         Answers{"0.4", "0.5", "0.6", "0.5^6", "given by the binomial distribution."}},
        {{13, "The probability of two even numbers", 5, 1, {1, 1, 1, 1, 1}},
         Answers{"0.02.", "0.20.", "0.50.", "0.75.", "given by the binomial distribution."}},
        {{14, "A graph that shows the probability", 4, 2, {2, 2, 1, 2, 1}},
         Answers{"box-and-whiskers diagram.", "stem-and-leaf diagram.", "scatter diagram.",
                 "probability histogram.", "time-series graph."}},
        {{15, "In 50 binomial trials", 2, 2, {1, 2, 1, 1, 1}}, Answers{"2", "2.5", "5", "25", "50"}},
        {{16, "In 2000 binomial trials", 4, 2, {1, 1, 1, 2, 1}}, Answers{"10", "20", "100", "200", "2000"}},
        {{17, "The mistaken belief that in a long run of fair coin flips", 2, 2, {2, 1, 1, 2, 3}},
         Answers{"law of large numbers.", "law of averages.", "central limit theorem.", "binomial theorem.",
                 "regression toward the mean."}},
        {{18, "On the density curve", 2, 2, {1, 2, 1, 2, 1}}},
        {{19, "A standardized z variable", 2, 1, {1, 2, 1, 1, 1}},
         Answers{"0 and standard deviation of 0.", "0 and standard deviation of 1.",
                 "1 and standard deviation of 0.", "1 and standard deviation of 1.",
                 "1 and standard deviation of -1."}},
        {{20, "A variable X has a mean of 10", 3, 2, {1, 1, 1, 1, 1}}, Answers{"2", "3", "4", "6", "20"}},
        {{21, "A variable X has a mean of 20", 2, 2, {1, 1, 1, 1, 1}}, Answers{"1.5", "3", "5", "10", "20"}},
        {{22, "A z value of 1", 5, 1, {1, 1, 1, 1, 1}}},
        {{23, "X is normally distributed with a mean of 40", 3, 2, {1, 1, 1, 1, 1}},
         Answers{"0.025", "0.05", "0.16", "0.25", "0.50"}},
        {{24, "X is normally distributed with a mean of 20", 5, 2, {1, 1, 1, 1, 1}},
         Answers{"0.10", "0.20", "0.50", "0.75", "0.95"}},
        {{25, "X is normally distributed with a mean of 25", 5, 2, {1, 1, 1, 1, 1}},
         Answers{"0.20", "0.25", "0.30", "0.40", "0.50"}},
        {{26, "The distribution of the number of heads in 100 flips", 5, 2, {2, 2, 1, 2, 1}}},
        {{27, "The binomial distribution with p = 0.1 and n = 1000", 4, 1, {1, 1, 1, 1, 1}}},
        {{28, "A fair coin has landed heads", 1, 2, {1, 1, 1, 2, 1}}, Answers{"1/2", "1/3", "2/3", "1/8", "7/8"}},
        {{29, "The mistaken belief that, by the laws of probability", 4, 2, {1, 2, 1, 1, 3}},
         Answers{"Bayes' theorem.", "the binomial model.", "the central limit theorem.", "the law of averages.",
                 "the law of large numbers."}},
        {{30, "The probability of exactly 500 heads in 1000 flips", 2, 1, {1, 4, 2, 2, 1}},
         Answers{"0.5^500", "0.025", "0.5", "0.75", "greater than 0.95"}},
    };
    // clang-format on
    return entries;
}

Lines hintOf(const Place& place)
{
    return hintAt(ch5Questions, place);
}

TEST(ExplainingData, StoresEveryQuestionOfItsTable)
{
    expectSheet(ch5Questions, sheet());
}

TEST(ExplainingData, KeepsItsTextConventions)
{
    expectTextConventions(ch5Questions);

    // A sentence that follows another inside a line is set off by two blanks, a colon or a
    // semicolon by one; no triple blanks, American spelling, and a 0 before a decimal point.
    expectNoTextMatches(ch5Questions,
                        {R"([.?!] [A-Z])", R"([:;](  |[^ ]))", "   ", R"(\bcentr(e|ed)\b)", R"((^|[^0-9])\.[0-9])"});
}

TEST(ExplainingData, StoresQuestionThreeWordForWord)
{
    expectQuestion(ch5Questions, 3, 3,
                   {"If an event has a probability P of occurring, the fraction of the times",
                    "that it occurs in the long run will almost certainly be very close to"},
                   {"0", "1", "P", "nP", "P/n"},
                   {{{"No, this would mean that it never occurs!"},
                     {"No, this would mean that it always occurs!"},
                     {"Yes, for example, a fairly flipped coin with a 0.5 probability of heads",
                      "will land heads close to half the time in the long run."},
                     {"No, nP refers to the NUMBER of successes, not the fraction."},
                     {"No, this doesn't make sense."}}});
}

TEST(ExplainingData, SharesHintsWordForWord)
{
    // Answers of one question that share a hint, and twin questions that reuse one.
    // clang-format off
    const std::vector<std::vector<Place>> groups = {
        {{6, 1}, {6, 2}, {6, 3}, {6, 4}},
        {{7, 1}, {7, 2}, {7, 4}, {7, 5}},
        {{8, 2}, {8, 3}, {8, 4}, {8, 5}},
        {{25, 1}, {25, 2}, {25, 3}, {25, 4}},
        {{12, 1}, {12, 2}, {12, 3}},
        {{22, 1}, {22, 2}, {22, 3}},
        {{9, 2}, {9, 4}},
        {{13, 3}, {13, 4}},
        {{14, 1}, {14, 2}},
        {{18, 1}, {18, 3}},
        {{19, 1}, {19, 3}},
        {{27, 1}, {27, 2}},
        {{28, 3}, {28, 5}},
        {{15, 2}, {16, 4}},
        {{15, 5}, {16, 5}},
        {{17, 2}, {29, 4}},
        {{17, 3}, {29, 3}},
        {{17, 4}, {29, 2}},
        {{20, 1}, {21, 1}},
        {{20, 3}, {21, 2}},
        {{23, 3}, {24, 5}},
        {{26, 5}, {27, 4}},
        {{28, 2}, {30, 5}},
    };
    // clang-format on
    expectSharedHints(ch5Questions, groups);

    EXPECT_EQ(hintOf({17, 4}).size(), 2u);
    EXPECT_NE(hintOf({17, 4})[0].find("binomial model"), std::string::npos);
    EXPECT_NE(hintOf({28, 2})[0].find("law of averages?"), std::string::npos);
}

TEST(ExplainingData, UsesTheStockLines)
{
    // clang-format off
    expectStockLinesAt(ch5Questions, {
        {"No, you seem to be guessing.",
         {{20, 2}, {20, 4}, {20, 5}, {21, 3}, {21, 4}, {21, 5}, {23, 1}, {23, 5}, {24, 1}, {24, 2}}},
        {"No, this doesn't make sense.", {{2, 5}, {3, 5}, {4, 5}, {11, 5}, {18, 5}, {5, 4}}},
        {"No, remember the rules of thumb for 1, 2 and 3 standard deviations.", {{23, 2}, {23, 4}, {24, 3}, {24, 4}}},
        {"No, think about it a bit more carefully.", {{15, 1}, {15, 3}, {16, 2}}},
        {"No, think about it more carefully.", {{15, 4}, {16, 1}, {16, 3}}},
    });
    // clang-format on
}

// The probability of exactly k successes in n trials with success probability p.
double binomial(double n, double k, double p)
{
    return std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0) + k * std::log(p) +
                    (n - k) * std::log(1.0 - p));
}

// A plain number as an option shows it ("0.025", "75"), or nothing for any other option.
std::optional<double> number(const std::string& option)
{
    static const std::regex plain(R"([0-9]*\.?[0-9]+)");
    if (!std::regex_match(option, plain))
        return std::nullopt;
    return shownValue(option);
}

// Every figure that a question asks for, recomputed from the data in its lines: the keyed
// option is that figure at its own precision, and no other option is.
TEST(ExplainingData, KeyedFiguresAreWhatTheDataGive)
{
    const auto belowB = [](double male, double maleB, double allB) { return male * (1.0 - maleB) / (1.0 - allB); };
    const auto trueShare = [](double rate, double hit, double falseAlarm) {
        return rate * hit / (rate * hit + (1.0 - rate) * falseAlarm);
    };
    const auto z = [](double x, double mean, double sd) { return (x - mean) / sd; };

    const struct {
        Integer number;
        std::vector<std::string> data; // as the question gives them
        double figure;
    } cases[] = {
        {6, {"half male, 70% of the males and 80% of all the students"}, 100.0 * belowB(0.5, 0.7, 0.8)},
        {7,
         {"10% have the flu", "90% of the patients with the flu and 90% of the patients without"},
         100.0 * trueShare(0.10, 0.90, 0.10)},
        {8,
         {"1% of the products are defective", "flag 90% of the", "wrongly flag 20% of the good ones"},
         trueShare(0.01, 0.90, 0.20)},
        {15, {"50 binomial trials", "success of 0.05"}, 50 * 0.05},
        {16, {"2000 binomial trials", "success of 0.10"}, 2000 * 0.10},
        {20, {"a mean of 10 and a standard deviation of 5", "X = 30"}, z(30, 10, 5)},
        {21, {"a mean of 20 and a standard deviation of 10", "X = 50"}, z(50, 20, 10)},
        {23, {"a mean of 40 and a standard deviation of 10", "larger than 50"}, upperNormal(z(50, 40, 10))},
        {24,
         {"a mean of 20 and a standard deviation of 10", "between 0 and 40"},
         1.0 - upperNormal(z(40, 20, 10)) - upperNormal(-z(0, 20, 10))},
        {25, {"a mean of 25 and a standard deviation of 5", "larger than 25"}, upperNormal(z(25, 25, 5))},
        {30, {"exactly 500 heads in 1000 flips of a fair coin"}, binomial(1000, 500, 0.5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("question " + std::to_string(c.number));
        const StoredQuestion q = storeThrough(ch5Questions, c.number);
        expectLinesState(q, c.data);
        for (Integer a = 1; a <= 5; ++a) {
            const std::string& option = q.answers[static_cast<std::size_t>(a - 1)];
            const std::optional<double> value = number(option);
            if (a == q.correct) {
                ASSERT_TRUE(value) << option;
                EXPECT_NEAR(*value, c.figure, halfUnit(option)) << "keyed " << option << ", the data give " << c.figure;
            } else if (value) {
                // Half a unit away rounds up, away from the option (2.5 is not "2").
                EXPECT_GE(std::abs(*value - c.figure), 0.9999 * halfUnit(option))
                    << "answer " << a << " is also " << c.figure;
            }
        }
    }

    // Answer 1 of the z questions is the slip its hint names: (X - mean) divided by the mean.
    for (const auto& [n, x, mean] : {std::tuple{20, 30.0, 10.0}, std::tuple{21, 50.0, 20.0}}) {
        SCOPED_TRACE("question " + std::to_string(n));
        const std::string option = storeThrough(ch5Questions, n).answers[0];
        EXPECT_NEAR(shownValue(option), (x - mean) / mean, halfUnit(option)) << option;
        EXPECT_NE(joined(hintOf({n, 1})).find("divided by the mean"), std::string::npos);
    }
}

// "6 heads in 10 flips" may be read as at least 6 heads, about 0.38, which "0.4" shows at its
// precision. Only a stem that says exactly 6 leaves the key the one right answer.
TEST(ExplainingData, SixHeadsInTenFlipsHasOneReadingAndOneRightAnswer)
{
    const StoredQuestion q = storeThrough(ch5Questions, 12);
    const double exactly = binomial(10, 6, 0.5);
    double atLeast = 0.0;
    for (int k = 6; k <= 10; ++k)
        atLeast += binomial(10, k, 0.5);

    const bool saysExactly = joined(q.lines).find("exactly 6 heads") != std::string::npos;
    EXPECT_TRUE(saysExactly) << joined(q.lines);
    std::vector<double> readings = {exactly};
    if (!saysExactly)
        readings.push_back(atLeast);

    static const std::regex power(R"(([0-9.]+)\^([0-9]+))");
    for (Integer a = 1; a <= 5; ++a) {
        if (a == q.correct)
            continue;
        const std::string& option = q.answers[static_cast<std::size_t>(a - 1)];
        std::smatch m;
        for (const double reading : readings) {
            if (std::regex_match(option, m, power)) {
                EXPECT_GT(std::abs(std::pow(std::stod(m[1]), std::stod(m[2])) - reading), 1e-9) << option;
            } else if (number(option)) {
                EXPECT_FALSE(shows(option, reading)) << "answer " << a << " \"" << option << "\" shows " << reading;
            }
        }
    }
    EXPECT_NE(joined(rightHint(q)).find("about " + fixed(exactly, 2)), std::string::npos) << joined(rightHint(q));
}

// A hint speaks of what its answer names.
TEST(ExplainingData, HintsSpeakOfTheirOwnAnswer)
{
    // clang-format off
    const std::vector<std::pair<Place, std::string>> cases = {
        {{2, 4}, "Yes, a Bayesian probability is"},
        {{29, 2}, "No, the binomial model"},
    };
    // clang-format on
    for (const auto& [place, opening] : cases)
        EXPECT_TRUE(hintOf(place)[0].starts_with(opening)) << where(place) << ": " << hintOf(place)[0];
}

TEST(ExplainingData, RightHintsShowTheFiguresOfTheirData)
{
    // clang-format off
    const std::vector<std::pair<Place, std::string>> figures = {
        {{12, 5}, "about " + fixed(binomial(10, 6, 0.5), 2)},
        {{13, 5}, "0.25"},
        {{15, 2}, "np"},
        {{20, 3}, "z = (X - mean)/(standard deviation)"},
        {{21, 1}, "z = (X - mean)/(standard deviation)"},
        {{26, 1}, "= 50"},
        {{26, 2}, "= 5"},
        {{26, 3}, "= 25"},
        {{26, 4}, "50 heads"},
        {{27, 3}, "np = (1000)(0.1) = 100"},
        {{30, 2}, "about " + fixed(binomial(1000, 500, 0.5), 3)},
    };
    // clang-format on
    for (const auto& [place, figure] : figures) {
        const std::string text = joined(hintOf(place));
        EXPECT_NE(text.find(figure), std::string::npos) << where(place) << ": " << text;
    }
}

// The three table questions, worked from the shares their stems give (as the keyed figures
// read them) in a table of 100 or 1000 cases: every count of the table is whole, the shared
// hint sets up that table, and the right answer's hint shows the counts and the share.
TEST(ExplainingData, TableHintsCountWhatTheStemsSharesGive)
{
    const auto count = [](double value) { return fixed(value, 0); };
    struct Worked {
        Integer number;
        Integer sharedHintOf; // an answer whose hint is the shared one
        std::vector<double> counts;
        std::vector<std::string> shared;
        std::vector<std::string> right;
    };
    std::vector<Worked> cases;
    {
        // A class of 100, half male; 70% of the males and 80% of all score B or better.
        const double all = 100, males = all * 0.5, malesB = males * 0.7, allB = all * 0.8;
        const double femalesB = allB - malesB, malesBelow = males - malesB, femalesBelow = all - males - femalesB;
        const double below = malesBelow + femalesBelow;
        cases.push_back(
            {6,
             1,
             {males, malesB, allB, femalesB, malesBelow, femalesBelow},
             {"table of " + count(all) + " students, " + count(males) + " male and " + count(all - males) + " female"},
             {"of " + count(all) + " students, " + count(males) + " are male and " + count(malesB) + " of them",
              count(allB) + " score B or better, so " + count(femalesB) + " of the " + count(all - males) + " females",
              "Below B are " + count(malesBelow) + " males and " + count(femalesBelow) + " females",
              count(malesBelow) + " of these " + count(below) + " students, " + count(100 * malesBelow / below) +
                  "%"}});
    }
    {
        // 100 patients, 10% with the flu; 90% of either group diagnosed rightly.
        const double all = 100, flu = all * 0.1, without = all - flu, fluDiagnosed = flu * 0.9,
                     wronglyDiagnosed = without * (1 - 0.9), diagnosed = fluDiagnosed + wronglyDiagnosed;
        cases.push_back(
            {7,
             1,
             {flu, without, fluDiagnosed, wronglyDiagnosed},
             {"table of " + count(all) + " patients, " + count(flu) + " with the flu and " + count(without) +
              " without"},
             {"of " + count(all) + " patients, " + count(flu) + " have the flu and " + count(fluDiagnosed) + " of them",
              count(wronglyDiagnosed) + " of the " + count(without) + " without it are too, so " + count(fluDiagnosed) +
                  " of the " + count(diagnosed) + " diagnosed, " + count(100 * fluDiagnosed / diagnosed) + "%"}});
    }
    {
        // 1000 products, 1% defective; 90% of the defective and 20% of the good ones flagged.
        const double all = 1000, defective = all * 0.01, good = all - defective, defectiveFlagged = defective * 0.9,
                     goodFlagged = good * 0.2, flagged = defectiveFlagged + goodFlagged;
        cases.push_back(
            {8,
             2,
             {defective, good, defectiveFlagged, goodFlagged},
             {"table of " + count(all) + " products, " + count(defective) + " defective and " + count(good) + " good"},
             {"of " + count(all) + " products, " + count(defective) + " are defective and " + count(defectiveFlagged) +
              " of them are flagged; " + count(goodFlagged) + " of the " + count(good) + " good ones are too, so " +
              count(defectiveFlagged) + " of the " + count(flagged) + " flagged, about " +
              fixed(defectiveFlagged / flagged, 2)}});
    }
    for (const Worked& c : cases) {
        SCOPED_TRACE("question " + std::to_string(c.number));
        const StoredQuestion q = storeThrough(ch5Questions, c.number);
        for (const double n : c.counts)
            EXPECT_NEAR(n, std::round(n), 1e-9) << "a count of the table is no whole number";
        const std::string shared = joined(hintOf({c.number, c.sharedHintOf}));
        for (const std::string& figure : c.shared)
            EXPECT_NE(shared.find(figure), std::string::npos) << "\"" << figure << "\" in: " << shared;
        const std::string right = joined(rightHint(q));
        for (const std::string& figure : c.right)
            EXPECT_NE(right.find(figure), std::string::npos) << "\"" << figure << "\" in: " << right;
    }
}

} // namespace
