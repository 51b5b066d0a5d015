#pragma once

#include "framework/Runtime.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace framework {

class MenuBar;
class RectControl;
class Window;
struct ContentPiece;

// What the window system does for a window: created by the platform for each window that
// is built, it mirrors the window's properties on screen and feeds user input back.
class WindowPeer {
public:
    virtual ~WindowPeer() = default;
    // What changed: the title, Left and Top, or the rest of the design-time properties.
    virtual void propertiesChanged() = 0;
    virtual void titleChanged() = 0;
    virtual void positionChanged() = 0;
    virtual void controlChanged(RectControl& control) = 0; // its caption, state or geometry
    virtual void menuBarChanged() = 0;
    // The window's content pieces changed from these; a new screen takes the keyboard to
    // its first control.
    virtual void contentChanged(const std::vector<ContentPiece>& before, bool newScreen) = 0;
    virtual void refresh() = 0; // schedule a paint of the whole content area
    virtual void close() = 0;
};

// The services that sit below the program: the event loop, windows, fonts, screens and
// the browser. The headless platform, the default, runs no loop and shows nothing, which
// is all the quiz logic and its tests need; the Qt platform puts real windows on screen.
class Platform {
public:
    virtual ~Platform() = default;

    virtual void initialise(int argc, char** argv) = 0;
    // Readies the window system and then calls lateStartup.
    virtual void runInitialization(const std::function<void()>& lateStartup) = 0;
    // Runs the event loop until the application quits; the loop's exit code.
    virtual int run() = 0;
    virtual void quit() = 0;
    // Ends the window system once the windows are gone, before the program exits.
    virtual void shutdown() = 0;

    virtual std::unique_ptr<WindowPeer> createWindowPeer(Window& window) = 0;

    // The installed font families; the list stays valid until the next call.
    virtual const std::vector<std::string>& fontFamilies() = 0;
    virtual ScreenInfo mainScreen() = 0;
    // Hands the address to the desktop's browser; false when no browser could be started.
    virtual bool openURL(const std::string& address) = 0;
    // Tells the user that no browser could be started for the address, showing it to copy.
    virtual void showUnopenedURL(const std::string& address) = 0;
};

Platform& platform();
// Installs a platform for the rest of the run (or until replaced); nullptr restores the
// headless one. The caller keeps ownership.
void setPlatform(Platform* platform);

// The platform used when no other is installed.
class HeadlessPlatform : public Platform {
public:
    void initialise(int, char**) override {}
    void runInitialization(const std::function<void()>& lateStartup) override { lateStartup(); }
    int run() override { return 0; }
    void quit() override {}
    void shutdown() override {}
    std::unique_ptr<WindowPeer> createWindowPeer(Window&) override { return nullptr; }
    const std::vector<std::string>& fontFamilies() override { return noFamilies_; }
    ScreenInfo mainScreen() override { return {1024, 768}; }
    bool openURL(const std::string&) override { return false; }
    void showUnopenedURL(const std::string&) override {}

private:
    std::vector<std::string> noFamilies_;
};

} // namespace framework
