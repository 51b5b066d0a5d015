#pragma once

#include "framework/Platform.h"
#include "framework/qt/QuitSignals.h" // installQuitSignals, which main calls before anything else

#include <functional>
#include <memory>
#include <string>

class QAbstractNativeEventFilter;
class QApplication;
class QMainWindow;
class QSocketNotifier;

namespace framework::qt {

// The Qt platform: a QApplication, a QMainWindow for each framework window with the menu bar
// inside it, Qt buttons for the controls, QPainter for painting, the font database, the
// primary screen and the desktop's URL handler. SIGTERM and SIGINT reach the application
// as the quit Apple event, once installQuitSignals has run.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    void initialise(int argc, char** argv) override;
    void runInitialization(const std::function<void()>& lateStartup) override;
    int run() override;
    void quit() override;
    void shutdown() override;

    std::unique_ptr<WindowPeer> createWindowPeer(Window& window) override;

    const std::vector<std::string>& fontFamilies() override;
    ScreenInfo mainScreen() override;
    bool openURL(const std::string& address) override;
    void showUnopenedURL(const std::string& address) override;

    // Where ShowURL sends its address, true when a browser started; by default the desktop's
    // browser (tests watch it).
    std::function<bool(const std::string&)> urlOpener;

private:
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<QSocketNotifier> signalNotifier_;
    std::unique_ptr<QAbstractNativeEventFilter> destroyedWindowWatcher_;
};

// Installs the one Qt platform for the rest of the run and returns it.
QtPlatform& useQtPlatform();

// The top-level Qt window of a framework window, or null (tests look inside).
QMainWindow* nativeWindow(const Window& window);

} // namespace framework::qt
