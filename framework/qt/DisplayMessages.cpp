#include "framework/qt/DisplayMessages.h"

#include <QApplication>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace framework::qt {

namespace {

// The command that started the program, for the advice of the no-display message.
std::string programCommand = "merrowby";

void printNoDisplayMessage()
{
    const QByteArray forced = qgetenv("QT_QPA_PLATFORM");
    if (!forced.isEmpty()) {
        // The platform was chosen by the caller: the advice is about that choice, not about
        // a missing display.
        std::fprintf(stderr,
                     "Merrowby needs a display to show its window, and could not open one on the platform\n"
                     "that QT_QPA_PLATFORM=%s asks Qt for: that platform's display cannot be reached.\n"
                     "Start it on a running display of that kind, or unset QT_QPA_PLATFORM to let Qt choose.\n",
                     forced.constData());
        return;
    }
    std::fprintf(stderr,
                 "Merrowby needs a display to show its window, and could not open one\n"
                 "(no DISPLAY or WAYLAND_DISPLAY is set, or its server cannot be reached).\n"
                 "Start it from a desktop session, or set DISPLAY to the display of a running X server,\n"
                 "or run it in a virtual X display (Xvfb) with:  xvfb-run %s\n",
                 programCommand.c_str());
}

QtMessageHandler qtMessageHandler = nullptr;

// A lost display leaves nothing to save and nothing to close: the program says so once, in
// its own words, and ends at once. Qt's xcb plugin, Xlib (whose connection the GTK theme
// holds) and Qt's reader thread may notice the loss at the same moment; the first one tells.
// Ending through exit() would run the static destructors and the libraries' exit handlers
// while Qt is alive: windows hidden against a dead connection, accessibility events sent
// through a D-Bus whose statics are gone, libdbus's own exit work on a bus that ended with
// the session.
std::atomic<bool> lossReported = false;

[[noreturn]] void endForLostDisplay()
{
    if (!lossReported.exchange(true)) {
        const QByteArray display = qgetenv("WAYLAND_DISPLAY").isEmpty() ? qgetenv("DISPLAY")
                                                                        : qgetenv("WAYLAND_DISPLAY");
        std::fprintf(stderr,
                     "Merrowby lost its connection to the display%s%s: its server ended, or closed the "
                     "connection as a force-quit does. Merrowby ends.\n",
                     display.isEmpty() ? "" : " ", display.constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    // Another thread is telling it; it ends the program.
    for (;;)
        pause();
}

// Xlib's handler must not return, and its default one prints Xlib's own text, so the
// program's line takes its place whichever handler was there before (Qt's or GDK's).
int onXlibIOError(Display*)
{
    endForLostDisplay();
}

// The platform plugins Qt tried at start-up: those it could not find, and those found that
// could not start (as when their display cannot be reached).
QStringList missingPlugins;
QStringList unstartablePlugins;

void notePluginMessage(const QMessageLogContext& context, const QString& message)
{
    if (qstrcmp(context.category, "qt.qpa.plugin") != 0)
        return;
    const qsizetype open = message.indexOf(u'"');
    const qsizetype close = message.indexOf(u'"', open + 1);
    if (open < 0 || close < 0)
        return;
    const QString plugin = message.mid(open + 1, close - open - 1);
    if (message.contains(QLatin1String("even though it was found")))
        unstartablePlugins.append(plugin);
    else if (message.startsWith(QLatin1String("Could not find the Qt platform plugin")))
        missingPlugins.append(plugin);
}

void printMissingPluginMessage()
{
    const bool wayland = missingPlugins.contains(QLatin1String("wayland"));
    std::fprintf(stderr, "Merrowby could not start: Qt's platform plugin \"%s\" is not installed%s.\n",
                 qPrintable(missingPlugins.join(QLatin1String("\", \""))),
                 wayland ? " (the Debian package qt6-wayland provides it)" : "");
}

// Qt ends a start-up it cannot complete with an abort; the program says what failed and
// exits with a plain failure instead.
void onStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        if (!missingPlugins.isEmpty())
            printMissingPluginMessage();
        else if (!unstartablePlugins.isEmpty())
            printNoDisplayMessage();
        else
            std::fprintf(stderr, "%s\n", qPrintable(message));
        std::fflush(stderr);
        std::_Exit(1);
    }
    notePluginMessage(context, message);
    if (qtMessageHandler)
        qtMessageHandler(type, context, message);
}

// Qt's X connection, for the messages of its xcb plugin: any of them, once the connection has
// broken (such as a failed shared-memory request), means the display is gone. Logging may come
// from Qt's reader thread; the application clears it before it frees the connection.
std::atomic<xcb_connection_t*> xcbConnection = nullptr;

bool displayLost(const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("The X11 connection broke")) ||
        message.startsWith(QLatin1String("The Wayland connection broke")))
        return true;
    xcb_connection_t* connection = xcbConnection.load();
    return connection && qstrncmp(context.category, "qt.qpa.xcb", 10) == 0 && xcb_connection_has_error(connection);
}

// Qt's platform plugins tell a broken connection in their words, then exit.
void onRunMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (displayLost(context, message))
        endForLostDisplay();
    if (qtMessageHandler)
        qtMessageHandler(type, context, message);
}

} // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv)
{
    if (argc > 0 && argv[0] && argv[0][0])
        programCommand = argv[0];
    qtMessageHandler = qInstallMessageHandler(onStartupMessage);
    // The GTK theme starts GTK, whose own accessibility bridge would show a second, empty
    // Merrowby to a screen reader beside Qt's; the variable keeps GTK's away, and only while
    // GTK starts, so that programs started from this one keep theirs.
    const bool bridgeVariableSet = qEnvironmentVariableIsSet("NO_AT_BRIDGE");
    const QByteArray bridgeVariable = qgetenv("NO_AT_BRIDGE");
    qputenv("NO_AT_BRIDGE", "1");
    auto application = std::make_unique<QApplication>(argc, argv);
    if (bridgeVariableSet)
        qputenv("NO_AT_BRIDGE", bridgeVariable);
    else
        qunsetenv("NO_AT_BRIDGE");
    if (const auto* x11 = application->nativeInterface<QNativeInterface::QX11Application>())
        xcbConnection = x11->connection();
    qInstallMessageHandler(onRunMessage);
    XSetIOErrorHandler(onXlibIOError);
    return application;
}

void stopWatchingDisplay()
{
    xcbConnection = nullptr;
    qInstallMessageHandler(qtMessageHandler);
}

} // namespace framework::qt
