#include "banks/Banks.h"
#include "quiz/Module1.h"
#include "support/BankChecks.h"

#include <gtest/gtest.h>

#include <cctype>
#include <regex>
#include <string>
#include <vector>

namespace {

using namespace testing_support;
using Module1::ch4Questions;

TEST(ProducingData, EveryQuestionHasItsRightAnswerAndLineCounts)
{
    expectRows(ch4Questions,
               {
                   {1, "A sample is usually", 1, 1, {2, 1, 1, 1, 1}},
                   {2, "Sampling is widely used because it", 4, 1, {1, 1, 1, 1, 1}},
                   {3, "The patients in a control group do not", 3, 1, {1, 1, 1, 1, 1}},
                   {4, "When researchers try to measure the effects of", 2, 3, {2, 2, 1, 1, 2}},
                   {5, "When researchers examine the effects of diet on health", 4, 2, {2, 2, 2, 2, 2}},
                   {6, "In double-blind medical studies, the doctors and patients", 3, 1, {2, 1, 2, 1, 1}},
                   {7, "When people respond positively to an ineffective medical treatment", 1, 2, {1, 1, 2, 2, 1}},
                   {8, "Selection bias can easily occur with", 3, 1, {1, 1, 1, 1, 1}},
                   {9, "Computer random number generators use", 5, 1, {1, 1, 1, 1, 1}},
                   {10, "Computer random number generators are used to reduce", 3, 1, {1, 1, 3, 2, 1}},
                   {11, "A survey of graduating seniors about their college experience", 4, 2, {2, 2, 1, 3, 2}},
                   {12, "A survey of the romantic feelings of the elderly", 4, 2, {2, 1, 1, 2, 1}},
                   {13, "A study of the occupations of a college's graduates", 5, 2, {2, 2, 1, 1, 1}},
                   {14, "The Literary Digest is legendary among statisticians", 3, 2, {2, 1, 2, 1, 1}},
                   {15, "A public opinion survey is least likely", 1, 1, {2, 1, 2, 2, 2}},
                   {16, "A study of the effects of youth soccer", 2, 2, {2, 4, 1, 1, 1}},
                   {17, "In a simple random sample, each member", 2, 1, {1, 1, 1, 1, 1}},
                   {18, "In a systematic random sample, a population list", 5, 1, {1, 1, 1, 1, 1}},
                   {19, "An interview of every 50th student", 5, 2, {2, 2, 3, 1, 1}},
                   {20, "One problem with quota sampling is that it", 2, 1, {1, 3, 3, 1, 1}},
                   {21, "A random sample of 100 college students", 4, 4, {2, 1, 1, 2, 2}},
                   {22, "A study found that coffee drinkers", 3, 4, {1, 2, 2, 2, 2}},
                   {23, "A study of college seniors", 2, 3, {3, 3, 2, 3, 2}},
                   {24, "A study of first-grade students", 1, 3, {2, 3, 2, 2, 2}},
                   {25, "To compare prices at two grocery stores", 5, 4, {1, 2, 2, 2, 2}},
                   {26, "A study of the 30 largest U.S. companies", 4, 4, {2, 2, 2, 2, 2}},
                   {27, "A researcher tried to determine whether major league", 3, 3, {2, 2, 3, 3, 2}},
                   {28, "A study of tomato yields", 4, 2, {2, 2, 2, 3, 2}},
                   {29, "A newspaper reported the results of an online poll", 1, 2, {3, 1, 3, 2, 2}},
                   {30, "A comparison of a sample of first-year and fourth-year", 1, 3, {2, 3, 2, 3, 3}},
               });
}

TEST(ProducingData, TextsKeepTheWidthsAndHintOpenings)
{
    TextRules rules;
    rules.rightOpening = "Yes, ";
    rules.wrongOpening = "No, ";
    expectTextConventions(ch4Questions, rules);
}

// The question lines are the stem of a sentence that each answer completes.
TEST(ProducingData, AnswersCompleteTheStem)
{
    const std::regex oneBlankBetweenSentences{R"([.!?] [A-Z0-9])"};
    for (Integer n = 1; n <= 30; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const StoredQuestion q = storeThrough(ch4Questions, n);
        ASSERT_FALSE(q.lines.empty());
        const char last = q.lines.back().back();
        EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(last))) << "stem ends in '" << last << "'";
        for (const auto& answer : q.answers) {
            ASSERT_FALSE(answer.empty());
            EXPECT_EQ(answer.back(), '.') << answer;
            const auto first = static_cast<unsigned char>(answer.front());
            EXPECT_TRUE(std::islower(first) || std::isdigit(first)) << answer;
        }
        Lines texts = q.lines;
        for (const auto& hint : q.hints)
            texts.insert(texts.end(), hint.begin(), hint.end());
        for (const auto& text : texts) {
            EXPECT_FALSE(std::regex_search(text, oneBlankBetweenSentences)) << text;
            EXPECT_EQ(text.find("   "), std::string::npos) << text;
        }
    }
}

TEST(ProducingData, QuotedQuestionsWordForWord)
{
    expectQuestion(ch4Questions, 3, 3, {"The patients in a control group do not"},
                   {"eat for the duration of the study.", "read for the duration of the study.",
                    "receive the treatment being tested.", "receive placebos.", "report their condition."},
                   {{{"No, some studies last years!"},
                     {"No, some studies last years!"},
                     {"Yes, they get a placebo or the usual care, so the new treatment can be judged."},
                     {"No, they often do: a placebo keeps them from knowing which group they are in."},
                     {"No, they would not be useful if their condition wasn't recorded."}}});

    expectQuestion(ch4Questions, 16, 2,
                   {"A study of the effects of youth soccer on self-esteem that compares the",
                    "self-esteem of participants and nonparticipants is likely to have"},
                   {"experimenter effects.", "self-selection bias.", "placebo bias.", "small-sample bias.",
                    "double-blind controls."},
                   {{{"No, experimenter effects involve biases arising from the experimenter's",
                      "expectations affecting the results."},
                     {"Yes, the self-esteem of children who choose to participate may differ",
                      "systematically from the self-esteem of nonparticipants.  If so, we won't",
                      "know whether the observed differences are due to the participation or to",
                      "the kinds of children that participate."},
                     {"No, what is the placebo?"},
                     {"No, the sample size doesn't cause the sample to be biased!"},
                     {"No, the children will know whether they are playing soccer!"}}});

    expectQuestion(ch4Questions, 25, 5,
                   {"To compare prices at two grocery stores, a student walked through one store",
                    "recording the prices of 100 items that caught his eye and then went to the",
                    "second store and recorded the prices of these 100 items.  The main problem", "with this study is"},
                   {"1 student isn't a big enough sample.", "2 stores isn't a big enough sample.",
                    "100 items isn't a big enough sample.", "the student was male.", "selection bias."},
                   {{{"No, 1 student is enough.  Think about how the items were chosen."},
                     {"No, we are only interested in comparing two stores.  Think about how the",
                      "items were chosen for this study."},
                     {"No, 100 items is a large enough sample of items.  Think about how the",
                      "items were chosen for this study."},
                     {"No, a study in which a female followed this procedure would have the",
                      "same problems.  Think about how the items were chosen."},
                     {"Yes, the items that caught his eye are more likely to be brightly",
                      "advertised specials, giving the first store an advantage."}}});
}

// Flaws that would be right as well: visitors choose to answer an online poll, and
// fourth-year students differ from first-year ones in age and in who stayed at college.
// None of them may stand as a wrong answer.
TEST(ProducingData, NoDistractorIsAlsoRight)
{
    struct Case {
        Integer number;
        std::vector<std::string> alsoRight;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {29, {"self-selection", "voluntary", "confounding", "survivor"}},
        {30, {"selection", "confounding", "survivor"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE("question " + std::to_string(c.number));
        const StoredQuestion q = storeThrough(ch4Questions, c.number);
        for (Integer a = 1; a <= 5; ++a) {
            if (a == q.correct)
                continue;
            const std::string& answer = q.answers[static_cast<std::size_t>(a - 1)];
            for (const std::string& term : c.alsoRight)
                EXPECT_EQ(answer.find(term), std::string::npos) << answer;
        }
    }
}

// A control group may get a placebo or the usual treatment: what it never gets is the
// treatment under test, and the hint of "placebos" says why that answer is wrong.
TEST(ProducingData, ControlGroupKeyHoldsForPlaceboAndActiveControls)
{
    const StoredQuestion q = storeThrough(ch4Questions, 3);
    const std::string& key = q.answers[static_cast<std::size_t>(q.correct - 1)];
    EXPECT_NE(key.find("the treatment being tested"), std::string::npos) << key;
    EXPECT_NE(joined(rightHint(q)).find("placebo"), std::string::npos) << joined(rightHint(q));
    for (std::size_t a = 0; a < 5; ++a) {
        if (q.answers[a].find("placebo") == std::string::npos)
            continue;
        const std::string hint = joined(q.hints[a]);
        EXPECT_NE(hint.find("often"), std::string::npos) << hint;
        EXPECT_EQ(hint.find("valid"), std::string::npos) << hint;
    }
}

// Known but unequal chances of being chosen still favour some groups: a hint that says no
// group is favoured gives every member the same chance.
TEST(ProducingData, NoGroupIsFavouredOnlyWhenEveryoneHasTheSameChance)
{
    const std::regex sameChance{R"(\b(same|equal) chance\b)"};
    for (const auto& [place, hint] : allHints(ch4Questions)) {
        const std::string text = joined(hint);
        if (text.find("no group is favored") != std::string::npos) {
            EXPECT_TRUE(std::regex_search(text, sameChance)) << where(place) << ": " << text;
        }
    }
}

// Survivor bias is selection by how things turned out: today's largest companies are mostly,
// not all, ones that grew fast, and the list leaves out those that shrank or failed.
TEST(ProducingData, SurvivorBiasIsSelectionByOutcome)
{
    const StoredQuestion q = storeThrough(ch4Questions, 26);
    ASSERT_EQ(q.answers[static_cast<std::size_t>(q.correct - 1)], "survivor bias.");
    const std::string hint = joined(rightHint(q));
    EXPECT_NE(hint.find("mostly"), std::string::npos) << hint;
    EXPECT_EQ(hint.find("are the ones that"), std::string::npos) << hint;
    EXPECT_NE(hint.find("failed"), std::string::npos) << hint;
}

} // namespace
