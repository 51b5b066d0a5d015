#include "framework/Application.h"

#include "framework/Exceptions.h"
#include "framework/Platform.h"
#include "framework/Window.h"

namespace framework {

namespace {

Application* appObject = nullptr;
int exitCode = 0;
HeadlessPlatform headless;
Platform* installed = nullptr;

} // namespace

Platform& platform()
{
    return installed ? *installed : headless;
}

void setPlatform(Platform* p)
{
    installed = p;
}

void Application::AddMenuHandler(std::string itemName, std::function<bool()> handler)
{
    handlers_[std::move(itemName)] = std::move(handler);
}

bool Application::chooseMenuItem(std::string_view itemName)
{
    const auto handler = handlers_.find(itemName);
    if (handler == handlers_.end())
        return false;
    callGuarded([&] { handler->second(); });
    return true;
}

void Application::raiseEnableMenuItems()
{
    callGuarded([&] { Event_EnableMenuItems(); });
}

bool Application::raiseAppleEvent(std::string_view eventClass, std::string_view eventID)
{
    bool result = false;
    callGuarded([&] { result = Event_HandleAppleEvent(AppleEvent{}, eventClass, eventID); });
    return result;
}

void RegisterAppObject(Application* app)
{
    appObject = app;
}

Application* GetAppObject()
{
    return appObject;
}

void RuntimeInit(int argc, char** argv)
{
    platform().initialise(argc, argv);
}

void RunFrameworkInitialization(const std::function<void()>& lateStartup)
{
    platform().runInitialization([&] { callGuarded(lateStartup); });
}

void RuntimeRun()
{
    exitCode = platform().run();
    releaseClosedWindows();
}

void RuntimeQuit()
{
    platform().quit();
}

void RuntimePerformFinalizers()
{
    closeAllWindows();
    releaseClosedWindows();
    platform().shutdown();
}

int RuntimeExit()
{
    return exitCode;
}

} // namespace framework
