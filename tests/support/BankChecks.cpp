#include "support/BankChecks.h"

#include "quiz/Module1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace testing_support {

using namespace Module1;

StoredQuestion storeThrough(QuestionBank bank, Integer number)
{
    state() = State{};
    gWhichQ = number;
    gGraph = 0;
    bank();
    StoredQuestion stored;
    stored.correct = gCorrAnswer;
    for (Integer i = 1; i <= gNumLinesQ; ++i)
        stored.lines.push_back(gMsgQ(i));
    for (Integer a = 1; a <= 5; ++a) {
        stored.answers[static_cast<std::size_t>(a - 1)] = gMsgA(a);
        for (Integer j = 1; j <= gNumLinesH(a); ++j)
            stored.hints[static_cast<std::size_t>(a - 1)].push_back(gMsgH(j, a));
    }
    stored.chart = gGraph == 1;
    return stored;
}

void expectRows(QuestionBank bank, const std::vector<Row>& rows)
{
    ASSERT_EQ(rows.size(), 30u) << "a bank holds 30 questions";
    for (const Row& row : rows) {
        SCOPED_TRACE("question " + std::to_string(row.number));
        const StoredQuestion q = storeThrough(bank, row.number);
        EXPECT_EQ(q.correct, row.correct);
        EXPECT_EQ(static_cast<Integer>(q.lines.size()), row.questionLines);
        ASSERT_FALSE(q.lines.empty());
        EXPECT_EQ(q.lines[0].rfind(row.name, 0), 0u) << "line 1: " << q.lines[0];
        for (std::size_t a = 0; a < 5; ++a)
            EXPECT_EQ(static_cast<Integer>(q.hints[a].size()), row.hintLines[a]) << "answer " << a + 1;
        EXPECT_EQ(q.chart, row.chart);
    }
}

namespace {

bool plainAscii(const std::string& text)
{
    for (const unsigned char c : text)
        if (c < 0x20 || c > 0x7e)
            return false;
    return true;
}

void expectLine(const std::string& text, std::size_t limit, const char* what)
{
    EXPECT_LE(text.size(), limit) << what << ": \"" << text << "\"";
    EXPECT_TRUE(plainAscii(text)) << what << " not plain ASCII: \"" << text << "\"";
    if (!text.empty()) {
        EXPECT_NE(text.back(), ' ') << what << " ends in a blank: \"" << text << "\"";
        EXPECT_NE(text.front(), ' ') << what << " starts with a blank: \"" << text << "\"";
    }
}

} // namespace

void expectTextConventions(QuestionBank bank, const TextRules& rules)
{
    for (Integer n = 1; n <= 30; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const StoredQuestion q = storeThrough(bank, n);
        ASSERT_GE(q.correct, 1);
        ASSERT_LE(q.correct, 5);
        ASSERT_GE(q.lines.size(), 1u);
        ASSERT_LE(q.lines.size(), 5u);
        for (std::size_t i = 0; i < q.lines.size(); ++i) {
            expectLine(q.lines[i], rules.maxQuestionLine, "question line");
            const bool chartRoom = q.chart && i > 0;
            EXPECT_EQ(q.lines[i].empty(), chartRoom) << "line " << i + 1;
        }
        std::set<std::string> distinct;
        for (std::size_t a = 0; a < 5; ++a) {
            SCOPED_TRACE("answer " + std::to_string(a + 1));
            expectLine(q.answers[a], rules.maxAnswer, "answer");
            EXPECT_FALSE(q.answers[a].empty());
            distinct.insert(q.answers[a]);
            ASSERT_GE(q.hints[a].size(), 1u);
            ASSERT_LE(q.hints[a].size(), 5u);
            for (const auto& line : q.hints[a]) {
                expectLine(line, rules.maxHintLine, "hint line");
                EXPECT_FALSE(line.empty());
            }
            const bool excepted = std::find(rules.openingExceptions.begin(), rules.openingExceptions.end(),
                                            std::pair<Integer, Integer>{n, static_cast<Integer>(a + 1)}) !=
                                  rules.openingExceptions.end();
            if (!excepted) {
                const std::string& opening =
                    static_cast<Integer>(a + 1) == q.correct ? rules.rightOpening : rules.wrongOpening;
                EXPECT_EQ(q.hints[a][0].rfind(opening, 0), 0u) << "hint: " << q.hints[a][0];
            }
        }
        EXPECT_EQ(distinct.size(), 5u) << "five different answers";
    }
}

void expectNothingStoredOutside(QuestionBank bank)
{
    for (const Integer number : {Integer{0}, Integer{-1}, Integer{-2}, Integer{31}, Integer{1000}}) {
        SCOPED_TRACE("gWhichQ " + std::to_string(number));
        state() = State{};
        gCorrAnswer = 9;
        gNumLinesQ = 6;
        gMsgQ(1) = "earlier";
        gMsgA(5) = "earlier";
        gMsgH(1, 3) = "earlier";
        gNumLinesH(2) = 6;
        gMinPlotX = -7.0;
        gNumBoxes = 9;
        gXToGraph(1) = -7.0;
        gWhichQ = number;
        bank();
        EXPECT_EQ(gCorrAnswer, 9);
        EXPECT_EQ(gNumLinesQ, 6);
        EXPECT_EQ(gMsgQ(1), "earlier");
        EXPECT_EQ(gMsgA(5), "earlier");
        EXPECT_EQ(gMsgH(1, 3), "earlier");
        EXPECT_EQ(gNumLinesH(2), 6);
        EXPECT_EQ(gMinPlotX, -7.0);
        EXPECT_EQ(gNumBoxes, 9);
        EXPECT_EQ(gXToGraph(1), -7.0);
        EXPECT_EQ(gGraph, 0);
    }
}

void expectQuestion(QuestionBank bank, Integer number, Integer correct, const Lines& lines,
                    const std::array<std::string, 5>& answers, const std::array<Lines, 5>& hints)
{
    SCOPED_TRACE("question " + std::to_string(number));
    const StoredQuestion q = storeThrough(bank, number);
    EXPECT_EQ(q.correct, correct);
    EXPECT_EQ(q.lines, lines);
    EXPECT_EQ(q.answers, answers);
    for (std::size_t a = 0; a < 5; ++a)
        EXPECT_EQ(q.hints[a], hints[a]) << "answer " << a + 1;
}

} // namespace testing_support
