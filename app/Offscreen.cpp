#include "app/Offscreen.h"

#include "app/Startup.h"
#include "framework/Application.h"
#include "framework/qt/QtPlatform.h"

#include <cstdlib>
#include <string>

namespace app {

framework::qt::QtPlatform& StartOffscreen(const char* programName)
{
    return StartWithoutEventLoop(programName, "offscreen");
}

framework::qt::QtPlatform& StartWithoutEventLoop(const char* programName, const char* qtPlatform)
{
    ::setenv("QT_QPA_PLATFORM", qtPlatform, 1);
    auto& platform = framework::qt::useQtPlatform();
    // The platform keeps the arguments for the rest of the run.
    static std::string name;
    name = programName;
    static char* argv[] = {name.data(), nullptr};
    framework::RuntimeInit(1, argv);
    EarlyStartup();
    LateStartup();
    return platform;
}

} // namespace app
