#include "quiz/Charts.h"

#include "framework/Runtime.h"
#include "quiz/Layout.h"
#include "quiz/Module1.h"

namespace Module1 {

void histogram()
{
    gGraph = 1;
    gChartType(2) = ChartHistogram;
    gXaxis = 0;
    gYaxis = 0;
    gXDecimals = 0;
    gXAxisLabel.clear();
    gYAxisLabel.clear();
}

void boxPlot()
{
    gGraph = 1;
    gXDecimals = 0;
    gMinPlotY = 0.0;
    gMaxPlotY = 1.0;
    for (Integer i = 1; i <= gNumBoxes; ++i) {
        gMaxPlotY += 3.0;
        gXToGraph(i) = gMinPlotX;
        gYToGraph(i) = static_cast<double>(3 * i - 2);
    }
    gMajorYMarks = 0;
    gYDecimals = 0;
    gFirstObs = 1;
    gLastObs = gNumBoxes;
    gXaxis = 0;
    gYaxis = 0;
    gChartType(2) = ChartBoxPlot;
    gXAxisLabel.clear();
    gYAxisLabel.clear();
}

void scatter()
{
    gGraph = 1;
    gChartType(2) = ChartScatter;
    gXaxis = layout::ScatterInset;
    gYaxis = 0;
    gXDecimals = 0;
    gYDecimals = 0;
    gXAxisLabel.clear();
    gYAxisLabel.clear();
}

std::string axisValue(double value, Integer decimals)
{
    if (decimals < 0 || decimals > 8)
        return {};
    std::string mask = "-###,###,###,###,##0";
    if (decimals > 0)
        mask += "." + std::string(static_cast<std::size_t>(decimals), '0');
    return framework::Format(value, mask);
}

} // namespace Module1
