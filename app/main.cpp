#include "app/Startup.h"
#include "framework/Application.h"
#include "framework/qt/QtPlatform.h"

int main(int argc, char** argv)
{
    // First, so that a quit request counts from the start.
    framework::qt::installQuitSignals();
    framework::qt::useQtPlatform();
    framework::RuntimeInit(argc, argv);
    app::Main();
    framework::RuntimePerformFinalizers();
    return framework::RuntimeExit();
}
