#include "framework/qt/QtPlatform.h"

#include "framework/Window.h"
#include "framework/qt/DesktopIdentity.h"
#include "framework/qt/DestroyedWindowWatcher.h"
#include "framework/qt/DisplayMessages.h"
#include "framework/qt/LinkMessage.h"
#include "framework/qt/QtGraphics.h"
#include "framework/qt/QtWindowPeer.h"
#include "framework/qt/QuitSignals.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QSocketNotifier>
#include <QUrl>

namespace framework::qt {

QtPlatform::QtPlatform()
{
    urlOpener = [](const std::string& address) {
        return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
    };
}

QtPlatform::~QtPlatform()
{
    // Qt cannot be torn down among the static destructors; shutdown() does it in time.
    (void)application_.release();
    (void)destroyedWindowWatcher_.release();
}

void QtPlatform::shutdown()
{
    signalNotifier_.reset();
    if (destroyedWindowWatcher_ && application_)
        application_->removeNativeEventFilter(destroyedWindowWatcher_.get());
    destroyedWindowWatcher_.reset();
    stopWatchingDisplay();
    // The Qt windows of the windows released last wait for the event loop, which has ended.
    if (application_)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    application_.reset();
    restoreDefaultQuitSignals();
}

void QtPlatform::initialise(int argc, char** argv)
{
    if (QApplication::instance())
        return;
    static int storedArgc;
    storedArgc = argc;
    application_ = openDisplay(storedArgc, argv);
    setDesktopIdentity();
    QApplication::setQuitOnLastWindowClosed(true);
    QObject::connect(application_.get(), &QGuiApplication::fontDatabaseChanged, [] { fontCatalogue().forget(); });
    destroyedWindowWatcher_ = makeDestroyedWindowWatcher();
    if (destroyedWindowWatcher_)
        application_->installNativeEventFilter(destroyedWindowWatcher_.get());
    if (!signalNotifier_)
        signalNotifier_ = watchQuitSignals();
}

void QtPlatform::runInitialization(const std::function<void()>& lateStartup)
{
    lateStartup();
}

int QtPlatform::run()
{
    return QApplication::exec();
}

void QtPlatform::quit()
{
    QCoreApplication::quit();
}

std::unique_ptr<WindowPeer> QtPlatform::createWindowPeer(Window& window)
{
    return std::make_unique<QtWindowPeer>(window);
}

const std::vector<std::string>& QtPlatform::fontFamilies()
{
    return fontCatalogue().families();
}

ScreenInfo QtPlatform::mainScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect geometry = screen->geometry();
    return {geometry.width(), geometry.height()};
}

bool QtPlatform::openURL(const std::string& address)
{
    return urlOpener && urlOpener(address);
}

void QtPlatform::showUnopenedURL(const std::string& address)
{
    showLinkMessage(QString::fromStdString(address));
}

QtPlatform& useQtPlatform()
{
    static QtPlatform qtPlatform;
    setPlatform(&qtPlatform);
    return qtPlatform;
}

QMainWindow* nativeWindow(const Window& window)
{
    const auto* peer = dynamic_cast<const QtWindowPeer*>(window.peer());
    return peer ? peer->topLevelWindow() : nullptr;
}

} // namespace framework::qt
