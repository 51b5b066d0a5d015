#pragma once

// Checks that every bank's tests share: the rows of a bank's question table, the text
// conventions, and the numbers without a question.

#include "quiz/QuestionBank.h"

#include <array>
#include <string>
#include <vector>

namespace testing_support {

using Module1::Integer;
using Module1::Lines;
using Module1::QuestionBank;

// What one call of a bank left in the QuestionRecord.
struct StoredQuestion {
    Integer correct = 0;
    Lines lines;
    std::array<std::string, 5> answers;
    std::array<Lines, 5> hints;
    bool chart = false;  // gGraph after the call
};

// Clears the shared state, sets gWhichQ and gGraph := 0 as the engine does, calls the bank
// and reads back what it stored (only the counted lines).
StoredQuestion storeThrough(QuestionBank bank, Integer number);

// One row of a bank's question table.
struct Row {
    Integer number;
    std::string name;  // the start of question line 1
    Integer correct;
    Integer questionLines;
    std::array<Integer, 5> hintLines;
    bool chart = false;
};

// Every row: right answer, first words, line counts, whether a chart is set up; and that
// the bank has exactly these 30 questions, numbered 1 to 30.
void expectRows(QuestionBank bank, const std::vector<Row>& rows);

struct TextRules {
    std::size_t maxQuestionLine = Module1::MaxQuestionLineLength;
    std::size_t maxAnswer = Module1::MaxAnswerLength;
    std::size_t maxHintLine = Module1::MaxHintLineLength;
    // Hints whose first line may open otherwise than "Yes," / "No," : {question, answer}.
    std::vector<std::pair<Integer, Integer>> openingExceptions;
    // The opening of the right answer's hint, and of the others'.
    std::string rightOpening = "Yes,";
    std::string wrongOpening = "No,";
};

// All 30 questions: plain ASCII, lengths within limits, five distinct non-empty answers,
// no empty lines except the chart room below line 1 of a chart question, no line ending in
// a blank, hints opening "Yes," for the right answer and "No," for the others.
void expectTextConventions(QuestionBank bank, const TextRules& rules = {});

// 0, -1, -2, 31 and 1000 store nothing: every field keeps the earlier question.
void expectNothingStoredOutside(QuestionBank bank);

// A question compared word for word: lines, answers, hints.
void expectQuestion(QuestionBank bank, Integer number, Integer correct, const Lines& lines,
                    const std::array<std::string, 5>& answers, const std::array<Lines, 5>& hints);

} // namespace testing_support
