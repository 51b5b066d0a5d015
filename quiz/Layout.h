#pragma once

// The geometry of the window's screens, in one place: the window's size and its controls'
// places, the engine's placing of the answer buttons under the question, the paint's texts,
// rules and charts around them, and the About page's link zone, all from the values and
// functions here. Pixels of the content area, origin at the top left; a text's y is its
// baseline. n is the question's line count (gNumLinesQ).

#include "framework/Types.h"

namespace Module1::layout {

using framework::Integer;

// Red, green and blue.
inline constexpr framework::Color Blue{21, 33, 204};
inline constexpr framework::Color LinkBlue{23, 33, 204};
inline constexpr framework::Color Black{0, 0, 0};
// The window's own near-white background.
inline constexpr framework::Color BackColor{254, 254, 255};

inline constexpr Integer ContentWidth = 511;
inline constexpr Integer ContentHeight = 306;

// Flush-left texts start here.
inline constexpr Integer TextLeft = 10;

// The question screen: one line of text every 20 pixels, question line i's baseline 5
// pixels below i line pitches.
inline constexpr Integer LinePitch = 20;
inline constexpr Integer QuestionBaselineDrop = 5;
inline constexpr Integer MaxQuestionLines = 5;

// The upper rule stands this far below n line pitches, 13 pixels under the last question
// line's baseline; the lower rule RuleGap below it. They frame the answers.
inline constexpr Integer RuleDrop = 18;
inline constexpr Integer RuleGap = 120;

// The answer radio buttons stand in a column, the first one this far below the upper rule;
// the answer texts to their right, each baseline this far below its button's top.
inline constexpr Integer AnswerButtonLeft = 50;
inline constexpr Integer AnswerButtonSize = 15;
inline constexpr Integer FirstAnswerBelowRule = 12;
inline constexpr Integer AnswerTextLeft = 70;
inline constexpr Integer AnswerTextDrop = 12;

// The first hint line's baseline stands this far below the lower rule.
inline constexpr Integer FirstHintBelowRule = 27;

// "Okay" and "Pass" side by side at the bottom right.
inline constexpr Integer PushButtonTop = 273;
inline constexpr Integer PushButtonWidth = 60;
inline constexpr Integer PushButtonHeight = 20;
inline constexpr Integer OkayFromRight = 73; // the window's width less this is Okay's left
inline constexpr Integer PassFromOkay = 70;  // Pass stands this far left of Okay

// Left of "Okay" in a window of that width, and of "Pass" beside an "Okay" at okayLeft.
constexpr Integer okayLeft(Integer windowWidth)
{
    return windowWidth - OkayFromRight;
}
constexpr Integer passLeft(Integer okayLeft)
{
    return okayLeft - PassFromOkay;
}

// The intro screen.
inline constexpr Integer IntroNameBaseline = 56;
inline constexpr Integer IntroFirstBaseline = 105;
inline constexpr Integer IntroPitch = 17;

// The About page; its contact and terms lines follow one another at the line pitch.
inline constexpr Integer AboutNameBaseline = 40;
inline constexpr Integer VersionBaseline = 70;
inline constexpr Integer DownloadBaseline = 90;
inline constexpr Integer LinkBaseline = 110;
inline constexpr Integer LinkUnderline = 113;
// The link opens on a click strictly between these rows (the underline's excluded) and
// strictly inside its x extent less its last few pixels.
inline constexpr Integer LinkZoneTop = 98;
inline constexpr Integer LinkZoneBottom = LinkUnderline;
inline constexpr Integer LinkZoneRightMargin = 5;
inline constexpr Integer ContactHeadingBaseline = 130;
inline constexpr Integer ContactFirstBaseline = 150;

// Baseline of question line i (1 to n); the congratulations lines stand on the same rows.
constexpr Integer questionBaseline(Integer i)
{
    return LinePitch * i + QuestionBaselineDrop;
}

// Row of the upper rule; the lower rule is RuleGap below it.
constexpr Integer ruleRow(Integer n)
{
    return LinePitch * n + RuleDrop;
}

// Top of answer button i (0 to 4) under n question lines; with five lines, 130 to 210,
// the buttons' places when the window is built.
constexpr Integer answerTop(Integer n, Integer i)
{
    return ruleRow(n) + FirstAnswerBelowRule + LinePitch * i;
}

// Baseline of answer i's text (0 to 4).
constexpr Integer answerBaseline(Integer n, Integer i)
{
    return answerTop(n, i) + AnswerTextDrop;
}

// Baseline of hint line j (1 to 5), under the lower rule.
constexpr Integer hintBaseline(Integer n, Integer j)
{
    return ruleRow(n) + RuleGap + FirstHintBelowRule + LinePitch * (j - 1);
}

// The chart takes the place of the empty lines 2 to n that a chart question stores: its
// band runs from ChartBaselineMargin above line 2's baseline to as far above line n's,
// before the insets.
inline constexpr Integer ChartBaselineMargin = 10;
inline constexpr Integer PlotTop = questionBaseline(2) - ChartBaselineMargin;
constexpr Integer chartBottom(Integer n)
{
    return questionBaseline(n) - ChartBaselineMargin;
}
// The band's fixed left and right edges, before the insets.
inline constexpr Integer PlotLeft = 150;
inline constexpr Integer PlotRight = 350;
// A scatter diagram is inset this far from the band's left and right edges (gXaxis).
inline constexpr Integer ScatterInset = 40;

// The chart's marks and labels.
inline constexpr Integer DotSize = 2;     // a scatter point, square
inline constexpr Integer TickLength = 5;  // y ticks leftwards, x ticks downwards from the axis
inline constexpr Integer YLabelGap = 6;   // between a y label's end and the axis
inline constexpr Integer YLabelDrop = 4;  // a y label's baseline below its tick; a box label's below its whiskers
inline constexpr Integer XLabelDrop = 14; // the x labels' baseline below the axis
inline constexpr Integer BoxLabelGap = 5; // between a box label's end and the plot
inline constexpr Integer XTitleGap = 3;   // the x-axis title after the axis's right end
inline constexpr Integer YTitleLeft = 30; // the y-axis title starts this far left of the axis
inline constexpr Integer YTitleRise = 2;  // and stands this far above its top

// Whether a click opens the link, whose x extent the last paint of the About page recorded.
constexpr bool inLinkZone(Integer x, Integer y, Integer linkLeft, Integer linkRight)
{
    return linkLeft < x && x < linkRight - LinkZoneRightMargin && LinkZoneTop < y && y < LinkZoneBottom;
}

// numerator / denominator (above 0) rounded as Round rounds: halves away from zero.
constexpr Integer roundedQuotient(Integer numerator, Integer denominator)
{
    return numerator >= 0 ? (2 * numerator + denominator) / (2 * denominator)
                          : -((-2 * numerator + denominator) / (2 * denominator));
}

} // namespace Module1::layout
