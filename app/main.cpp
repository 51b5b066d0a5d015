#include "app/Startup.h"
#include "framework/Application.h"
#include "framework/qt/QtPlatform.h"

namespace {

// The executable's preinit functions run before any shared library's initialiser (Qt's
// included), so a quit request counts from then on, not only from main.
[[gnu::used, gnu::section(".preinit_array")]] void (*const installQuitSignalsFirst)() =
    &framework::qt::installQuitSignals;

} // namespace

int main(int argc, char** argv)
{
    framework::qt::useQtPlatform();
    framework::RuntimeInit(argc, argv);
    app::Main();
    framework::RuntimePerformFinalizers();
    return framework::RuntimeExit();
}
