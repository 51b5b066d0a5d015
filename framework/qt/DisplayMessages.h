#pragma once

#include <memory>

class QApplication;

namespace framework::qt {

// Starts Qt on the desktop's display. Where there is none, the program says so and what to
// do, and exits with code 1, instead of Qt's abort. A display lost later, while the program
// runs, ends it with code 1 and a line of its own on stderr.
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv);

// Stops watching the display's connection, before the application that holds it goes.
void closeDisplay();

} // namespace framework::qt
