#pragma once

#include <memory>

class QSocketNotifier;

namespace framework::qt {

// The channel through which SIGTERM and SIGINT reach the event loop: the handler only
// writes a byte to a socket, and a notifier on the other end asks the application to quit.

// Installs the handlers and unblocks both signals, so that one sent before start-up is
// taken now; once is enough, and later calls do nothing. main calls it before anything else.
void installQuitSignals();

// Once the event loop can no longer take a request, a signal ends the program as by default;
// where the quit was asked by SIGINT (Ctrl-C), the program then ends by it, as shells expect
// of a program that handles the interrupt.
void restoreDefaultQuitSignals();

// Watches the channel from the event loop (once Qt is up): a signal that arrived before is
// delivered once the loop runs. Null when installQuitSignals has not run.
std::unique_ptr<QSocketNotifier> watchQuitSignals();

} // namespace framework::qt
