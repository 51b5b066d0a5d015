// The program as main() starts it, ending once its intro screen is painted.

#include "FirstPaint.h"

#include "app/Startup.h"
#include "framework/Application.h"
#include "framework/qt/QtPlatform.h"

int main(int argc, char** argv)
{
    framework::qt::useQtPlatform();
    framework::RuntimeInit(argc, argv);
    QuitAfterFirstPaint probe;
    QCoreApplication::instance()->installEventFilter(&probe);
    app::Main();
    framework::RuntimePerformFinalizers();
    return framework::RuntimeExit();
}
