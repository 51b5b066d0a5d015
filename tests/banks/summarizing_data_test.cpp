#include "banks/Banks.h"
#include "quiz/Module1.h"
#include "support/BankChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

using namespace Module1;
using testing_support::Row;
using testing_support::StoredQuestion;
using testing_support::storeThrough;

// clang-format off
const std::vector<Row> sheet = {
    {1, "A large sample standard deviation implies that the", 3, 1, {1, 1, 4, 4, 3}},
    {2, "The median value of a set of data", 1, 1, {2, 2, 2, 1, 1}},
    {3, "To determine the median, it is most helpful", 4, 1, {1, 1, 1, 1, 1}},
    {4, "The mean and median will be equal if", 2, 1, {1, 2, 2, 1, 2}},
    {5, "Outliers tend to", 5, 1, {1, 1, 1, 1, 2}},
    {6, "An outlier can be caused by", 5, 1, {1, 1, 1, 1, 1}},
    {7, "Calculate the mean of these data: -4, 0, 4", 1, 1, {3, 1, 1, 1, 1}},
    {8, "Calculate the mean of these data: 1, 3, 5, 7, 9, 11", 3, 1, {3, 1, 3, 1, 3}},
    {9, "Calculate the mean of these data: 0, 4, 5, 6, 10", 2, 1, {3, 3, 1, 1, 3}},
    {10, "Calculate the mean of these data: 1, 2, 3, 4, 10", 5, 1, {1, 1, 1, 1, 3}},
    {11, "Calculate the median of these data: 1, 2, 3, 4, 10", 2, 1, {1, 1, 1, 1, 1}},
    {12, "Calculate the median of these data: 5, 5, 7, 8, 9, 20", 3, 1, {1, 1, 3, 1, 1}},
    {13, "Calculate the median of these data: 7, 1, 6, 24, 5, 5, 8", 1, 1, {1, 1, 1, 1, 1}},
    {14, "Calculate the median of these data: 10, 5, 3, 20, 7, 3", 4, 1, {1, 1, 1, 3, 1}},
    {15, "Calculate the mode of these data: 0, 0, 1, 2, 7", 1, 1, {1, 1, 1, 1, 1}},
    {16, "Calculate the mode of these data: 10, 4, 6, 4", 3, 1, {1, 1, 1, 1, 1}},
    {17, "Calculate the sample variance of these data: 3, 5, 7", 5, 1, {2, 1, 1, 1, 2}},
    {18, "Calculate the sample variance of these data: 2, 2, 2", 1, 1, {1, 1, 1, 1, 1}},
    {19, "Calculate the sample variance of these data: 5, 10, 15", 4, 1, {1, 1, 1, 2, 1}},
    {20, "Calculate the sample standard deviation of these data: 4, 7, 10", 1, 1, {2, 1, 2, 1, 1}},
    {21, "Calculate the sample standard deviation of these data: 5, 8, 8", 2, 1, {1, 2, 2, 1, 1}},
    {22, "Calculate the sample standard deviation of these data: 5, 5, 5", 1, 1, {2, 1, 1, 1, 1}},
    {23, "The box in a box plot shows the", 1, 1, {1, 1, 1, 1, 1}},
    {24, "The interquartile range is the", 5, 1, {1, 1, 1, 1, 2}},
    {25, "What is the median for the data described", 3, 5, {1, 1, 1, 1, 1}, true},
    {26, "What is the median for the data described", 2, 5, {1, 1, 1, 1, 1}, true},
    {27, "Which range encompasses roughly half the data described", 5, 5, {1, 1, 1, 1, 1}, true},
    {28, "Which range encompasses roughly half the data described", 3, 5, {1, 1, 1, 1, 1}, true},
    {29, "Which range encompasses three-fourths of the data described", 1, 5, {1, 1, 1, 1, 1}, true},
    {30, "What is the third quartile for the data", 2, 5, {1, 1, 1, 1, 1}, true},
};
// clang-format on

std::vector<std::string> everyLine(const StoredQuestion& q)
{
    std::vector<std::string> lines = q.lines;
    lines.insert(lines.end(), q.answers.begin(), q.answers.end());
    for (const auto& hint : q.hints)
        lines.insert(lines.end(), hint.begin(), hint.end());
    return lines;
}

TEST(SummarizingData, StoresEveryRowOfTheSheet)
{
    testing_support::expectRows(ch3Questions, sheet);
}

TEST(SummarizingData, KeepsTheTextConventions)
{
    testing_support::TextRules rules;
    // Question 7 pads its unsigned answers with one blank so that they line up with "-2" and "-4".
    rules.paddedAnswers = {{7, 1}, {7, 4}, {7, 5}};
    testing_support::expectTextConventions(ch3Questions, rules);

    const std::regex oneBlankAfterSentence{R"([.!?] [A-Z(])"};
    for (Integer n = 1; n <= 30; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        for (const auto& line : everyLine(storeThrough(ch3Questions, n)))
            EXPECT_FALSE(std::regex_search(line, oneBlankAfterSentence)) << "two blanks end a sentence: " << line;
    }
}

TEST(SummarizingData, LinesUpTheSignsOfQuestionSeven)
{
    const StoredQuestion q = storeThrough(ch3Questions, 7);
    int unsignedAnswers = 0;
    for (const auto& answer : q.answers) {
        if (answer.front() == '-')
            continue;
        ++unsignedAnswers;
        EXPECT_TRUE(std::regex_match(answer, std::regex{" [0-9]+"})) << '"' << answer << '"';
    }
    EXPECT_EQ(unsignedAnswers, 3);
}

TEST(SummarizingData, StoresTheQuotedQuestionsWordForWord)
{
    testing_support::expectQuestion(
        ch3Questions, 1, 3, {"A large sample standard deviation implies that the sample values are"},
        {"large.", "small.", "dispersed.", "biased.", "skewed."},
        {Lines{"No, if all the sample values are 1 billion, the standard deviation is zero!"},
         Lines{"No, if all the sample values are 0.000001, the standard deviation is zero!"},
         Lines{"Yes, the standard deviation is the square root of the variance, which is",
               "the average squared deviation of the values from the sample mean.  If the",
               "sample values vary greatly, there will be a large variance and a large", "standard deviation."},
         Lines{"No, a sample with a large standard deviation need not be biased; for",
               "example, the wealth of a random sample of 100 Americans might have a",
               "large standard deviation, and its mean still be an unbiased estimator of",
               "the average wealth of all Americans."},
         Lines{"No, a sample with a large standard deviation need not be skewed; for",
               "example, a histogram for the data could be a symmetrical bell curve with",
               "a large standard deviation."}});
    testing_support::expectQuestion(
        ch3Questions, 17, 5, {"Calculate the sample variance of these data: 3, 5, 7"}, {"4/3", "8/3", "2", "5", "4"},
        {Lines{"No, remember to square the deviations from the mean and to divide by", "n-1 instead of n."},
         Lines{"No, remember to divide by n-1 instead of n."},
         Lines{"No, I think you calculated the standard deviation instead of the variance!"},
         Lines{"No, I think you calculated the mean instead of the variance!"},
         Lines{"Yes, the variance is the average squared deviation about the mean, and we",
               "divide by n-1 instead of n."}});
    testing_support::expectQuestion(ch3Questions, 25, 3,
                                    {"What is the median for the data described by this figure?", "", "", "", ""},
                                    {"0", "5", "7", "12", "20"},
                                    {Lines{"No, 0 is the minimum value."}, Lines{"No, 5 is the first quartile."},
                                     Lines{"Yes, the median is the line inside the box."},
                                     Lines{"No, 12 is the third quartile."}, Lines{"No, 20 is the maximum value."}});
}

// What the hints claim must hold for every sample: an odd count has one middle value, so
// "half at or below and half at or above" fails unless each half is "at least"; and only a
// statistic such as the mean estimates anything, not the sample's values.
TEST(SummarizingData, HintsClaimOnlyWhatHoldsForEverySample)
{
    const std::regex estimatorOfAStatistic{R"(\bmean\b[^.;]*\bestimator\b)"};
    const std::regex half{R"(\bhalf\b)"};
    const std::regex atLeastHalf{R"(\bat least half\b)"};
    // Where a plot marks outliers, its whiskers stop short of the minimum and the maximum.
    const std::regex extremesAtWhiskers{R"((minimum|maximum|range)[^.;]*\bwhiskers?\b|\bwhiskers?\b[^.;]*(minimum|maximum))"};
    for (Integer n = 1; n <= 30; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const StoredQuestion q = storeThrough(ch3Questions, n);
        for (const auto& hint : q.hints) {
            const std::string text = testing_support::joined(hint);
            EXPECT_FALSE(std::regex_search(text, extremesAtWhiskers)) << text;
            if (text.find("estimator") != std::string::npos) {
                EXPECT_TRUE(std::regex_search(text, estimatorOfAStatistic)) << text;
            }
            if (text.find("at or below") != std::string::npos) {
                const auto count = [&](const std::regex& r) {
                    return std::distance(std::sregex_iterator(text.begin(), text.end(), r), std::sregex_iterator());
                };
                EXPECT_EQ(count(atLeastHalf), count(half)) << text;
            }
        }
    }
}

// The sentence questions end their answers with a full stop, except the bare terms of
// question 23; the calculation and box-plot answers are figures without one.
TEST(SummarizingData, AnswersEndWithAFullStopOnlyWhereTheyCompleteASentence)
{
    for (Integer n = 1; n <= 30; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const bool sentence = n <= 6 || n == 24;
        for (const auto& answer : storeThrough(ch3Questions, n).answers)
            EXPECT_EQ(answer.back() == '.', sentence) << answer;
    }
}

// "4", "-2", "6.0", "4/3", "16 2/3", "square root of 6".
double answerValue(std::string text)
{
    const std::string root = "square root of ";
    if (text.starts_with(root))
        return std::sqrt(answerValue(text.substr(root.size())));
    std::smatch m;
    if (std::regex_match(text, m, std::regex{R"( ?(-?[0-9]+) ([0-9]+)/([0-9]+))"}))
        return std::stod(m[1]) + std::stod(m[2]) / std::stod(m[3]);
    if (std::regex_match(text, m, std::regex{R"( ?(-?[0-9]+)/([0-9]+))"}))
        return std::stod(m[1]) / std::stod(m[2]);
    EXPECT_TRUE(std::regex_match(text, std::regex{R"( ?-?[0-9]+(\.[0-9]+)?)"})) << "not a number: " << text;
    return std::stod(text);
}

double statistic(const std::string& name, std::vector<double> data)
{
    std::sort(data.begin(), data.end());
    const auto n = data.size();
    double mean = 0.0;
    for (const double x : data)
        mean += x / static_cast<double>(n);
    if (name == "mean")
        return mean;
    if (name == "median")
        return n % 2 == 1 ? data[n / 2] : (data[n / 2 - 1] + data[n / 2]) / 2.0;
    if (name == "mode") {
        std::map<double, int> counts;
        for (const double x : data)
            ++counts[x];
        return std::max_element(counts.begin(), counts.end(),
                                [](const auto& a, const auto& b) { return a.second < b.second; })
            ->first;
    }
    double squares = 0.0;
    for (const double x : data)
        squares += (x - mean) * (x - mean);
    const double variance = squares / static_cast<double>(n - 1);
    return name == "variance" ? variance : std::sqrt(variance);
}

// "3, 5, 7" as numbers.
std::vector<double> listed(const std::string& list)
{
    std::vector<double> data;
    for (std::size_t at = 0; at != std::string::npos; at = list.find(',', at + 1))
        data.push_back(std::stod(list.substr(at == 0 ? 0 : at + 1)));
    return data;
}

TEST(SummarizingData, CalculationsHaveOneRightAnswerThatFollowsFromTheData)
{
    const std::regex instruction{
        R"(Calculate the (?:sample )?(mean|median|mode|variance|standard deviation) of these data: (.*))"};
    for (Integer n = 7; n <= 22; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const StoredQuestion q = storeThrough(ch3Questions, n);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(q.lines[0], m, instruction)) << q.lines[0];
        const std::vector<double> data = listed(m[2]);
        const double truth = statistic(m[1], data);
        for (std::size_t a = 0; a < 5; ++a) {
            const bool right = static_cast<Integer>(a + 1) == q.correct;
            EXPECT_EQ(std::abs(answerValue(q.answers[a]) - truth) < 1e-9, right)
                << "answer " << a + 1 << " \"" << q.answers[a] << "\", the " << m[1].str() << " is " << truth;
            if (n >= 8 && n <= 16) {
                EXPECT_TRUE(std::regex_match(q.answers[a], std::regex{R"([0-9]+\.[0-9])"})) << q.answers[a];
            }
        }
    }
}

// Many courses teach the variance of data taken as a whole population first, dividing by n;
// the sample variance divides by n-1. Unless the stem names the sample, an option with the
// population's value would be right too. An option with that value is a distractor whose
// hint says to divide by n-1.
TEST(SummarizingData, SpreadQuestionsAskForTheSampleValueAndOnlyTheKeyGivesIt)
{
    const std::regex instruction{
        R"(Calculate the (sample |population )?(variance|standard deviation) of these data: (.*))"};
    for (Integer n = 17; n <= 22; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const StoredQuestion q = storeThrough(ch3Questions, n);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(q.lines[0], m, instruction)) << q.lines[0];
        const std::string named = m[1];
        const bool variance = m[2] == "variance";
        const std::vector<double> data = listed(m[3]);
        const auto count = static_cast<double>(data.size());
        double mean = 0.0;
        for (const double x : data)
            mean += x / count;
        double squares = 0.0;
        for (const double x : data)
            squares += (x - mean) * (x - mean);
        const auto spread = [&](double divisor) { return variance ? squares / divisor : std::sqrt(squares / divisor); };
        const double sample = spread(count - 1.0);
        const double population = spread(count);

        EXPECT_EQ(named, "sample ") << "the stem names which variance it asks for";
        std::vector<double> right;
        if (named != "population ")
            right.push_back(sample);
        if (named != "sample ")
            right.push_back(population);

        for (std::size_t a = 0; a < 5; ++a) {
            const double value = answerValue(q.answers[a]);
            const bool isRight = std::any_of(right.begin(), right.end(),
                                             [value](double r) { return std::abs(value - r) < 1e-9; });
            EXPECT_EQ(isRight, static_cast<Integer>(a + 1) == q.correct)
                << "answer " << a + 1 << " \"" << q.answers[a] << "\": sample " << sample << ", population "
                << population;
            if (std::abs(value - population) < 1e-9 && std::abs(population - sample) > 1e-9) {
                EXPECT_NE(testing_support::joined(q.hints[a]).find("n-1"), std::string::npos)
                    << "answer " << a + 1 << ": " << testing_support::joined(q.hints[a]);
            }
        }
    }
}

TEST(SummarizingData, VarianceHintsDivideByNMinusOne)
{
    for (Integer n = 18; n <= 22; ++n) {
        const StoredQuestion q = storeThrough(ch3Questions, n);
        std::string hint;
        for (const auto& line : q.hints[static_cast<std::size_t>(q.correct - 1)])
            hint += line + " ";
        EXPECT_NE(hint.find("n-1"), std::string::npos) << "question " << n << ": " << hint;
    }
    // Only the two hints given word for word call the variance an average.
    for (Integer n = 1; n <= 30; ++n) {
        const StoredQuestion q = storeThrough(ch3Questions, n);
        for (std::size_t a = 0; a < 5; ++a) {
            if ((n == 1 && a == 2) || (n == 17 && a == 4))
                continue;
            for (const auto& line : q.hints[a])
                EXPECT_EQ(line.find("average squared"), std::string::npos) << "question " << n << ": " << line;
        }
    }
}

struct BoxQuestion {
    Integer number;
    std::array<double, 5> box; // minimum, maximum, first quartile, median, third quartile
    double minX;
    double maxX;
    Integer xDivisions;
    std::string line;
    std::string rightAnswer;
};

// clang-format off
const std::vector<BoxQuestion> boxQuestions = {
    {25, {0, 20, 5, 7, 12}, 0, 20, 4, "What is the median for the data described by this figure?", "7"},
    {26, {5, 20, 8, 10, 14}, 0, 25, 5, "What is the median for the data described by this figure?", "10"},
    {27, {15, 45, 20, 25, 35}, 10, 50, 4, "Which range encompasses roughly half the data described by this figure?",
     "25 to 45"},
    {28, {10, 42, 20, 30, 35}, 0, 50, 5, "Which range encompasses roughly half the data described by this figure?",
     "20 to 35"},
    {29, {5, 40, 20, 25, 30}, 0, 50, 5,
     "Which range encompasses three-fourths of the data described here, roughly?", "5 to 30"},
    {30, {2, 8, 4, 5, 7}, 0, 10, 5, "What is the third quartile for the data described by this figure?", "7"},
};
// clang-format on

TEST(SummarizingData, BoxPlotQuestionsSetUpOneUnlabelledBox)
{
    for (const BoxQuestion& b : boxQuestions) {
        SCOPED_TRACE("question " + std::to_string(b.number));
        const StoredQuestion q = storeThrough(ch3Questions, b.number);
        EXPECT_EQ(q.lines[0], b.line);
        EXPECT_EQ(q.answers[static_cast<std::size_t>(q.correct - 1)], b.rightAnswer);
        for (Integer k = 1; k <= 5; ++k)
            EXPECT_EQ(gBoxplot(1, k), b.box[static_cast<std::size_t>(k - 1)]) << "value " << k;
        EXPECT_EQ(gMinPlotX, b.minX);
        EXPECT_EQ(gMaxPlotX, b.maxX);
        EXPECT_EQ(gMajorXMarks, b.xDivisions);
        EXPECT_EQ(gNumBoxes, 1);
        EXPECT_EQ(gBarName(1), "");
        // What boxPlot completes for one box.
        EXPECT_EQ(gGraph, 1);
        EXPECT_EQ(gChartType(2), ChartBoxPlot);
        EXPECT_EQ(gMinPlotY, 0.0);
        EXPECT_EQ(gMaxPlotY, 4.0);
        EXPECT_EQ(gFirstObs, 1);
        EXPECT_EQ(gLastObs, 1);
        EXPECT_EQ(gYToGraph(1), 1.0);
        EXPECT_EQ(gXToGraph(1), b.minX);
        EXPECT_EQ(gMajorYMarks, 0);
        EXPECT_EQ(gXDecimals, 0);
    }
}

const std::array<const char*, 5> statisticNames = {"minimum", "maximum", "first quartile", "median", "third quartile"};

TEST(SummarizingData, SingleValueAnswersAreReadFromTheBox)
{
    for (const Integer n : {25, 26, 30}) {
        SCOPED_TRACE("question " + std::to_string(n));
        const BoxQuestion& b = *std::find_if(boxQuestions.begin(), boxQuestions.end(),
                                             [n](const BoxQuestion& q) { return q.number == n; });
        const StoredQuestion q = storeThrough(ch3Questions, n);
        const std::size_t asked = n == 30 ? 4 : 3;
        for (std::size_t a = 0; a < 5; ++a) {
            const double value = answerValue(q.answers[a]);
            EXPECT_EQ(value == b.box[asked], static_cast<Integer>(a + 1) == q.correct) << q.answers[a];
            // A wrong answer that is one of the box's values has a hint naming that statistic.
            const auto k = static_cast<std::size_t>(std::find(b.box.begin(), b.box.end(), value) - b.box.begin());
            if (k < 5 && k != asked) {
                EXPECT_NE(q.hints[a][0].find(statisticNames[k]), std::string::npos) << q.hints[a][0];
            }
            // One that is none of them is halfway between the two its hint names.
            if (k == 5) {
                std::smatch halfway;
                const std::regex pair{"halfway between the (quartiles|minimum and the maximum)"};
                if (!std::regex_search(q.hints[a][0], halfway, pair)) {
                    ADD_FAILURE() << q.answers[a] << " is none of the box's values: " << q.hints[a][0];
                    continue;
                }
                const double middle = halfway[1] == "quartiles" ? (b.box[2] + b.box[4]) / 2 : (b.box[0] + b.box[1]) / 2;
                EXPECT_EQ(value, middle) << q.hints[a][0];
            }
        }
        if (n != 26) {
            std::array<double, 5> answers{};
            std::transform(q.answers.begin(), q.answers.end(), answers.begin(), answerValue);
            EXPECT_TRUE(std::is_permutation(answers.begin(), answers.end(), b.box.begin())) << "the five box values";
        }
    }
}

// Between two of the box's values lie as many fourths of the data as quartile steps separate them.
TEST(SummarizingData, OnlyTheRightRangeHoldsTheShareAsked)
{
    const std::map<int, std::string> shareWords = {{1, "a fourth"}, {2, "half"}, {3, "three-fourths"}, {4, "all"}};
    for (const auto& [n, fourths] : std::vector<std::pair<Integer, int>>{{27, 2}, {28, 2}, {29, 3}}) {
        SCOPED_TRACE("question " + std::to_string(n));
        const BoxQuestion& b = *std::find_if(boxQuestions.begin(), boxQuestions.end(),
                                             [number = n](const BoxQuestion& q) { return q.number == number; });
        const std::array<double, 5> ordered = {b.box[0], b.box[2], b.box[3], b.box[4], b.box[1]};
        const StoredQuestion q = storeThrough(ch3Questions, n);
        // The quartiles of a sample split it into fourths only roughly, as ties and odd counts go.
        EXPECT_NE(q.lines[0].find(shareWords.at(fourths)), std::string::npos) << q.lines[0];
        EXPECT_NE(q.lines[0].find("roughly"), std::string::npos) << q.lines[0];
        for (std::size_t a = 0; a < 5; ++a) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(q.answers[a], m, std::regex{"([0-9]+) to ([0-9]+)"})) << q.answers[a];
            const auto from = std::find(ordered.begin(), ordered.end(), std::stod(m[1]));
            const auto to = std::find(ordered.begin(), ordered.end(), std::stod(m[2]));
            ASSERT_NE(from, ordered.end()) << q.answers[a] << " starts at none of the box's values";
            ASSERT_NE(to, ordered.end()) << q.answers[a] << " ends at none of the box's values";
            const auto held = static_cast<int>(to - from);
            EXPECT_EQ(held == fourths, static_cast<Integer>(a + 1) == q.correct) << q.answers[a];
            EXPECT_NE(q.hints[a][0].find(shareWords.at(held)), std::string::npos) << q.hints[a][0];
        }
    }
}

} // namespace
