// Painting every screen into an image with the Qt painter, at device pixel ratio 1, 2 and 3,
// and choosing a question when one open question is left among 300.
//
// Each benchmark starts from a fresh quiz with Rnd seeded and the clock fixed, so every run
// and every repetition paints the same question; its category and number are the label.

#include "app/Offscreen.h"
#include "app/Startup.h"
#include "framework/Application.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "framework/qt/QtGraphics.h"
#include "quiz/Engine.h"
#include "quiz/Module1.h"
#include "ui/mainWindow.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

using namespace Module1;

namespace {

constexpr std::uint64_t Seed = 20261210;

ui::mainWindowClass& window()
{
    return ui::findOrCreateMainWindow();
}

// The program started once, then a fresh quiz for each benchmark: the window closed and
// opened again on a cleared state, with the same random numbers and clock every time.
void freshQuiz()
{
    static bool started = false;
    if (!started) {
        started = true;
        app::StartOffscreen("merrowby-bench");
    }
    if (auto* held = framework::GetImplicitWindow(ui::mainWindowClass::ClassName))
        held->Close();
    framework::releaseClosedWindows();
    state() = State{};
    auto generator = std::make_shared<std::mt19937_64>(Seed);
    framework::setRandomSource([generator] { return std::generate_canonical<double, 53>(*generator); });
    framework::setClockSource([] { return 1234567890.0; });
    app::LateStartup();
}

void choose(const char* item)
{
    framework::GetAppObject()->chooseMenuItem(item);
}

void labelQuestion(benchmark::State& state)
{
    state.SetLabel("question " + std::to_string(gType) + "." + std::to_string(gWhichQ));
}

// The window's paint into an image of its content area at that device pixel ratio, the
// background filled once as Qt fills the window's.
void paintLoop(benchmark::State& state)
{
    const int ratio = static_cast<int>(state.range(0));
    QImage image(static_cast<int>(window().Width()) * ratio, static_cast<int>(window().Height()) * ratio,
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
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

void BM_PaintIntro(benchmark::State& state)
{
    freshQuiz();
    paintLoop(state);
}

void BM_PaintScatterQuestionWithHint(benchmark::State& state)
{
    freshQuiz();
    askChart("StatisticalInferenceSimpleRegression");
    labelQuestion(state);
    window().answerButton(gCorrAnswer == 1 ? 1 : 0).click();
    window().OkayButton().click();
    paintLoop(state);
}

void BM_PaintHistogramQuestion(benchmark::State& state)
{
    freshQuiz();
    askChart("StatisticalDataDisplayingData");
    labelQuestion(state);
    paintLoop(state);
}

void BM_PaintThreeBoxPlotQuestion(benchmark::State& state)
{
    freshQuiz();
    askChart("StatisticalInferenceANOVA");
    labelQuestion(state);
    paintLoop(state);
}

void BM_PaintAboutPage(benchmark::State& state)
{
    freshQuiz();
    choose("AboutMerrowby");
    paintLoop(state);
}

void BM_ChooseQuestionWithOneOpenLeftOf300(benchmark::State& state)
{
    freshQuiz();
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

BENCHMARK(BM_PaintIntro)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintScatterQuestionWithHint)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintHistogramQuestion)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintThreeBoxPlotQuestion)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintAboutPage)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChooseQuestionWithOneOpenLeftOf300)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The window goes with Qt, before the static destructors run.
    framework::RuntimePerformFinalizers();
    return 0;
}
