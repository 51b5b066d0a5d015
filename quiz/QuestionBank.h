#pragma once

// The contract of the question banks. A bank is one routine per category (ch2Questions
// for category 1 up to ch11Questions for category 10) that stores question gWhichQ of its
// category into the QuestionRecord, and for a chart question first its ChartSpec data.
// A number without a question (0, negative, above 30) stores nothing.
//
// A bank is content: a table of thirty Question literals, which the routine hands to
// storeSelected().

#include "framework/Types.h"

#include <array>
#include <string>
#include <variant>
#include <vector>

namespace Module1 {

using framework::Integer;

using Lines = std::vector<std::string>;

inline constexpr Integer QuestionsPerBank = 30;

// Limits of the stored texts: no painted line is wrapped.
inline constexpr std::size_t MaxQuestionLineLength = 79;
inline constexpr std::size_t MaxAnswerLength = 64;
inline constexpr std::size_t MaxHintLineLength = 84;

// A histogram of equal-width bars from 0: the bank gives the counts, and the densities
// count / (total x width) are computed as the question is stored.
struct Histogram {
    double maxX = 0.0;
    Integer barWidth = 0;
    std::vector<double> counts;
    Integer totalCount = 0;
    double maxY = 0.0;
    Integer yDecimals = 2;
};

struct Box {
    double minimum = 0.0;
    double maximum = 0.0;
    double firstQuartile = 0.0;
    double median = 0.0;
    double thirdQuartile = 0.0;
};

// One to three horizontal boxes; the labels ("n = 20") are shown only for two or more.
struct BoxPlot {
    std::vector<Box> boxes;
    std::vector<std::string> labels;
    double minX = 0.0;
    double maxX = 0.0;
    Integer xDivisions = 0;
};

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// Axis divisions are derived from the steps: the whole part of range / step + 0.5.
struct Scatter {
    std::vector<Point> points;
    double minX = 0.0;
    double maxX = 0.0;
    double stepX = 0.0;
    double minY = 0.0;
    double maxY = 0.0;
    double stepY = 0.0;
};

using Chart = std::variant<std::monostate, Histogram, BoxPlot, Scatter>;

struct Question {
    Integer correct = 0; // 1 to 5
    Lines lines;         // question lines, 1 to 5 (a chart question: 1 + empty lines)
    std::array<std::string, 5> answers;
    std::array<Lines, 5> hints; // 1 to 5 lines each
    Chart chart = {};
};

using QuestionSheet = std::array<Question, QuestionsPerBank>;

// Stores the chart data of the question (then calls its chart set-up routine) and its
// record, in the contract's order: gCorrAnswer, the question lines and gNumLinesQ, the
// five answers, and each answer's hint lines and gNumLinesH.
void storeQuestion(const Question& question);

// Stores question gWhichQ of the sheet; a number without a question stores nothing.
void storeSelected(const QuestionSheet& sheet);

// The chart stores of each kind, each ending with the call of its set-up routine.
void storeHistogram(const Histogram& chart);
void storeBoxPlot(const BoxPlot& chart);
void storeScatter(const Scatter& chart);

// A bank routine.
using QuestionBank = void (*)();

// The engine calls the bank installed for gType (category n: the routine numbered n + 1).
void installQuestionBank(Integer category, QuestionBank bank);
QuestionBank questionBank(Integer category);

} // namespace Module1
