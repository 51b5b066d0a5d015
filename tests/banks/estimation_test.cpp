#include "banks/Banks.h"
#include "quiz/Module1.h"
#include "support/BankChecks.h"
#include "support/Significance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <regex>
#include <set>

namespace {

using namespace testing_support;
using Module1::ch6Questions;

const std::vector<SheetRow>& sheet()
{
    // clang-format off
    static const std::vector<SheetRow> cases = {
        {{1, "The population mean", 4, 1, {1, 1, 1, 1, 1}},
         Answers{"an estimator.", "an estimate.", "a hypothesis.", "a parameter.", "a confidence interval."}},
        {{2, "The sample mean", 1, 1, {1, 1, 2, 1, 1}},
         Answers{"an estimator.", "an outlier.", "a hypothesis.", "a parameter.", "a margin of error."}},
        {{3, "The term 'sampling error'", 3, 1, {1, 1, 2, 1, 1}}},
        {{4, "The probabilities", 2, 2, {1, 3, 1, 1, 1}},
         Answers{"degrees of freedom.", "sampling distribution.", "sample proportion.", "sample size.",
                 "sample z value."}},
        {{5, "A statistic is used", 4, 3, {1, 1, 1, 1, 1}},
         Answers{"perfect.", "best least squares.", "least variance.", "unbiased.", "efficient."}},
        {{6, "The standard deviation of the sampling distribution", 4, 1, {1, 2, 2, 2, 1}}},
        {{7, "A confidence interval for a population mean becomes wider", 3, 1, {1, 1, 4, 1, 1}}},
        {{8, "A sample has mean 20, standard deviation 5 and size 25.", 4, 2, {1, 1, 1, 1, 1}},
         Answers{"5 plus or minus 4", "5 plus or minus 10", "5 plus or minus 20", "20 plus or minus 2",
                 "20 plus or minus 10"}},
        {{9, "A sample has standard deviation 10 and size 25.", 4, 2, {1, 1, 1, 1, 1}},
         Answers{"2/5", "4/5", "2", "4", "20"}},
        {{10, "A sample has standard deviation 25 and size 100.", 4, 2, {1, 1, 1, 1, 1}},
         Answers{"0.25", "0.5", "2.5", "5", "25"}},
        {{11, "The sample success proportion is 60/100.", 3, 2, {2, 2, 1, 1, 1}},
         Answers{"0.5 plus or minus 0.01", "0.5 plus or minus 0.6", "0.6 plus or minus 0.1", "0.6 plus or minus 1.0",
                 "0.95 plus or minus 0.5"}},
        {{12, "The sample success proportion is 50/100.", 3, 2, {1, 1, 1, 1, 1}},
         Answers{"0.01", "0.05", "0.10", "0.50", "1.00"}},
        {{13, "The sample success proportion is 200/400.", 3, 2, {1, 1, 1, 1, 1}},
         Answers{"0.001", "0.025", "0.050", "0.500", "1.000"}},
        {{14, "With a sample of 100 trials", 4, 3, {1, 1, 1, 3, 1}}, Answers{"10", "50", "200", "400", "1000"}},
        {{15, "With a sample of 25 observations", 2, 3, {1, 3, 1, 1, 1}}, Answers{"5", "10", "20", "40", "80"}},
        {{16, "For a 95% confidence interval for a binomial success probability p", 5, 2, {1, 1, 1, 1, 3}},
         Answers{"0.05.", "0.50.", "0.95.", "between 0.05 and 0.95.", "inside the interval."}},
        {{17, "When the population standard deviation has to be estimated", 4, 2, {1, 1, 1, 2, 1}}},
        {{18, "A confidence interval is best used", 4, 1, {1, 1, 1, 1, 1}},
         Answers{"truthfulness.", "origin.", "sample size.", "precision.", "bias."}},
        {{19, "A 95% confidence interval for a population mean is to be computed.", 1, 3, {2, 1, 1, 1, 1}}},
        {{20, "A 95% confidence interval for a population mean from n observations", 4, 2, {1, 1, 1, 2, 2}},
         Answers{"1", "5", "95", "n-1", "n"}},
        {{21, "An unbiased estimator", 3, 1, {1, 1, 1, 1, 1}}},
        {{22, "The t distribution differs from the standardized normal", 1, 1, {3, 1, 1, 1, 1}},
         Answers{"wider.", "narrower.", "centered at 0.", "not centered at 0.", "higher at the peak."}},
        {{23, "In a 95% confidence interval for a population mean, a t value", 1, 2, {4, 1, 1, 1, 1}}},
        {{24, "A 95% confidence interval for a population mean is computed from a sample", 3, 2, {1, 1, 2, 1, 1}},
         Answers{"0.05", "0.95", "2.05", "n", "n - 1"}},
        {{25, "In the binomial model", 5, 2, {1, 1, 2, 1, 1}}},
        {{26, "Imagine drawing many samples", 3, 2, {1, 1, 2, 1, 1}}},
        {{27, "The use of the normal distribution", 1, 2, {4, 1, 1, 1, 1}}},
        {{28, "Incomes in a population", 4, 3, {1, 2, 1, 3, 1}},
         Answers{"strongly skewed right.", "slightly skewed left.", "uniform (equally likely).", "symmetrical.",
                 "U shaped."}},
        {{29, "A z value", 1, 2, {4, 2, 1, 2, 2}}},
        {{30, "A 50% confidence interval", 5, 1, {2, 2, 1, 1, 2}}},
    };
    // clang-format on
    return cases;
}

TEST(Estimation, StoresEveryRowOfItsTable)
{
    expectSheet(ch6Questions, sheet());

    // The fourth option is a real theorem named after a person, among four fixed ones.  The
    // stem leaves the article to the answers, since a name with a possessive takes none.
    const StoredQuestion q27 = storeThrough(ch6Questions, 27);
    EXPECT_TRUE(q27.lines.back().ends_with(" justified by")) << q27.lines.back();
    EXPECT_EQ(q27.answers[0], "the central limit theorem.");
    EXPECT_EQ(q27.answers[1], "the law of large numbers.");
    EXPECT_EQ(q27.answers[2], "the law of averages.");
    EXPECT_EQ(q27.answers[3], "Chebyshev's theorem.");
    EXPECT_EQ(q27.answers[4], "Bayes' rule.");
}

TEST(Estimation, KeepsTheTextConventions)
{
    expectTextConventions(ch6Questions);

    // A sentence that follows another inside a line is set off by two blanks; a colon or
    // a semicolon by one.  A square root in a formula is written sqrt(...), and the rule
    // named after Bayes is spelt as in prose.
    expectNoTextMatches(ch6Questions, {R"([.!?] [^ ])", R"([:;]  |   )", R"(square root of ?\()", "Bayes' Rule"});
}

TEST(Estimation, StoresQuestion12WordForWord)
{
    expectQuestion(ch6Questions, 12, 3,
                   {"The sample success proportion is 50/100.  A 95% confidence interval for",
                    "the binomial success probability is approximately plus or minus"},
                   {"0.01", "0.05", "0.10", "0.50", "1.00"},
                   {{{"No, you seem to be guessing."},
                     {"No, remember to multiply by z."},
                     {"Yes, using plus or minus z*sqrt((x/n)(1 - x/n)/n)."},
                     {"No, you seem to be guessing."},
                     {"No, remember to use the square root of the sample size."}}});
}

TEST(Estimation, GivesItsStockHintsExactlyWhereTheyBelong)
{
    // clang-format off
    expectStockLinesOnlyAt(ch6Questions, {
        {"No, remember to use the square root of the sample size.",
         {{8, 5}, {9, 2}, {10, 2}, {11, 4}, {12, 5}, {13, 5}}},
        {"No, remember to multiply by t.", {{9, 3}, {10, 3}}},
        {"No, remember to multiply by z.", {{12, 2}, {13, 2}}},
        {"No, remember that we use the square root of the sample size.", {{14, 3}, {15, 1}}},
        {"No, these have the wrong units!", {{21, 1}, {21, 2}, {21, 4}, {21, 5}, {25, 1}, {25, 2}}},
        {"No, these are the wrong units!", {{24, 1}, {24, 2}}},
        {"No, this is irrelevant.", {{23, 2}, {23, 3}, {23, 5}, {26, 1}, {26, 2}}},
        {"Yes, using plus or minus t*(standard deviation)/(square root of sample size).", {{8, 4}, {9, 4}, {10, 4}}},
        {"Yes, using plus or minus z*sqrt((x/n)(1 - x/n)/n).", {{11, 3}, {12, 3}, {13, 3}}},
    });
    // clang-format on

    // These two are placed by question only; their counts and questions are fixed.
    struct Spread {
        std::string line;
        std::size_t count;
        std::set<Integer> questions;
    };
    // clang-format off
    const std::vector<Spread> spread = {
        {"No, you seem to be guessing.", 18, {4, 5, 9, 10, 12, 13, 14, 16, 20}},
        {"No, this doesn't make sense.", 9, {4, 5, 6, 17, 18, 19, 25, 27}},
    };
    // clang-format on
    const std::map<Place, Lines> hints = allHints(ch6Questions);
    for (const Spread& s : spread) {
        const std::vector<Place> places = placesOf(hints, Lines{s.line});
        std::set<Integer> questions;
        for (const Place& p : places)
            questions.insert(p.first);
        EXPECT_EQ(places.size(), s.count) << s.line;
        EXPECT_EQ(questions, s.questions) << s.line;
    }
    EXPECT_EQ(hints.at({18, 2}), Lines{"No, this doesn't make sense."});
    EXPECT_EQ(hints.at({18, 3}), Lines{"No, this doesn't make sense."});
}

// The point above which the t distribution with df degrees of freedom leaves this tail, or
// the standardized normal for df 0.
double upperPoint(double tail, double df = 0.0)
{
    if (df == 0.0)
        return boost::math::quantile(boost::math::complement(boost::math::normal_distribution<>(), tail));
    return boost::math::quantile(boost::math::complement(boost::math::students_t_distribution<>(df), tail));
}

// An option as a number, or as "center plus or minus half-width"; nothing for a formula or a word.
struct Figure {
    std::string center; // empty without one
    std::string half;
};

std::optional<Figure> figureOf(const std::string& option)
{
    static const std::regex number(R"([0-9]*\.?[0-9]+)");
    static const std::regex interval(R"(([0-9]*\.?[0-9]+) plus or minus ([0-9]*\.?[0-9]+))");
    std::smatch m;
    if (std::regex_match(option, m, interval))
        return Figure{m[1], m[2]};
    if (std::regex_match(option, number))
        return Figure{"", option};
    return std::nullopt;
}

bool shows(const Figure& f, double center, double figure)
{
    const auto near = [](const std::string& text, double value) {
        return std::abs(shownValue(text) - value) <= halfUnit(text);
    };
    return near(f.half, figure) && (f.center.empty() || near(f.center, center));
}

// Every figure that a question asks for, recomputed from the data in its lines, with the
// multiplier of about 2 that an approximate 95% interval uses: the keyed option is that figure
// at its own precision, and no other option is.
TEST(Estimation, KeyedFiguresAreWhatTheDataGive)
{
    const double two = 2.0;
    const auto meanHalf = [&](double sd, double n) { return two * sd / std::sqrt(n); };
    const auto proportionHalf = [&](double x, double n) { return two * std::sqrt((x / n) * (1.0 - x / n) / n); };
    const double none = 0.0;

    const struct {
        Integer number;
        std::vector<std::string> data; // as the question gives them
        double center;                 // of an interval, where the options give one
        double figure;                 // a half-width, or what the question asks for
    } cases[] = {
        {8, {"mean 20, standard deviation 5 and size 25"}, 20, meanHalf(5, 25)},
        {9, {"standard deviation 10 and size 25"}, none, meanHalf(10, 25)},
        {10, {"standard deviation 25 and size 100"}, none, meanHalf(25, 100)},
        {11, {"proportion is 60/100"}, 0.6, proportionHalf(60, 100)},
        {12, {"proportion is 50/100"}, none, proportionHalf(50, 100)},
        {13, {"proportion is 200/400"}, none, proportionHalf(200, 400)},
        {14, {"100 trials", "plus or minus 0.10", "plus or minus 0.05"}, none, 100 * std::pow(0.10 / 0.05, 2)},
        {15, {"25 observations", "plus or minus 20", "sample of 100"}, none, 20.0 * std::sqrt(25.0 / 100.0)},
        {24, {"30 observations"}, none, upperPoint(0.025, 30 - 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("question " + std::to_string(c.number));
        const StoredQuestion q = storeThrough(ch6Questions, c.number);
        expectLinesState(q, c.data);
        for (Integer a = 1; a <= 5; ++a) {
            const std::string& option = q.answers[static_cast<std::size_t>(a - 1)];
            const std::optional<Figure> f = figureOf(option);
            if (a == q.correct) {
                ASSERT_TRUE(f) << option;
                EXPECT_TRUE(shows(*f, c.center, c.figure)) << "keyed " << option << ", the data give " << c.figure;
            } else if (f) {
                EXPECT_FALSE(shows(*f, c.center, c.figure)) << "answer " << a << " " << option << " fits too";
            }
        }
    }

    // The points of the t and normal distributions that the hints quote.
    // clang-format off
    const std::vector<std::pair<Place, std::string>> quoted = {
        {{23, 1}, "with 30 observations t is " + fixed(upperPoint(0.025, 29), 2) + " against z = " +
                      fixed(upperPoint(0.025), 2) + ", and with 100 observations it is " +
                      fixed(upperPoint(0.025, 99), 2)},
        {{24, 3}, "t is " + fixed(upperPoint(0.025, 29), 3) + ", about " + fixed(upperPoint(0.025, 29), 2)},
        {{15, 2}, "from " + fixed(upperPoint(0.025, 24), 2) + " to " + fixed(upperPoint(0.025, 99), 2) +
                      ", which brings it to about " +
                      fixed(20.0 * upperPoint(0.025, 99) / upperPoint(0.025, 24) / 2.0, 1)},
        {{30, 1}, "about " + fixed(upperPoint(0.25), 2)},
        {{30, 5}, "z = " + fixed(upperPoint(0.25), 2) + " in place of " + fixed(upperPoint(0.025), 2)},
    };
    // clang-format on
    for (const auto& [place, figure] : quoted) {
        const std::string text = joined(hintAt(ch6Questions, place));
        EXPECT_NE(text.find(figure), std::string::npos) << where(place) << " lacks \"" << figure << "\": " << text;
    }
}

// A mean of 30 from a strongly skewed population is still visibly skewed (incomes drawn from
// a log-normal with sigma 0.82 keep a skew of 0.70 in their means of 30), so the keyed
// "symmetrical" needs a population of moderate skew at most: the stem names one, and every
// hint that calls the means nearly symmetrical or normal rests on a skew of that degree,
// never on the shape of any population.
TEST(Estimation, TheCentralLimitTheoremNeedsMoreDataForMoreSkew)
{
    const StoredQuestion q = storeThrough(ch6Questions, 28);
    ASSERT_EQ(q.answers[static_cast<std::size_t>(q.correct - 1)], "symmetrical.");
    const std::string stem = joined(q.lines);
    const std::regex degreeOfSkew(R"(\b(slight|mild|moderate)(ly)? skew)");
    std::smatch degree;
    ASSERT_TRUE(std::regex_search(stem, degree, degreeOfSkew)) << "the stem names no mild skew: " << stem;
    EXPECT_NE(stem.find("to the right"), std::string::npos) << stem;

    const std::regex nearlySymmetrical(R"(\b(symmetrical|normal)\b)");
    const std::regex anyShape(R"(whatever the shape|any population|always)");
    int claims = 0;
    for (Integer a = 1; a <= 5; ++a) {
        const std::string hint = joined(q.hints[static_cast<std::size_t>(a - 1)]);
        if (!std::regex_search(hint, nearlySymmetrical))
            continue;
        ++claims;
        EXPECT_NE(hint.find(degree[1].str()), std::string::npos)
            << "answer " << a << " claims near symmetry without the stem's " << degree[1] << " skew: " << hint;
        EXPECT_FALSE(std::regex_search(hint, anyShape)) << "answer " << a << ": " << hint;
    }
    EXPECT_GE(claims, 2) << "the hints of answers 2 and 4 both rest on the means' near symmetry";
    EXPECT_NE(joined(rightHint(q)).find("the more skewed"), std::string::npos) << joined(rightHint(q));
}

TEST(Estimation, AsksHowTheTDistributionDiffersFromTheNormal)
{
    // "Centered at 0" holds for both distributions, so the question asks for a difference
    // and that answer's hint says that both share the center.
    const StoredQuestion q = storeThrough(ch6Questions, 22);
    EXPECT_NE(q.lines[0].find("differs from the standardized normal"), std::string::npos) << q.lines[0];
    ASSERT_EQ(q.hints[2].size(), 1u);
    EXPECT_NE(q.hints[2][0].find("both"), std::string::npos) << q.hints[2][0];
    EXPECT_NE(q.hints[2][0].find("centered at 0"), std::string::npos) << q.hints[2][0];
}

} // namespace
