#pragma once

#include <memory>

class QSocketNotifier;

namespace framework::qt {

// The channel through which SIGTERM and SIGINT reach the event loop: the handler only
// writes a byte to a socket, and a notifier on the other end asks the application to quit.

// Installs the handlers; once is enough, and later calls do nothing.
void installQuitSignals();

// Watches the channel from the event loop (once Qt is up): a signal that arrived before is
// delivered once the loop runs. Null when installQuitSignals has not run.
std::unique_ptr<QSocketNotifier> watchQuitSignals();

} // namespace framework::qt
