#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace framework {

class MenuBar;

// An Apple event as it reaches the application: the program reads only its class and
// identifier. The desktop's quit request arrives as class "aevt", identifier "quit".
struct AppleEvent {};

// The application object: the menu bar, the menu handlers registered by item name, and
// the application events.
class Application {
public:
    virtual ~Application() = default;

    MenuBar* menuBar() const { return menuBar_; }
    void setMenuBar(MenuBar* bar) { menuBar_ = bar; }

    // The handler runs when the item of that Name is chosen.
    void AddMenuHandler(std::string itemName, std::function<bool()> handler);

    // The user chose the item of that Name: runs its handler under exception handling.
    // False when no handler is registered under the name.
    bool chooseMenuItem(std::string_view itemName);

    // Raised before a menu opens, under exception handling.
    void raiseEnableMenuItems();
    // An Apple event reached the application; the handler's result, false after an exception.
    bool raiseAppleEvent(std::string_view eventClass, std::string_view eventID);

protected:
    virtual void Event_EnableMenuItems() {}
    virtual bool Event_HandleAppleEvent(const AppleEvent& event, std::string_view eventClass, std::string_view eventID)
    {
        (void)event, (void)eventClass, (void)eventID;
        return false;
    }

private:
    MenuBar* menuBar_ = nullptr;
    std::map<std::string, std::function<bool()>, std::less<>> handlers_;
};

// The one application object, registered at start-up.
void RegisterAppObject(Application* app);
Application* GetAppObject();

// Start-up and the event loop, on the installed platform.
void RuntimeInit(int argc, char** argv);
void RunFrameworkInitialization(const std::function<void()>& lateStartup);
void RuntimeRun();
void RuntimeQuit();
// Closes every window and ends the platform; the exit code follows from RuntimeExit.
void RuntimePerformFinalizers();
int RuntimeExit();

} // namespace framework
