#include "framework/qt/DisplayMessages.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace framework::qt {

namespace {

constexpr const char* NoDisplayMessage =
    "Merrowby needs a display to show its window, and could not open one\n"
    "(no DISPLAY or WAYLAND_DISPLAY is set, or its server cannot be reached).\n"
    "To run it without a display, start it with `make run`, which starts a virtual X\n"
    "display (Xvfb) when there is none.\n";

QtMessageHandler qtMessageHandler = nullptr;

// Qt ends a start-up without a window system with an abort; the program says why and
// exits with a plain failure instead.
void onStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs(NoDisplayMessage, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (qtMessageHandler)
        qtMessageHandler(type, context, message);
}

} // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv)
{
    qtMessageHandler = qInstallMessageHandler(onStartupMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
    return application;
}

} // namespace framework::qt
