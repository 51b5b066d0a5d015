#include "quiz/QuestionBank.h"

#include "framework/Exceptions.h"
#include "framework/Runtime.h"
#include "quiz/Charts.h"
#include "quiz/Module1.h"

namespace Module1 {

namespace {

std::array<QuestionBank, NumCategories + 1>& banks()
{
    static std::array<QuestionBank, NumCategories + 1> installed{};
    return installed;
}

struct ChartStore {
    void operator()(std::monostate) const {}
    void operator()(const Histogram& chart) const { storeHistogram(chart); }
    void operator()(const BoxPlot& chart) const { storeBoxPlot(chart); }
    void operator()(const Scatter& chart) const { storeScatter(chart); }
};

// A step of 0, or one that gives more divisions than an Integer holds, raises the
// out-of-bounds exception.
Integer divisions(double range, double step)
{
    if (step == 0.0)
        throw framework::OutOfBoundsException("axis divisions of a step of 0");
    return framework::toInteger(framework::Floor(range / step + 0.5));
}

} // namespace

void storeQuestion(const Question& question)
{
    std::visit(ChartStore{}, question.chart);

    gCorrAnswer = question.correct;
    Integer line = 0;
    for (const auto& text : question.lines)
        gMsgQ(++line) = text;
    gNumLinesQ = line;
    for (Integer a = 1; a <= 5; ++a)
        gMsgA(a) = question.answers[static_cast<std::size_t>(a - 1)];
    for (Integer a = 1; a <= 5; ++a) {
        Integer j = 0;
        for (const auto& text : question.hints[static_cast<std::size_t>(a - 1)])
            gMsgH(++j, a) = text;
        gNumLinesH(a) = j;
    }
}

void storeSelected(const QuestionSheet& sheet)
{
    if (gWhichQ >= 1 && gWhichQ <= QuestionsPerBank)
        storeQuestion(sheet[static_cast<std::size_t>(gWhichQ - 1)]);
}

void storeHistogram(const Histogram& chart)
{
    gMinPlotX = 0.0;
    gMaxPlotX = chart.maxX;
    Integer barWidth = chart.barWidth;
    gMajorXMarks = divisions(gMaxPlotX - gMinPlotX, static_cast<double>(barWidth));
    gFirstObs = 1;
    gLastObs = gMajorXMarks + 1;
    gXToGraph(1) = gMinPlotX;
    for (Integer i = gFirstObs; i <= gLastObs - 1; ++i)
        gXToGraph(i + 1) = gXToGraph(i) + static_cast<double>(barWidth);
    Integer i = 0;
    for (const double count : chart.counts)
        gYToGraph(++i) = count;
    const Integer totalCount = chart.totalCount;
    // Each count becomes its bar's density, so that a bar's area is its share of the data.
    for (i = gFirstObs; i <= gLastObs - 1; ++i) {
        barWidth = framework::toInteger(gXToGraph(i + 1) - gXToGraph(i));
        gYToGraph(i) = gYToGraph(i) / static_cast<double>(totalCount * barWidth);
    }
    gYToGraph(gLastObs) = gYToGraph(gLastObs - 1);
    gMinPlotY = 0.0;
    gMaxPlotY = chart.maxY;
    gMajorYMarks = 2;
    gYDecimals = chart.yDecimals;
    histogram();
}

void storeBoxPlot(const BoxPlot& chart)
{
    gNumBoxes = static_cast<Integer>(chart.boxes.size());
    for (Integer b = 1; b <= gNumBoxes; ++b)
        gBarName(b) = b <= static_cast<Integer>(chart.labels.size()) ? chart.labels[static_cast<std::size_t>(b - 1)]
                                                                     : std::string{};
    for (Integer b = 1; b <= gNumBoxes; ++b) {
        const Box& box = chart.boxes[static_cast<std::size_t>(b - 1)];
        gBoxplot(b, 1) = box.minimum;
        gBoxplot(b, 2) = box.maximum;
        gBoxplot(b, 3) = box.firstQuartile;
        gBoxplot(b, 4) = box.median;
        gBoxplot(b, 5) = box.thirdQuartile;
    }
    gMinPlotX = chart.minX;
    gMaxPlotX = chart.maxX;
    gMajorXMarks = chart.xDivisions;
    boxPlot();
}

void storeScatter(const Scatter& chart)
{
    gFirstObs = 1;
    gLastObs = static_cast<Integer>(chart.points.size());
    Integer i = 0;
    for (const Point& point : chart.points) {
        ++i;
        gXToGraph(i) = point.x;
        gYToGraph(i) = point.y;
    }
    gMinPlotX = chart.minX;
    gMaxPlotX = chart.maxX;
    gMajorXMarks = divisions(chart.maxX - chart.minX, chart.stepX);
    gMinPlotY = chart.minY;
    gMaxPlotY = chart.maxY;
    gMajorYMarks = divisions(chart.maxY - chart.minY, chart.stepY);
    scatter();
}

void installQuestionBank(Integer category, QuestionBank bank)
{
    banks().at(static_cast<std::size_t>(category)) = bank;
}

QuestionBank questionBank(Integer category)
{
    if (category < 1 || category > NumCategories)
        return nullptr;
    return banks()[static_cast<std::size_t>(category)];
}

} // namespace Module1
