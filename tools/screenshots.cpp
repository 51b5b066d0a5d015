// Renders the program's screens into PNG files, from the real program on Qt's offscreen
// platform: scripts/screenshots.sh runs it to refresh the pictures in docs/.

#include "app/App.h"
#include "app/Offscreen.h"
#include "framework/Application.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "framework/qt/QtPlatform.h"
#include "quiz/Module1.h"
#include "ui/mainWindow.h"

#include <QImage>
#include <QMainWindow>

#include <cstdio>
#include <functional>
#include <random>
#include <string>

using namespace Module1;

namespace {

ui::mainWindowClass& window()
{
    return ui::findOrCreateMainWindow();
}

void choose(const char* item)
{
    framework::GetAppObject()->chooseMenuItem(item);
}

void save(const std::string& folder, const char* name)
{
    QMainWindow* frame = framework::qt::nativeWindow(window());
    const QImage image = frame->grab().toImage();
    const std::string path = folder + "/" + name + ".png";
    if (!image.save(QString::fromStdString(path)))
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
    else
        std::printf("%s\n", path.c_str());
}

// Asks questions of the category until one with a chart (or question `number`) comes up.
void askUntil(const char* item, const std::function<bool()>& wanted)
{
    for (int tries = 0; tries < 5000; ++tries) {
        choose(item);
        if (wanted())
            return;
    }
}

void answerWith(Integer answer)
{
    window().answerButton(answer - 1).click();
    window().OkayButton().click();
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : "docs/screenshots";
    // Seeded, with the clock fixed, before the window opens, so that its warm-up draws and the
    // questions shown are the same every run.
    std::mt19937_64 generator(7);
    framework::setRandomSource([&generator] { return std::generate_canonical<double, 53>(generator); });
    framework::setClockSource([] { return 1234567890.0; });
    app::StartOffscreen("merrowby-screenshots");

    save(folder, "intro");

    askUntil("StatisticalDataProducingData", [] { return gWhichQ == 25; });
    answerWith(gCorrAnswer == 1 ? 2 : 1);
    save(folder, "question-with-hint");

    askUntil("StatisticalDataDisplayingData", [] { return gWhichQ == 21; });
    answerWith(gCorrAnswer);
    save(folder, "histogram");

    askUntil("StatisticalDataSummarizingData", [] { return gWhichQ == 25; });
    save(folder, "box-plot");

    askUntil("StatisticalInferenceComparingTwoSamples", [] { return gGraph == 1; });
    save(folder, "two-box-plot");

    askUntil("StatisticalInferenceANOVA", [] { return gGraph == 1; });
    answerWith(gCorrAnswer);
    save(folder, "three-box-plot");

    askUntil("StatisticalInferenceSimpleRegression", [] { return gGraph == 1; });
    answerWith(gCorrAnswer);
    save(folder, "scatter-diagram");

    for (Integer k = 1; k <= 30; ++k)
        gQuestion(9, k) = StatusCorrect;
    gNumLeft(9) = 0;
    choose("StatisticalInferenceChiSquare");
    save(folder, "congratulations");

    choose("AboutMerrowby");
    save(folder, "about");

    framework::RuntimePerformFinalizers();
    return 0;
}
