#pragma once

// The shared state of the quiz: one instance for the whole run, read and written by name
// from every routine (engine, banks, chart set-up, menu actions, window events, paint).

#include "framework/Array.h"
#include "framework/Types.h"

#include <string>

namespace Module1 {

using framework::Array;
using framework::Array2;
using framework::Integer;

// Categories 1 to 10; 0 until the first question is chosen.
inline constexpr Integer NumCategories = 10;
// Random mode is this title in gWndMsg.
inline constexpr const char* RandomCategory = "Random Category";

// QuestionStatus, the value of gQuestion(category, question).
inline constexpr Integer StatusOpen = 0;
inline constexpr Integer StatusCorrect = 1;
inline constexpr Integer StatusPassed = 2;

// gWhichQ when the scope has no open question.
inline constexpr Integer NoneLeft = -1;
inline constexpr Integer OnlyPassedLeft = -2;

// Screens, the values of gWindow (2 is never used).
inline constexpr Integer ScreenIntro = 0;
inline constexpr Integer ScreenQuiz = 1;
inline constexpr Integer ScreenAboutFromQuiz = 3;
inline constexpr Integer ScreenAboutFromIntro = 4;

// Chart kinds, the values of gChartType(2).
inline constexpr Integer ChartScatter = 1;
inline constexpr Integer ChartHistogram = 3;
inline constexpr Integer ChartBoxPlot = 4;

struct State {
    // QuestionRecord: the question on screen.
    Integer gCorrAnswer = 0;
    Array<std::string> gMsgQ{6};
    Integer gNumLinesQ = 0;
    Array<std::string> gMsgA{5};
    Array2<std::string> gMsgH{6, 5}; // (line, answer)
    Array<Integer> gNumLinesH{5};

    // ChartSpec: the chart of the question on screen.
    Integer gGraph = 0;
    Array<Integer> gChartType{4};
    Array<double> gXToGraph{25};
    Array<double> gYToGraph{25};
    Integer gFirstObs = 0;
    Integer gLastObs = 0;
    double gMinPlotX = 0.0;
    double gMaxPlotX = 0.0;
    double gMinPlotY = 0.0;
    double gMaxPlotY = 0.0;
    Integer gMajorXMarks = 0;
    Integer gMajorYMarks = 0;
    Integer gXDecimals = 0;
    Integer gYDecimals = 0;
    Integer gXaxis = 0;
    Integer gYaxis = 0;
    std::string gXAxisLabel;
    std::string gYAxisLabel;
    Integer gNumBoxes = 0;
    Array2<double> gBoxplot{3, 5}; // (box, value): min, max, Q1, median, Q3
    Array<std::string> gBarName{3};

    // QuizProgress.
    Integer gType = 0;
    std::string gWndMsg;
    Array<Integer> gNumQ{10};
    Array<Integer> gNumLeft{10};
    Array2<Integer> gQuestion{10, 40}; // (category, question)
    Integer gWhichQ = 0;
    Integer gUserAnswer = 0;

    // DisplayState.
    Integer gWindow = 0;
    Integer gPaintHint = 0;
    // The answer whose hint is painted: the one last checked with "Okay", so that picking
    // another answer afterwards never shows that answer's hint before it is checked.
    Integer gHintAnswer = 0;
    Integer gLine = 0;
    std::string gFont;
    Integer gURLleft = 0;
    Integer gURLright = 0;
};

// The one instance. Tests start from a fresh one with `state() = State{}`.
State& state();

inline Integer& gCorrAnswer = state().gCorrAnswer;
inline Array<std::string>& gMsgQ = state().gMsgQ;
inline Integer& gNumLinesQ = state().gNumLinesQ;
inline Array<std::string>& gMsgA = state().gMsgA;
inline Array2<std::string>& gMsgH = state().gMsgH;
inline Array<Integer>& gNumLinesH = state().gNumLinesH;

inline Integer& gGraph = state().gGraph;
inline Array<Integer>& gChartType = state().gChartType;
inline Array<double>& gXToGraph = state().gXToGraph;
inline Array<double>& gYToGraph = state().gYToGraph;
inline Integer& gFirstObs = state().gFirstObs;
inline Integer& gLastObs = state().gLastObs;
inline double& gMinPlotX = state().gMinPlotX;
inline double& gMaxPlotX = state().gMaxPlotX;
inline double& gMinPlotY = state().gMinPlotY;
inline double& gMaxPlotY = state().gMaxPlotY;
inline Integer& gMajorXMarks = state().gMajorXMarks;
inline Integer& gMajorYMarks = state().gMajorYMarks;
inline Integer& gXDecimals = state().gXDecimals;
inline Integer& gYDecimals = state().gYDecimals;
inline Integer& gXaxis = state().gXaxis;
inline Integer& gYaxis = state().gYaxis;
inline std::string& gXAxisLabel = state().gXAxisLabel;
inline std::string& gYAxisLabel = state().gYAxisLabel;
inline Integer& gNumBoxes = state().gNumBoxes;
inline Array2<double>& gBoxplot = state().gBoxplot;
inline Array<std::string>& gBarName = state().gBarName;

inline Integer& gType = state().gType;
inline std::string& gWndMsg = state().gWndMsg;
inline Array<Integer>& gNumQ = state().gNumQ;
inline Array<Integer>& gNumLeft = state().gNumLeft;
inline Array2<Integer>& gQuestion = state().gQuestion;
inline Integer& gWhichQ = state().gWhichQ;
inline Integer& gUserAnswer = state().gUserAnswer;

inline Integer& gWindow = state().gWindow;
inline Integer& gPaintHint = state().gPaintHint;
inline Integer& gHintAnswer = state().gHintAnswer;
inline Integer& gLine = state().gLine;
inline std::string& gFont = state().gFont;
inline Integer& gURLleft = state().gURLleft;
inline Integer& gURLright = state().gURLright;

// Random mode is on exactly when gWndMsg is "Random Category".
bool randomMode();

} // namespace Module1
