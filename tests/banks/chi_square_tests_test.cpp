#include "banks/Banks.h"
#include "quiz/Module1.h"
#include "support/BankChecks.h"
#include "support/Significance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace testing_support;
using Module1::ch10Questions;
using Module1::Integer;

// ---------------------------------------------------------------------------------------
// The whole sheet.

// clang-format off
const std::vector<Row> sheet = {
    {1, "To see whether first names are spread evenly over the alphabet", 1, 5, {1, 1, 1, 1, 1}},
    {2, "A school wants to know whether its tests are spread evenly", 1, 5, {1, 1, 1, 1, 1}},
    {3, "A sample of 200 honor students", 3, 4, {2, 1, 2, 2, 1}},
    {4, "Winning lottery numbers are sorted into 10 categories", 2, 3, {2, 2, 1, 2, 1}},
    {5, "A sample of 300 grades", 3, 4, {2, 2, 2, 1, 1}},
    {6, "Thirty students are asked which color of shirt", 3, 4, {2, 2, 2, 1, 1}},
    {7, "One hundred students are asked which one pet", 1, 4, {2, 2, 2, 2, 1}},
    {8, "One hundred students are asked whether they would rather be beautiful", 3, 4, {2, 2, 2, 2, 1}},
    {9, "The chi-square statistic adds up the squared deviations", 4, 3, {2, 2, 2, 3, 2}},
    {10, "If O stands for an observed value and E for its expected value", 3, 2, {1, 2, 3, 1, 1}},
    {11, "Which of these always holds for the observed and the expected values", 1, 2, {2, 2, 2, 2, 2}},
    {12, "A chi-square test of independence is run on a contingency table of 3 rows", 2, 2, {1, 3, 1, 2, 2}},
    {13, "A chi-square test of independence is run on a contingency table of 3 rows", 2, 2, {1, 3, 1, 2, 2}},
    {14, "A chi-square test of independence on a contingency table of 2 rows", 5, 2, {1, 2, 1, 2, 2}},
    {15, "The standard null hypothesis of a chi-square test on a contingency table", 2, 2, {1, 4, 1, 1, 1}},
    {16, "The contingency table used with some chi-square tests", 4, 1, {1, 1, 1, 2, 1}},
    {17, "Because of the way it is calculated, a chi-square test", 1, 1, {3, 2, 1, 1, 1}},
    {18, "A poll of 3000 registered voters", 1, 4, {2, 2, 2, 2, 2}},
    {19, "In a professor's tenure review, 100 students", 1, 4, {2, 2, 2, 2, 2}},
    {20, "In a sample of 100 students, 8 of the 60 females", 4, 3, {2, 2, 2, 3, 2}},
    {21, "A sample of 60 students is asked whether they prefer chocolate or vanilla", 1, 4, {2, 2, 2, 2, 2}},
    {22, "Unlike a t test or a z test, a chi-square test never uses a two-sided p", 4, 2, {2, 2, 2, 2, 2}},
    {23, "The values of the chi-square statistic in a goodness of fit test", 3, 1, {1, 1, 5, 1, 1}},
    {24, "If the value of the chi-square statistic is 0", 5, 1, {3, 2, 2, 2, 4}},
    {25, "A chi-square test rejects the null hypothesis most strongly", 4, 2, {2, 2, 1, 4, 1}},
    {26, "An organization that writes tests samples 100 of its multiple-choice", 2, 3, {2, 2, 2, 1, 1}},
    {27, "The students of a statistics course are classified", 2, 4, {2, 2, 2, 2, 2}},
    {28, "A football coach studies an opponent's passes on third down", 2, 4, {2, 2, 1, 2, 1}},
    {29, "To check whether each digit (0 to 9) produced by a random number generator", 2, 2, {2, 2, 2, 2, 2}},
    {30, "In a class, the 20 females get 8 A, 8 B and 4 other grades", 3, 3, {2, 2, 2, 2, 2}},
};
// clang-format on

const Answers listStatisticsA = {"ANOVA F statistic.", "regression t statistic.", "chi-square statistic.",
                                 "difference-in-means t statistic.", "difference-in-proportions z statistic."};
const Answers listStatisticsB = {"ANOVA F statistic.", "chi-square statistic.", "correlation coefficient.",
                                 "difference-in-means t statistic.", "difference-in-proportions z statistic."};
const Answers tableStatistics = {"ANOVA F statistic.", "chi-square statistic.", "difference-in-means t statistic.",
                                 "difference-in-proportions z statistic.", "single-sample t statistic."};

// The answers wherever the sheet fixes them.
// clang-format off
const std::map<Integer, Answers> fixedOptions = {
    {1, {"2", "3", "26", "149", "150"}},
    {2, {"4", "5", "95", "99", "100"}},
    {3, listStatisticsA},
    {4, {"ANOVA F statistic.", "chi-square statistic.", "correlation coefficient.", "coefficient of variation.",
         "difference-in-proportions z statistic."}},
    {5, {"0", "3", "32", "200", "3200"}},
    {6, {"0", "2.5", "5", "25", "50"}},
    {7, {"0.000001", "0.05", "0.33", "0.92", "30.8"}},
    {8, {"1.1*10^-15", "0.00002", "0.36", "0.87", "2.06"}},
    {10, {"(O - E)", "((O - E)^2)", "((O - E)^2)/E", "((O - E)^2)/(O - E)", "(O - E)/((O - E)^2)"}},
    {12, {"1", "6", "7", "11", "12"}},
    {13, {"1", "2", "4", "5", "6"}},
    {14, {"matched-pair test.", "single-sample t test.", "single-sample binomial test.",
          "difference-in-means t test.", "difference-in-proportions z test."}},
    {15, {"equal.", "independent.", "added.", "multiplied.", "the same."}},
    {17, {"goodness of fit test.", "sum of squares test.", "least squares test.", "minimax test.",
          "Bayesian test."}},
    {18, {"5.7*10^-236", "0.04", "0.23", "0.64", "0.97"}},
    {19, {"0.00001", "0.10", "0.50", "0.73", "0.99"}},
    {20, {"7.5*10^-42", "2.3*10^-12", "0.0000003", "0.17", "0.95"}},
    {21, {"0.0", "0.75", "1.0", "5.0", "10.0"}},
    {23, {"0 to 1.", "-1 to +1.", "0 to infinity.", "-infinity to 0.", "-infinity to +infinity."}},
    {24, {"0.00", "0.05", "0.50", "0.95", "1.00"}},
    {25, {"0.", "0.05.", "1.", "strongly positive.", "strongly negative."}},
    {26, {"ANOVA F statistic.", "chi-square statistic.", "difference-in-means t statistic.",
          "difference-in-proportions z statistic.", "regression t statistic."}},
    {27, tableStatistics},
    {28, listStatisticsB},
    {29, tableStatistics},
    {30, {"5", "6", "8", "10", "15"}},
};
// clang-format on

TEST(ChiSquareTests, EveryQuestionHasItsRightAnswerLineCountsAndOptions)
{
    expectRows(ch10Questions, sheet);
    expectAnswers(ch10Questions, fixedOptions);

    // Where every answer is a number, the options rise from answer 1 to answer 5.
    for (const Integer n : {1, 2, 5, 6, 7, 8, 12, 13, 18, 19, 20, 21, 24, 30}) {
        SCOPED_TRACE("question " + std::to_string(n));
        const Answers& options = fixedOptions.at(n);
        for (std::size_t a = 1; a < 5; ++a)
            EXPECT_LT(shownValue(options[a - 1]), shownValue(options[a])) << options[a];
    }
}

TEST(ChiSquareTests, TextsKeepTheConventions)
{
    expectTextConventions(ch10Questions);

    // Sentences inside a line are parted by two blanks; a colon or semicolon by one. The
    // bank writes "chi-square" and "p value" and nothing else for them.
    expectNoTextMatches(ch10Questions,
                        {R"([.?!] [^ ])", R"([:;,]  |   )", R"(chi square|chi-squared|[Cc]hi-Square|p-value|P value)"});
}

TEST(ChiSquareTests, QuotedQuestionIsStoredWordForWord)
{
    expectQuestion(
        ch10Questions, 16, 4, {"The contingency table used with some chi-square tests is also known as a"},
        {"box-plot table.", "stem-and-leaf table.", "drop-leaf table.", "two-way table.", "ANOVA table."},
        {{{"No, what does this mean?  Nothing really."},
          {"No, what does this mean?  Nothing really."},
          {"No, this is a silly answer."},
          {"Yes, because the data are classified in two ways, by the row categories and", "by the column categories."},
          {"No, ANOVA tables are used to report the results of an ANOVA F test."}}});
}

TEST(ChiSquareTests, StockHintsStandWhereTheyBelong)
{
    const std::map<Place, Lines> hints = allHints(ch10Questions);

    // One-line stock hints: there and nowhere else.
    // clang-format off
    expectStockLinesOnlyAt(ch10Questions, {
        {"No, what does this mean?  Nothing really.", {{15, 1}, {15, 5}, {16, 1}, {16, 2}}},
        {"No, we have more than two categories.", {{3, 5}, {4, 5}, {26, 4}}},
        {"No, think about how many cells there are in this table.", {{12, 1}, {12, 3}, {13, 1}, {13, 3}}},
        {"No, the chi-square value cannot be negative!", {{23, 2}, {23, 4}, {23, 5}}},
        {"Yes, the number of categories minus 1.", {{1, 1}, {2, 1}}},
        {"No, you are just guessing.", {{5, 4}, {6, 4}}},
        {"No, remember to divide by the expected values.", {{5, 5}, {6, 5}}},
        {"No, that is the chi-square value.", {{7, 5}, {8, 5}}},
        {"No, what are the two correlated variables?", {{4, 3}, {28, 3}}},
        {"No, what are the dependent and explanatory variables?", {{3, 2}, {26, 5}}},
    });
    // clang-format on

    // The two-line hints shared by the questions that ask for a statistic.
    const Lines anova = {"No, an ANOVA F test compares the means of numerical data; what would the",
                         "means and standard deviations be here?"};
    for (const Integer n : {3, 4, 26, 27, 28})
        EXPECT_EQ(hints.at({n, 1}), anova) << "question " << n;

    const std::vector<std::pair<Place, std::string>> listOfCategories = {
        {{3, 3}, "3 - 1 = 2"}, {{4, 2}, "10 - 1 = 9"}, {{26, 2}, "5 - 1 = 4"}, {{28, 2}, "3 - 1 = 2"}};
    for (const auto& [place, degrees] : listOfCategories) {
        EXPECT_EQ(hints.at(place),
                  (Lines{"Yes, a chi-square test checks whether a list of categories is equally likely.",
                         "Here it has " + degrees + " degrees of freedom."}))
            << "question " << place.first;
    }

    // The right answer's hint alone opens "Yes,": of 150 hints, 30.
    int yes = 0;
    for (const auto& [place, hint] : hints)
        yes += hint[0].rfind("Yes,", 0) == 0 ? 1 : 0;
    EXPECT_EQ(yes, 30);
}

// ---------------------------------------------------------------------------------------
// The numeric questions: every figure of their hints must follow from their own data.

struct Computed {
    double chiSquare;
    int degrees;
    std::vector<double> expected; // the count expected in each cell
};

// Equally likely categories.
Computed goodnessOfFit(const std::vector<double>& observed)
{
    double total = 0.0;
    for (const double o : observed)
        total += o;
    const double expected = total / static_cast<double>(observed.size());
    double chiSquare = 0.0;
    for (const double o : observed)
        chiSquare += (o - expected) * (o - expected) / expected;
    return {chiSquare, static_cast<int>(observed.size()) - 1, std::vector<double>(observed.size(), expected)};
}

double expectedCount(const std::vector<std::vector<double>>& table, std::size_t i, std::size_t j)
{
    double row = 0.0;
    double column = 0.0;
    double total = 0.0;
    for (std::size_t r = 0; r < table.size(); ++r) {
        for (std::size_t c = 0; c < table[r].size(); ++c) {
            total += table[r][c];
            row += r == i ? table[r][c] : 0.0;
            column += c == j ? table[r][c] : 0.0;
        }
    }
    return row * column / total;
}

Computed independence(const std::vector<std::vector<double>>& table)
{
    double chiSquare = 0.0;
    std::vector<double> expected;
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = 0; j < table[i].size(); ++j) {
            const double e = expectedCount(table, i, j);
            expected.push_back(e);
            chiSquare += (table[i][j] - e) * (table[i][j] - e) / e;
        }
    }
    return {chiSquare, static_cast<int>((table.size() - 1) * (table[0].size() - 1)), expected};
}

struct NumericCase {
    Integer number;
    Computed computed;
    std::string chiSquare;            // as the right answer's hint shows it
    std::string p;                    // as every hint that gives p shows it; empty: none does
    std::vector<std::string> figures; // further texts the right answer's hint shows
    bool asksForP;
    std::vector<double> stated; // the counts the question states, from which the table is built
};

// clang-format off
const std::vector<NumericCase> numericCases = {
    {5, goodnessOfFit({140, 100, 60}), "32", "1.1*10^-7", {"300/3 = 100", "40^2"}, false, {300, 140, 100, 60}},
    {6, goodnessOfFit({5, 10, 15}), "5", "0.08", {"30/3 = 10", "5^2"}, false, {5, 10, 15}},
    {7, goodnessOfFit({31, 44, 18, 7}), "30.8", "0.000001", {"25 expected", "(36 + 361 + 49 + 324)/25"}, true, {31, 44, 18, 7}},
    {8, goodnessOfFit({29, 40, 31}), "2.06", "0.36", {"100/3 = 33.3"}, true, {29, 40, 31}},
    {18, independence({{800, 200}, {100, 900}, {300, 700}}), "1083", "5.7*10^-236", {"80%", "10%"}, true, {1000, 800, 100, 300}},
    {19, independence({{30, 10, 10}, {8, 12, 30}}), "22.9", "0.00001", {"60%", "16%"}, true, {50, 30, 10, 10, 8, 12, 30}},
    {20, independence({{8, 52}, {2, 38}}), "1.85", "0.17", {"13%", "5%"}, true, {8, 60, 2, 40}},
    {21, independence({{30, 10}, {15, 5}}), "0", "", {"(30, 10, 15 and 5)"}, false, {30, 40, 15, 20}},
};
// clang-format on

TEST(ChiSquareTests, NumericHintsFollowFromTheirData)
{
    const std::regex statedP{R"(p = ([0-9]+(\.[0-9]+)?(\*10\^-?[0-9]+)?))"};
    for (const NumericCase& c : numericCases) {
        SCOPED_TRACE("question " + std::to_string(c.number));
        const StoredQuestion q = storeThrough(ch10Questions, c.number);
        const std::string hint = joined(rightHint(q));

        // The table is built from counts that the question states, in the order it states them.
        const std::vector<double> inStem = numbersIn(joined(q.lines));
        auto next = inStem.begin();
        for (const double count : c.stated) {
            next = std::find(next, inStem.end(), count);
            EXPECT_NE(next, inStem.end()) << count << " not stated in order in: " << joined(q.lines);
            if (next == inStem.end())
                break;
            ++next;
        }

        EXPECT_NEAR(c.computed.chiSquare, shownValue(c.chiSquare), halfUnit(c.chiSquare));
        EXPECT_NE(hint.find(c.chiSquare), std::string::npos) << c.chiSquare << " in: " << hint;
        for (const auto& figure : c.figures)
            EXPECT_NE(hint.find(figure), std::string::npos) << figure << " in: " << hint;
        if (c.number != 21) {
            const std::string degrees = std::to_string(c.computed.degrees);
            EXPECT_NE(hint.find("with " + degrees + " degree"), std::string::npos) << hint;
        }

        const double p = upperChiSquare(c.computed.chiSquare, c.computed.degrees);
        if (!c.p.empty()) {
            EXPECT_TRUE(shows(c.p, p)) << "p = " << p;
            EXPECT_NE(hint.find("p = " + c.p), std::string::npos) << hint;
        }
        // No hint of the question gives any other p value than the computed one.
        for (const auto& answerHint : q.hints) {
            const std::string text = joined(answerHint);
            for (auto it = std::sregex_iterator(text.begin(), text.end(), statedP); it != std::sregex_iterator(); ++it)
                EXPECT_EQ((*it)[1].str(), c.p) << text;
        }

        // The right answer shows the computed figure at its own precision, and no other option does.
        const double asked = c.asksForP ? p : c.computed.chiSquare;
        for (Integer a = 1; a <= 5; ++a) {
            const std::string& option = q.answers[static_cast<std::size_t>(a - 1)];
            EXPECT_EQ(shows(option, asked), a == q.correct)
                << "option " << a << " \"" << option << "\", value " << asked;
        }
        if (c.asksForP) {
            EXPECT_EQ(q.answers[static_cast<std::size_t>(q.correct - 1)], c.p);
        }
        for (const auto& answerHint : q.hints)
            EXPECT_EQ(joined(answerHint).find("nearest"), std::string::npos) << joined(answerHint);
    }

    // Question 9 asks for the sum of the plain deviations, which is 0; the sum of (O - E)/E need not be.
    EXPECT_NE(joined(storeThrough(ch10Questions, 9).lines).find("the deviations O - E, neither squared nor divided,"),
              std::string::npos);

    // The expected count of female A grades, from the table the question states: the right
    // hint works it, and each wrong option's hint says which half it is.
    const StoredQuestion q30 = storeThrough(ch10Questions, 30);
    expectLinesState(q30, {"the 20 females get 8 A, 8 B and 4 other grades", "the 10 males get 4 A, 2 B and 4 other"});
    const std::vector<std::vector<double>> grades = {{8, 8, 4}, {4, 2, 4}};
    const double females = grades[0][0] + grades[0][1] + grades[0][2];
    const double students = females + grades[1][0] + grades[1][1] + grades[1][2];
    const double gradesA = grades[0][0] + grades[1][0];
    const double femaleA = expectedCount(grades, 0, 0);
    EXPECT_EQ(femaleA, females * gradesA / students);
    EXPECT_EQ(shownValue(q30.answers[static_cast<std::size_t>(q30.correct - 1)]), femaleA);
    const auto whole = [](double value) { return fixed(value, 0); };
    const double common = std::gcd(static_cast<int>(females), static_cast<int>(students));
    const std::vector<std::pair<Integer, std::string>> worked = {
        {3, whole(females) + "/" + whole(students) + " = " + whole(females / common) + "/" + whole(students / common)},
        {3, "(" + whole(females) + "*" + whole(gradesA) + ")/" + whole(students) + " = " + whole(femaleA)},
        {2, whole(gradesA / 2) + " is half of the " + whole(gradesA) + " A grades"},
        {4, whole(females / 2) + " is half of the " + whole(females) + " females"},
        {4, whole(gradesA) + " of the " + whole(students) + " students, " + whole(100 * gradesA / students) + "%"},
        {5, whole(students / 2) + " is half of the " + whole(students) + " students"},
    };
    for (const auto& [answer, figure] : worked) {
        const std::string hint = joined(q30.hints[static_cast<std::size_t>(answer - 1)]);
        EXPECT_NE(hint.find(figure), std::string::npos)
            << "answer " << answer << " lacks \"" << figure << "\": " << hint;
        if (answer != q30.correct) {
            EXPECT_EQ(hint.rfind("No, " + q30.answers[static_cast<std::size_t>(answer - 1)] + " is", 0), 0u) << hint;
        }
    }

    // Degrees of freedom of the tables: (rows - 1)(columns - 1).
    const std::vector<std::pair<Integer, std::string>> tables = {{12, "(3 - 1)(4 - 1) = 6"},
                                                                 {13, "(3 - 1)(2 - 1) = 2"}};
    for (const auto& [n, product] : tables) {
        const StoredQuestion q = storeThrough(ch10Questions, n);
        EXPECT_EQ(rightHint(q)[0].rfind("Yes, " + product + ".", 0), 0u) << rightHint(q)[0];
    }
}

// Where an expected count of its table is below 5, a chi-square p value is only approximate:
// the right hint of each numeric question says so exactly where its own table has such
// counts, with how many there are and the smallest, as computed here from the data.
TEST(ChiSquareTests, SmallExpectedCountsMakeThePValueApproximate)
{
    const char* const countWords[] = {"no", "one", "two", "three", "four"};
    for (const NumericCase& c : numericCases) {
        SCOPED_TRACE("question " + std::to_string(c.number));
        const std::string hint = joined(rightHint(storeThrough(ch10Questions, c.number)));
        const std::vector<double>& expected = c.computed.expected;
        ASSERT_FALSE(expected.empty());
        const auto small = std::count_if(expected.begin(), expected.end(), [](double e) { return e < 5.0; });
        if (small == 0) {
            EXPECT_EQ(hint.find("approximate"), std::string::npos) << hint;
            continue;
        }
        ASSERT_LT(small, 5);
        const double smallest = *std::min_element(expected.begin(), expected.end());
        const std::string said = std::string("approximate: ") + countWords[small] +
                                 (small == 1 ? " expected count is only " : " expected counts are only ") +
                                 fixed(smallest, smallest == std::round(smallest) ? 0 : 1);
        EXPECT_NE(hint.find(said), std::string::npos) << "\"" << said << "\" in: " << hint;
    }
}

} // namespace
