#pragma once

// The geometry of the window's screens, in one place: the engine places the answer buttons
// under the question, the paint draws the texts, rules and charts around them, and the
// mouse hit-tests the About page's link, all from the values and functions here. Pixels
// of the content area, origin at the top left; a text's y is its baseline. n is the
// question's line count (gNumLinesQ).

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

// The question screen: one line of text every 20 pixels.
inline constexpr Integer LinePitch = 20;
inline constexpr Integer MaxQuestionLines = 5;

// The answer radio buttons stand in a column; the answer texts to their right.
inline constexpr Integer AnswerButtonLeft = 50;
inline constexpr Integer AnswerButtonSize = 15;
inline constexpr Integer AnswerTextLeft = 70;
// The horizontal rules frame the answers, this far apart.
inline constexpr Integer RuleGap = 120;

// "Okay" and "Pass" side by side at the bottom right.
inline constexpr Integer PushButtonTop = 273;
inline constexpr Integer PushButtonWidth = 60;
inline constexpr Integer PushButtonHeight = 20;
inline constexpr Integer OkayFromRight = 73; // the window's width less this is Okay's left
inline constexpr Integer PassFromOkay = 70;  // Pass stands this far left of Okay
inline constexpr Integer OkayLeft = ContentWidth - OkayFromRight;
inline constexpr Integer PassLeft = OkayLeft - PassFromOkay;

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
    return LinePitch * i + 5;
}

// Top of answer button i (0 to 4) under n question lines; with five lines, 130 to 210,
// the buttons' places when the window is built.
constexpr Integer answerTop(Integer n, Integer i)
{
    return LinePitch * n + 30 + LinePitch * i;
}

// Baseline of answer i's text (0 to 4), 12 pixels below its button's top.
constexpr Integer answerBaseline(Integer n, Integer i)
{
    return answerTop(n, i) + 12;
}

// Row of the upper rule, 12 pixels above the first answer button; the lower rule is
// RuleGap below it.
constexpr Integer ruleRow(Integer n)
{
    return LinePitch * n + 18;
}

// Baseline of hint line j (1 to 5), under the lower rule.
constexpr Integer hintBaseline(Integer n, Integer j)
{
    return LinePitch * n + 145 + LinePitch * j;
}

// Bottom of the chart's band before insets: 10 pixels above the last question line's
// baseline, as the chart's top lies 10 above line 2's; the chart takes the place of the
// empty lines 2 to n that a chart question stores.
constexpr Integer chartBottom(Integer n)
{
    return LinePitch * n - 5;
}

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
