// Painting the heaviest screens into an image with the Qt painter, and choosing a question
// when one open question is left among 300.

#include "app/Offscreen.h"
#include "framework/Application.h"
#include "framework/qt/QtGraphics.h"
#include "quiz/Engine.h"
#include "quiz/Module1.h"
#include "ui/mainWindow.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace Module1;

namespace {

ui::mainWindowClass& window()
{
    return ui::findOrCreateMainWindow();
}

void startOnce()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    app::StartOffscreen("merrowby-bench");
}

void choose(const char* item)
{
    framework::GetAppObject()->chooseMenuItem(item);
}

void paintLoop(benchmark::State& state)
{
    QImage image(511, 306, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        framework::qt::QtGraphics g(painter);
        window().raisePaint(g);
    }
}

void askChart(const char* item)
{
    do
        choose(item);
    while (gGraph != 1);
}

void BM_PaintScatterQuestionWithHint(benchmark::State& state)
{
    startOnce();
    askChart("StatisticalInferenceSimpleRegression");
    window().answerButton(gCorrAnswer == 1 ? 1 : 0).click();
    window().OkayButton().click();
    paintLoop(state);
}

void BM_PaintHistogramQuestion(benchmark::State& state)
{
    startOnce();
    askChart("StatisticalDataDisplayingData");
    paintLoop(state);
}

void BM_PaintThreeBoxPlotQuestion(benchmark::State& state)
{
    startOnce();
    askChart("StatisticalInferenceANOVA");
    paintLoop(state);
}

void BM_PaintAboutPage(benchmark::State& state)
{
    startOnce();
    choose("AboutMerrowby");
    paintLoop(state);
    window().raiseKeyDown("x");
}

void BM_ChooseQuestionWithOneOpenLeftOf300(benchmark::State& state)
{
    startOnce();
    gWndMsg = RandomCategory;
    resetQ();
    for (Integer c = 1; c <= 10; ++c) {
        for (Integer k = 1; k <= 30; ++k)
            gQuestion(c, k) = StatusCorrect;
        gNumLeft(c) = 0;
    }
    gQuestion(7, 12) = StatusOpen;
    gNumLeft(7) = 1;
    for (auto _ : state)
        ChooseQuestion();
    if (gType != 7 || gWhichQ != 12)
        state.SkipWithError("the one open question was not chosen");
}

} // namespace

BENCHMARK(BM_PaintScatterQuestionWithHint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintHistogramQuestion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintThreeBoxPlotQuestion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintAboutPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChooseQuestionWithOneOpenLeftOf300)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
