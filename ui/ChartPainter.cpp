// The chart step of the question screen: a histogram, a box plot of one to three boxes, or
// a scatter diagram, drawn from the ChartSpec in the band between question line 1 and the
// upper rule.

#include "framework/Exceptions.h"
#include "framework/Runtime.h"
#include "quiz/Charts.h"
#include "quiz/Layout.h"
#include "quiz/Module1.h"
#include "ui/mainWindow.h"

#include <set>
#include <string>

namespace ui {

using namespace Module1;
using framework::Round;

namespace {

using layout::BoxLabelGap;
using layout::DotSize;
using layout::PlotLeft;
using layout::PlotRight;
using layout::PlotTop;
using layout::roundedQuotient;
using layout::TickLength;
using layout::XLabelDrop;
using layout::XTitleGap;
using layout::YLabelDrop;
using layout::YLabelGap;
using layout::YTitleLeft;
using layout::YTitleRise;

// A data position in whole pixels; a position that no Integer holds (not a number, or
// beyond any screen) raises the out-of-bounds exception instead of landing anywhere.
Integer whole(double x)
{
    return framework::toInteger(Round(x));
}

// A share of an axis range; an empty range (a denominator of 0) places nothing either.
double quotient(double numerator, double denominator)
{
    if (denominator == 0.0)
        throw framework::OutOfBoundsException("a chart axis with an empty range");
    return numerator / denominator;
}

struct Plot {
    Integer XL, XR, YT, YB, W, H;

    static Plot fromState()
    {
        const Integer B = layout::chartBottom(gNumLinesQ);
        const Integer W = (PlotRight - 2 * gXaxis) - PlotLeft;
        const Integer H = (B - 2 * gYaxis) - PlotTop;
        return {gXaxis + PlotLeft, PlotRight - gXaxis, gYaxis + PlotTop, B - gYaxis, W, H};
    }

    Integer px(double v) const
    {
        return whole(quotient((v - gMinPlotX) * static_cast<double>(W), gMaxPlotX - gMinPlotX) +
                     static_cast<double>(XL));
    }
    Integer py(double v) const
    {
        return whole(static_cast<double>(YB) -
                     quotient((v - gMinPlotY) * static_cast<double>(H), gMaxPlotY - gMinPlotY));
    }
};

// Both bounds of both axes inclusive; a value that is not a number fails.
bool inRange(Integer m)
{
    const double x = gXToGraph(m);
    const double y = gYToGraph(m);
    return gMinPlotY <= y && y <= gMaxPlotY && gMinPlotX <= x && x <= gMaxPlotX;
}

void drawBox(framework::Graphics& g, const Plot& p, Integer m)
{
    const double level = gYToGraph(m);
    const double minimum = gBoxplot(m, 1);
    const double maximum = gBoxplot(m, 2);
    const double q1 = gBoxplot(m, 3);
    const double median = gBoxplot(m, 4);
    const double q3 = gBoxplot(m, 5);

    const Integer xQ1 = p.px(q1);
    const Integer y0 = p.py(level);
    const Integer xQ3 = p.px(q3);
    const Integer y2 = p.py(level + 2.0);
    // Width and height are rounded on their own, not taken from the rounded corners.
    const Integer bw = whole(quotient((q3 - q1) * static_cast<double>(p.W), gMaxPlotX - gMinPlotX));
    const Integer bh = whole(quotient(static_cast<double>(2 * p.H), gMaxPlotY - gMinPlotY));
    g.DrawRect(xQ1, y2, bw, bh);

    g.PenWidth(2);
    const Integer xMed = p.px(median);
    g.DrawLine(xMed, y0, xMed, y2);
    g.PenWidth(1);

    const Integer xMin = p.px(minimum);
    const Integer y1 = p.py(level + 1.0);
    g.DrawLine(xMin, y1, xQ1, y1);
    const Integer xMax = p.px(maximum);
    g.DrawLine(xQ3, y1, xMax, y1);

    const Integer yA = p.py(level + 0.5);
    const Integer yB = p.py(level + 1.5);
    g.DrawLine(xMin, yA, xMin, yB);
    g.DrawLine(xMax, yA, xMax, yB);
}

// The points, bars or boxes, each element only when its values lie in the axis ranges.
void drawData(framework::Graphics& g, const Plot& p)
{
    for (Integer m = gFirstObs; m <= gLastObs; ++m) {
        const Integer kind = gChartType(2);
        // Tested before any position is computed, so that an outsider is never converted.
        if (!inRange(m))
            continue;
        if (kind == ChartScatter) {
            g.FillOval(p.px(gXToGraph(m)), p.py(gYToGraph(m)), DotSize, DotSize);
        } else if (kind == ChartHistogram) {
            if (m < gLastObs) {
                const Integer X = p.px(gXToGraph(m));
                const Integer Y = p.py(gYToGraph(m));
                const Integer w = whole(
                    quotient((gXToGraph(m + 1) - gXToGraph(m)) * static_cast<double>(p.W), gMaxPlotX - gMinPlotX));
                g.DrawRect(X, Y, w, p.YB - Y);
            }
        } else if (kind == ChartBoxPlot) {
            drawBox(g, p, m);
        }
    }
}

// Box plots have no vertical axis.
void drawAxes(framework::Graphics& g, const Plot& p, Integer kind)
{
    if (kind != ChartBoxPlot)
        g.DrawLine(p.XL, p.YT, p.XL, p.YB);
    g.DrawLine(p.XL, p.YB, p.XR, p.YB);
}

// n equal divisions of each axis, ticks at both ends and between, each with its value.
void drawTicks(framework::Graphics& g, const Plot& p)
{
    if (gMajorYMarks > 0) {
        const Integer n = gMajorYMarks;
        for (Integer j = 0; j <= n; ++j) {
            const double value = gMinPlotY +
                                 ((gMaxPlotY - gMinPlotY) * static_cast<double>(j)) / static_cast<double>(n);
            const Integer y = roundedQuotient(p.YB * n - j * p.H, n);
            g.DrawLine(p.XL - TickLength, y, p.XL, y);
            const std::string text = axisValue(value, gYDecimals);
            g.DrawString(text, p.XL - YLabelGap - truncatedWidth(g, text), y + YLabelDrop);
        }
    }

    if (gMajorXMarks > 0) {
        const Integer n = gMajorXMarks;
        for (Integer j = 0; j <= n; ++j) {
            const Integer x = roundedQuotient(p.XL * n + j * p.W, n);
            g.DrawLine(x, p.YB, x, p.YB + TickLength);
            // The label is centred in a cell one division wide around its tick.
            const Integer L = roundedQuotient(2 * x * n - p.W, 2 * n);
            const Integer R = roundedQuotient(2 * x * n + p.W, 2 * n);
            const double value = gMinPlotX +
                                 ((gMaxPlotX - gMinPlotX) * static_cast<double>(j)) / static_cast<double>(n);
            const std::string text = axisValue(value, gXDecimals);
            g.DrawString(text, roundedQuotient(L + R - truncatedWidth(g, text), 2), p.YB + XLabelDrop);
        }
    }
}

// The axis titles, and beside a box plot of two or three boxes each box's label, level
// with its whiskers.
void drawLabels(framework::Graphics& g, const Plot& p, Integer kind)
{
    g.DrawString(gXAxisLabel, p.XR + XTitleGap, p.YB);
    if (kind != ChartBoxPlot) {
        g.DrawString(gYAxisLabel, p.XL - YTitleLeft, p.YT - YTitleRise);
    } else if (gNumBoxes > 1) {
        for (Integer j = 1; j <= gNumBoxes; ++j) {
            const Integer y = p.py(gYToGraph(j) + 1.0);
            g.DrawString(gBarName(j), p.XL - BoxLabelGap - truncatedWidth(g, gBarName(j)), y + YLabelDrop);
        }
    }
}

// A value as a reader says it: up to four decimals, without trailing zeros.
std::string spoken(double v)
{
    std::string text = axisValue(v, 4);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

// An axis as its ticks label it.
std::string axisWords(const char* which, const std::string& title, double min, double max, Integer marks,
                      Integer decimals)
{
    std::string words = std::string(which) + " axis";
    if (!title.empty())
        words += " " + title;
    words += " from " + spoken(min) + " to " + spoken(max);
    if (marks > 0) {
        words += ", marked";
        for (Integer j = 0; j <= marks; ++j)
            words += (j ? ", " : " ") +
                     axisValue(min + ((max - min) * static_cast<double>(j)) / static_cast<double>(marks), decimals);
    }
    return words + ". ";
}

} // namespace

framework::ContentPiece describeChart()
{
    const Integer kind = gChartType(2);
    std::string name;
    std::string words;
    if (kind == ChartHistogram) {
        name = "Histogram";
        words = axisWords("Horizontal", gXAxisLabel, gMinPlotX, gMaxPlotX, gMajorXMarks, gXDecimals) +
                axisWords("Vertical", gYAxisLabel, gMinPlotY, gMaxPlotY, gMajorYMarks, gYDecimals) + "Bars:";
        const char* separator = " ";
        for (Integer m = gFirstObs; m < gLastObs; ++m)
            if (inRange(m)) {
                words += separator + ("from " + spoken(gXToGraph(m))) + " to " + spoken(gXToGraph(m + 1)) +
                         ", height " + spoken(gYToGraph(m));
                separator = "; ";
            }
        words += ".";
    } else if (kind == ChartBoxPlot) {
        name = gNumBoxes == 1 ? "Box plot" : "Box plot of " + framework::Str(gNumBoxes) + " boxes";
        words = axisWords("Horizontal", gXAxisLabel, gMinPlotX, gMaxPlotX, gMajorXMarks, gXDecimals);
        // From the top of the screen down, as the boxes stand.
        for (Integer m = gNumBoxes; m >= 1; --m) {
            words += gNumBoxes > 1 ? "Box " + gBarName(m) + ":" : std::string("Box:");
            words += " minimum " + spoken(gBoxplot(m, 1)) + ", first quartile " + spoken(gBoxplot(m, 3)) +
                     ", median " + spoken(gBoxplot(m, 4)) + ", third quartile " + spoken(gBoxplot(m, 5)) +
                     ", maximum " + spoken(gBoxplot(m, 2)) + ". ";
        }
    } else if (kind == ChartScatter) {
        name = "Scatter diagram";
        words = axisWords("Horizontal", gXAxisLabel, gMinPlotX, gMaxPlotX, gMajorXMarks, gXDecimals) +
                axisWords("Vertical", gYAxisLabel, gMinPlotY, gMaxPlotY, gMajorYMarks, gYDecimals) + "Points:";
        // A point given twice is one dot in the picture, and said once.
        std::set<std::string> said;
        for (Integer m = gFirstObs; m <= gLastObs; ++m) {
            const std::string point = "(" + spoken(gXToGraph(m)) + ", " + spoken(gYToGraph(m)) + ")";
            if (inRange(m) && said.insert(point).second)
                words += " " + point;
        }
    }
    const Plot p = Plot::fromState();
    return {.kind = framework::ContentPiece::Kind::Chart,
            .text = name,
            .description = words,
            .left = p.XL - YTitleLeft,
            .top = p.YT - TickLength,
            .width = p.XR - p.XL + 2 * YTitleLeft,
            .height = p.YB - p.YT + XLabelDrop + TickLength,
            .group = {},
            .spoken = 0};
}

void drawChart(framework::Graphics& g)
{
    g.TextSize(9);
    g.TextFont(gFont);
    g.ForeColor(layout::Blue);
    const Plot p = Plot::fromState();
    drawData(g, p);

    g.ForeColor(layout::Black);
    const Integer kind = gChartType(2);
    drawAxes(g, p, kind);
    drawTicks(g, p);
    drawLabels(g, p, kind);
}

} // namespace ui
