#include "framework/qt/QuitSignals.h"

#include "framework/Application.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace framework::qt {

namespace {

int signalSockets[2] = {-1, -1};

// Ctrl-C asked for the quit: once shut down, the program ends by SIGINT, so that the shell
// sees the interrupt (a loop that started it stops). SIGTERM ends it with its exit code.
bool interrupted = false;

void onQuitSignal(int signal)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    // A full socket already holds a quit request: the byte may be dropped.
    [[maybe_unused]] const auto written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

void installQuitSignals()
{
    if (signalSockets[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    // A request sent before the program started waits, blocked by the parent, until now.
    sigset_t quitSignals;
    sigemptyset(&quitSignals);
    sigaddset(&quitSignals, SIGTERM);
    sigaddset(&quitSignals, SIGINT);
    ::sigprocmask(SIG_UNBLOCK, &quitSignals, nullptr);
}

void restoreDefaultQuitSignals()
{
    if (signalSockets[0] < 0)
        return;
    ::signal(SIGTERM, SIG_DFL);
    ::signal(SIGINT, SIG_DFL);
    if (interrupted)
        ::raise(SIGINT);
}

std::unique_ptr<QSocketNotifier> watchQuitSignals()
{
    if (signalSockets[1] < 0)
        return nullptr;
    // The socket keeps what arrived before Qt was up: the notifier reports it once the
    // event loop runs.
    auto notifier = std::make_unique<QSocketNotifier>(signalSockets[1], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, [] {
        char bytes[256];
        ssize_t count = 0;
        while ((count = ::read(signalSockets[1], bytes, sizeof bytes)) > 0) {
            for (ssize_t i = 0; i < count; ++i)
                interrupted = interrupted || bytes[i] == SIGINT;
        }
        // The desktop's quit request is the application's quit Apple event.
        Application* app = GetAppObject();
        if (app && app->raiseAppleEvent("aevt", "quit"))
            RuntimeQuit();
    });
    return notifier;
}

} // namespace framework::qt
