#pragma once

#include <memory>

class QApplication;

namespace framework::qt {

// Starts Qt on the desktop's display. Where there is none, or Qt's platform plugin for it is
// not installed, the program says which and what to do, and exits with code 1 instead of Qt's
// abort; any other failure to start is told in Qt's words, with code 1 as well. A display lost
// later, while the program runs, ends it at once with code 1 and one line of its own on
// stderr, whichever connection notices it first.
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv);

// Stops watching Qt's messages for a lost display, as the application goes: they go back to
// the handler that was there before, and the connection is forgotten.
void stopWatchingDisplay();

} // namespace framework::qt
