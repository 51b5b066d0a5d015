// The chart step of the question screen: a histogram, a box plot of one to three boxes, or
// a scatter diagram, drawn from the ChartSpec in the band between question line 1 and the
// upper rule.

#include "framework/Runtime.h"
#include "quiz/Charts.h"
#include "quiz/Module1.h"
#include "ui/mainWindow.h"

namespace ui {

using namespace Module1;
using framework::Round;

namespace {

// Fixed edges of the plot area before insets: left, right and top.
constexpr Integer PlotLeft = 150;
constexpr Integer PlotRight = 350;
constexpr Integer PlotTop = 35;

constexpr Integer TickLength = 5;
constexpr Integer YLabelGap = 6;       // between a y label's end and the axis
constexpr Integer YLabelDrop = 4;      // a y label's baseline below its tick
constexpr Integer XLabelDrop = 14;     // the x labels' baseline below the axis
constexpr Integer BoxLabelGap = 5;     // between a box label's end and the plot

const framework::Color Blue = framework::RGB(21, 33, 204, 0);
const framework::Color Black = framework::RGB(0, 0, 0, 0);

Integer whole(double x)
{
    return static_cast<Integer>(Round(x));
}

struct Plot {
    Integer XL, XR, YT, YB, W, H;

    static Plot fromState()
    {
        const Integer B = whole(static_cast<double>(20 * gNumLinesQ - 5));
        const Integer W = whole(static_cast<double>((PlotRight - 2 * gXaxis) - PlotLeft));
        const Integer H = whole(static_cast<double>((B - 2 * gYaxis) - PlotTop));
        return {gXaxis + PlotLeft, PlotRight - gXaxis, gYaxis + PlotTop, B - gYaxis, W, H};
    }

    Integer px(double v) const { return whole(((v - gMinPlotX) * static_cast<double>(W)) / (gMaxPlotX - gMinPlotX) + static_cast<double>(XL)); }
    Integer py(double v) const { return whole(static_cast<double>(YB) - ((v - gMinPlotY) * static_cast<double>(H)) / (gMaxPlotY - gMinPlotY)); }
};

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
    const Integer bw = whole(((q3 - q1) * static_cast<double>(p.W)) / (gMaxPlotX - gMinPlotX));
    const Integer bh = whole(static_cast<double>(2 * p.H) / (gMaxPlotY - gMinPlotY));
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

} // namespace

void drawChart(framework::Graphics& g)
{
    g.TextSize(9);
    g.TextFont(gFont);
    g.ForeColor(Blue);
    const Plot p = Plot::fromState();

    for (Integer m = gFirstObs; m <= gLastObs; ++m) {
        const Integer kind = gChartType(2);
        Integer X = 0;
        Integer Y = 0;
        if (kind != ChartBoxPlot) {
            X = p.px(gXToGraph(m));
            Y = p.py(gYToGraph(m));
        }
        if (!inRange(m))
            continue;
        if (kind == ChartScatter) {
            g.FillOval(X, Y, 2, 2);
        } else if (kind == ChartHistogram) {
            if (m < gLastObs) {
                const Integer w = whole(((gXToGraph(m + 1) - gXToGraph(m)) * static_cast<double>(p.W)) /
                                        (gMaxPlotX - gMinPlotX));
                g.DrawRect(X, Y, w, p.YB - Y);
            }
        } else if (kind == ChartBoxPlot) {
            drawBox(g, p, m);
        }
    }

    g.ForeColor(Black);
    const Integer kind = gChartType(2);
    if (kind != ChartBoxPlot)
        g.DrawLine(p.XL, p.YT, p.XL, p.YB);
    g.DrawLine(p.XL, p.YB, p.XR, p.YB);

    if (gMajorYMarks > 0) {
        const Integer n = gMajorYMarks;
        for (Integer j = 0; j <= n; ++j) {
            const double value = gMinPlotY + ((gMaxPlotY - gMinPlotY) * static_cast<double>(j)) / static_cast<double>(n);
            const Integer y = whole(static_cast<double>(p.YB) - static_cast<double>(j * p.H) / static_cast<double>(n));
            g.DrawLine(p.XL - TickLength, y, p.XL, y);
            const std::string text = axisValue(value, gYDecimals);
            const auto tw = static_cast<Integer>(g.StringWidth(text));
            g.DrawString(text, p.XL - YLabelGap - tw, y + YLabelDrop);
        }
    }

    if (gMajorXMarks > 0) {
        const Integer n = gMajorXMarks;
        for (Integer j = 0; j <= n; ++j) {
            const Integer x = whole(static_cast<double>(p.XL) + static_cast<double>(j * p.W) / static_cast<double>(n));
            g.DrawLine(x, p.YB, x, p.YB + TickLength);
            const Integer L = whole(static_cast<double>(x) - (0.5 * static_cast<double>(p.W)) / static_cast<double>(n));
            const Integer R = whole(static_cast<double>(x) + (0.5 * static_cast<double>(p.W)) / static_cast<double>(n));
            const double value = gMinPlotX + ((gMaxPlotX - gMinPlotX) * static_cast<double>(j)) / static_cast<double>(n);
            const std::string text = axisValue(value, gXDecimals);
            const auto tw = static_cast<Integer>(g.StringWidth(text));
            g.DrawString(text, whole(static_cast<double>(L + R - tw) / 2), p.YB + XLabelDrop);
        }
    }

    g.DrawString(gXAxisLabel, p.XR + 3, p.YB);
    if (kind != ChartBoxPlot) {
        g.DrawString(gYAxisLabel, p.XL - 30, p.YT - 2);
    } else if (gNumBoxes > 1) {
        for (Integer j = 1; j <= gNumBoxes; ++j) {
            const Integer y = p.py(gYToGraph(j) + 1.0);
            const auto tw = static_cast<Integer>(g.StringWidth(gBarName(j)));
            g.DrawString(gBarName(j), p.XL - BoxLabelGap - tw, y + YLabelDrop);
        }
    }
}

} // namespace ui
