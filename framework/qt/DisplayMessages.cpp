#include "framework/qt/DisplayMessages.h"

#include <QApplication>

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
                 "or run it in a virtual X display (Xvfb) with:  xvfb-run %s\n"
                 "(from the source tree, `make run` starts one when there is no display).\n",
                 programCommand.c_str());
}

QtMessageHandler qtMessageHandler = nullptr;

// Qt ends a start-up without a window system with an abort; the program says why and
// exits with a plain failure instead.
void onStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        printNoDisplayMessage();
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (qtMessageHandler)
        qtMessageHandler(type, context, message);
}

// When the display's server ends, or closes the program's connection as a force-quit
// (xkill) does, Qt's platform plugin warns that the connection broke and exits with
// code 1. The program says so in its own words instead.
void onRunMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && (message.startsWith(QLatin1String("The X11 connection broke")) ||
                                 message.startsWith(QLatin1String("The Wayland connection broke")))) {
        const QByteArray display = qgetenv("WAYLAND_DISPLAY").isEmpty() ? qgetenv("DISPLAY")
                                                                        : qgetenv("WAYLAND_DISPLAY");
        std::fprintf(stderr,
                     "Merrowby lost its connection to the display%s%s: its server ended, or closed the "
                     "connection as a force-quit does. Merrowby ends.\n",
                     display.isEmpty() ? "" : " ", display.constData());
        std::fflush(stderr);
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
    return application;
}

} // namespace framework::qt
