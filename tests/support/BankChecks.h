#pragma once

// Checks that every bank's tests share: the rows of a bank's question table, the text
// conventions, the numbers without a question; and the look-ups of hints, shown numbers and
// boxes that they are built on.

#include "quiz/Module1.h"
#include "quiz/QuestionBank.h"

#include <array>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

using Module1::Integer;
using Module1::Lines;
using Module1::QuestionBank;

using Answers = std::array<std::string, 5>;
using Place = std::pair<Integer, Integer>; // {question, answer}

// What one call of a bank left in the QuestionRecord.
struct StoredQuestion {
    Integer correct = 0;
    Lines lines;
    std::array<std::string, 5> answers;
    std::array<Lines, 5> hints;
    bool chart = false; // gGraph after the call
    bool operator==(const StoredQuestion&) const = default;
};

// The question the record holds now (only the counted lines).
StoredQuestion readBack();

// Clears the shared state, sets gWhichQ and gGraph := 0 as the engine does, calls the bank
// and reads back what it stored (only the counted lines).
StoredQuestion storeThrough(QuestionBank bank, Integer number);

// One row of a bank's question table.
struct Row {
    Integer number;
    std::string name; // the start of question line 1
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
    // Answers that may open with one aligning blank: {question, answer}.
    std::vector<std::pair<Integer, Integer>> paddedAnswers = {};
};

// All 30 questions: plain ASCII, lengths within limits, five distinct non-empty answers,
// no empty lines except the chart room below line 1 of a chart question, no line ending in
// a blank, hints opening "Yes," for the right answer and "No," for the others.
void expectTextConventions(QuestionBank bank, const TextRules& rules = {});

// Every element of the QuestionRecord, or of the ChartSpec, beyond the counts and element 0 too.
struct Fields {
    std::vector<std::string> texts;
    std::vector<Integer> integers;
    std::vector<double> numbers;
    bool operator==(const Fields&) const = default;
};
Fields recordFields();
Fields chartFields();

// Every element of the QuestionRecord and the ChartSpec set to what no bank writes:
// "earlier", 9 and -7.0; gGraph 0, as the engine leaves it before a question.
void fillWithEarlier();

// 0, -1, -2, 31 and 1000 store nothing: every element of the record and the chart keeps
// what an earlier question, or none, left there.
void expectNothingStoredOutside(QuestionBank bank);

// A question compared word for word: lines, answers, hints.
void expectQuestion(QuestionBank bank, Integer number, Integer correct, const Lines& lines,
                    const std::array<std::string, 5>& answers, const std::array<Lines, 5>& hints);

// A row of the question table, with the five answers where the table fixes them.
struct SheetRow {
    Row row;
    Answers answers{}; // all empty where the table leaves the answers open
};

// expectRows over the sheet, then each fixed set of answers word for word.
void expectSheet(QuestionBank bank, const std::vector<SheetRow>& sheet);

// The five answers of each listed question, word for word.
void expectAnswers(QuestionBank bank, const std::map<Integer, Answers>& answers);

// "question 6, answer 2", for messages.
std::string where(const Place& place);

// Lines as one text, parted by single blanks.
std::string joined(const Lines& lines);

// The hint of one answer, as stored.
Lines hintAt(QuestionBank bank, const Place& place);

// What one answer's hint must say, and a wording it must no longer have.
struct HintWording {
    Integer number;
    Integer answer;
    std::string says;
    std::string saysNot;
};
void expectHintsSay(QuestionBank bank, const std::vector<HintWording>& cases);

// The hint of the right answer.
const Lines& rightHint(const StoredQuestion& q);

// Every hint of the 30 questions, by place.
std::map<Place, Lines> allHints(QuestionBank bank);

// The places whose whole hint is these lines, in order.
std::vector<Place> placesOf(const std::map<Place, Lines>& hints, const Lines& hint);

// A stock line and the places where it is the whole hint.
struct StockLine {
    std::string line;
    std::vector<Place> places;
};

// Each stock line is the whole hint at its places; it may stand elsewhere too.
void expectStockLinesAt(QuestionBank bank, const std::vector<StockLine>& stock);

// Each stock line is the whole hint at exactly its places, listed in order, and nowhere else.
void expectStockLinesOnlyAt(QuestionBank bank, const std::vector<StockLine>& stock);

// Every place of a group has the hint of the group's first place, word for word.
void expectSharedHints(QuestionBank bank, const std::vector<std::vector<Place>>& groups);

// Every stored text of a question: its lines, its answers, then its hint lines.
Lines textsOf(const StoredQuestion& q);

// No stored text of the 30 questions matches any of these (ECMAScript) patterns.
void expectNoTextMatches(QuestionBank bank, const std::vector<std::string>& patterns);

// A number as a bank shows it ("0.87", "2.6*10^-7").
double shownValue(const std::string& text);

// Half a unit of the last digit of a shown number, a hair wider: how far the value it rounds may lie.
double halfUnit(const std::string& text);

// Whether an option shows the value at the option's own precision.
bool shows(const std::string& option, double value);

// The right answer shows the value at its own precision, and no other option does.
void expectOnlyTheKeyShows(const StoredQuestion& q, double value);

// The numbers written in a text, in order ("means 6.98, 6.96 and 7.36" gives three).
std::vector<double> numbersIn(const std::string& text);

// The question's lines state each of these data, word for word.
void expectLinesState(const StoredQuestion& q, const std::vector<std::string>& data);

// The answer (1 to 5) whose number is nearest the value: on a log scale for p values, which
// span many powers of ten and leave out options of 0 and below.
Integer nearestOption(const Answers& options, double value, bool logScale);

// A value with this many decimals, as printf's %.*f writes it.
std::string fixed(double value, int decimals);

// What a reader can estimate from drawn box b: each quarter of the sample spread evenly
// between adjacent marks (minimum, quartiles, median, maximum).
struct BoxEstimate {
    double mean;
    double sd;
};
BoxEstimate estimateFromBox(Integer box);

// The ways a student may read a drawn box: its centre (median, mean of the quartiles, mean
// of the quarters) and its standard deviation (box width / 1.35, range / 4, range / 6, the
// quarters' spread).
struct BoxReading {
    const char* name;
    double (*of)(Integer box);
};
const std::vector<BoxReading>& boxCentres();
const std::vector<BoxReading>& boxSpreads();

// The sample size that box b's label gives ("n = 20").
double boxSampleSize(Integer box);

// One value of the population that box b describes: each quarter spread evenly between its marks.
double drawFromBox(Integer box, std::mt19937_64& random);

// Box b as stored: minimum <= first quartile <= median <= third quartile <= maximum, all on the x axis.
void expectBoxInOrder(Integer box);

} // namespace testing_support
