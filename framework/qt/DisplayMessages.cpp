#include "framework/qt/DisplayMessages.h"

#include <QApplication>
#include <QSocketNotifier>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace framework::qt {

namespace {

// The command that started the program, for the advice of the no-display message.
std::string programCommand = "merrowby";

void printNoDisplayMessage()
{
    std::fprintf(stderr,
                 "Merrowby needs a display to show its window, and could not open one\n"
                 "(no DISPLAY or WAYLAND_DISPLAY is set, or its server cannot be reached).\n"
                 "Start it from a desktop session, or set DISPLAY to the display of a running X server,\n"
                 "or run it in a virtual X display (Xvfb) with:  xvfb-run %s\n",
                 programCommand.c_str());
}

QtMessageHandler qtMessageHandler = nullptr;

// The program's X connection while its window system runs, and whether its loss was told.
xcb_connection_t* watchedConnection = nullptr;
QSocketNotifier* connectionNotifier = nullptr;
std::atomic<bool> lossReported = false;

void reportLostDisplay()
{
    if (lossReported.exchange(true))
        return;
    const QByteArray display = qgetenv("WAYLAND_DISPLAY").isEmpty() ? qgetenv("DISPLAY")
                                                                    : qgetenv("WAYLAND_DISPLAY");
    std::fprintf(stderr,
                 "Merrowby lost its connection to the display%s%s: its server ended, or closed the "
                 "connection as a force-quit does. Merrowby ends.\n",
                 display.isEmpty() ? "" : " ", display.constData());
    std::fflush(stderr);
}

bool connectionBroken()
{
    return watchedConnection && xcb_connection_has_error(watchedConnection);
}

// GTK's theme holds an X connection of its own through Xlib, and GDK ends the program at
// once when that one breaks, maybe before Qt's connection has read the end of the stream.
XIOErrorHandler previousIOErrorHandler = nullptr;

int onXlibIOError(Display* display)
{
    reportLostDisplay();
    return previousIOErrorHandler ? previousIOErrorHandler(display) : 0;
}

void watchConnection(QApplication& application)
{
    const auto* x11 = application.nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    watchedConnection = x11->connection();
    connectionNotifier = new QSocketNotifier(xcb_get_file_descriptor(watchedConnection), QSocketNotifier::Read,
                                             &application);
    QObject::connect(connectionNotifier, &QSocketNotifier::activated, [] {
        if (connectionBroken()) {
            reportLostDisplay();
            std::exit(1);
        }
    });
    previousIOErrorHandler = XSetIOErrorHandler(onXlibIOError);
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

// Once the connection has broken, Qt's own words for it give way to the program's line.
void onRunMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (connectionBroken() ||
        (type == QtWarningMsg && message.startsWith(QLatin1String("The Wayland connection broke")))) {
        reportLostDisplay();
        return;
    }
    if (qtMessageHandler)
        qtMessageHandler(type, context, message);
}

} // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv)
{
    if (argc > 0 && argv[0] && argv[0][0])
        programCommand = argv[0];
    qtMessageHandler = qInstallMessageHandler(onStartupMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(onRunMessage);
    watchConnection(*application);
    return application;
}

void closeDisplay()
{
    delete connectionNotifier;
    connectionNotifier = nullptr;
    watchedConnection = nullptr;
}

} // namespace framework::qt
