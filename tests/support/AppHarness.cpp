#include "support/AppHarness.h"

#include "app/Offscreen.h"
#include "app/Startup.h"
#include "banks/Banks.h"
#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "framework/qt/QtPlatform.h"
#include "quiz/Module1.h"
#include "support/RecordingGraphics.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

namespace testing_support {

std::vector<std::string> handledMenuItems()
{
    std::vector<std::string> items;
    for (const Module1::Category& c : Module1::categories)
        items.emplace_back(c.item);
    items.emplace_back("StatisticalInferenceRandomCategories");
    items.emplace_back("AboutMerrowby");
    return items;
}

namespace {

std::vector<std::string> urls;
bool browserStartsForURLs = true;
bool started = false;

void seedRnd(std::uint64_t seed)
{
    auto generator = std::make_shared<std::mt19937_64>(seed);
    framework::setRandomSource([generator] { return std::generate_canonical<double, 53>(*generator); });
    framework::setClockSource([] { return 1234567890.0; });
}

} // namespace

// Ends the program's windows and Qt before the process exits.
class Finalizers : public ::testing::Environment {
public:
    void TearDown() override { framework::RuntimePerformFinalizers(); }
};

void AppTest::SetUpTestSuite()
{
    if (started)
        return;
    started = true;
    ::testing::AddGlobalTestEnvironment(new Finalizers);
    // Offscreen unless a test run puts the window on a desktop (MERROWBY_TEST_QT_PLATFORM=xcb).
    const char* qtPlatform = std::getenv("MERROWBY_TEST_QT_PLATFORM");
    auto& platform = app::StartWithoutEventLoop("merrowby-tests", qtPlatform ? qtPlatform : "offscreen");
    platform.urlOpener = [](const std::string& address) {
        urls.push_back(address);
        return browserStartsForURLs;
    };
}

void AppTest::SetUp()
{
    if (auto* held = framework::GetImplicitWindow(ui::mainWindowClass::ClassName))
        held->Close();
    framework::releaseClosedWindows();
    Module1::state() = Module1::State{};
    seedRnd(seed());
    urls.clear();
    browserStartsForURLs = true;
    app::LateStartup();
}

void AppTest::TearDown()
{
    if (HasFailure())
        std::printf("Rnd was seeded with %llu: replay with MERROWBY_SEED=%llu\n",
                    static_cast<unsigned long long>(seed()), static_cast<unsigned long long>(seed()));
    framework::setRandomSource(nullptr);
    framework::setClockSource(nullptr);
    QCoreApplication::processEvents();
}

std::uint64_t AppTest::seed()
{
    const char* given = std::getenv("MERROWBY_SEED");
    return given ? std::strtoull(given, nullptr, 10) : 20261210;
}

ui::mainWindowClass& AppTest::window()
{
    return ui::findOrCreateMainWindow();
}

app::AppClass& AppTest::application()
{
    return app::App();
}

QAction* AppTest::action(const std::string& itemName)
{
    QMainWindow* frame = framework::qt::nativeWindow(window());
    if (!frame)
        return nullptr;
    return frame->menuBar()->findChild<QAction*>(QString::fromStdString(itemName));
}

void AppTest::choose(const std::string& itemName)
{
    QAction* found = action(itemName);
    ASSERT_NE(found, nullptr) << itemName;
    found->trigger();
}

void AppTest::scriptRnd(std::vector<double> values)
{
    auto next = std::make_shared<std::size_t>(0);
    framework::setRandomSource([values = std::move(values), next] {
        const double value = values[std::min(*next, values.size() - 1)];
        ++*next;
        return value;
    });
}

std::vector<std::string>& AppTest::openedURLs()
{
    return urls;
}

void AppTest::browserStarts(bool starts)
{
    browserStartsForURLs = starts;
}

QImage AppTest::render()
{
    QMainWindow* frame = framework::qt::nativeWindow(window());
    QWidget* canvas = frame->centralWidget();
    return canvas->grab().toImage();
}

std::vector<std::string> AppTest::paintCalls()
{
    RecordingGraphics g;
    window().raisePaint(g);
    return g.calls;
}

void AppTest::answer(framework::Integer answerNumber)
{
    window().answerButton(answerNumber - 1).click();
    window().OkayButton().click();
}

void AppTest::answerRight()
{
    answer(Module1::gCorrAnswer);
}

} // namespace testing_support
