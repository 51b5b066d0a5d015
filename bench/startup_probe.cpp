// The program as main() starts it, ending once its intro screen is painted. Rnd is seeded and
// the clock fixed, so that every run does the same work at start-up.

#include "FirstPaint.h"

#include "app/Startup.h"
#include "framework/Application.h"
#include "framework/Runtime.h"
#include "framework/qt/QtPlatform.h"

#include <memory>
#include <random>

int main(int argc, char** argv)
{
    auto generator = std::make_shared<std::mt19937_64>(20261210);
    framework::setRandomSource([generator] { return std::generate_canonical<double, 53>(*generator); });
    framework::setClockSource([] { return 1234567890.0; });
    framework::qt::useQtPlatform();
    framework::RuntimeInit(argc, argv);
    QuitAfterFirstPaint probe;
    QCoreApplication::instance()->installEventFilter(&probe);
    app::Main();
    framework::RuntimePerformFinalizers();
    return framework::RuntimeExit();
}
