#pragma once

#include <memory>

class QApplication;

namespace framework::qt {

// Starts Qt on the desktop's display. Where there is none, the program says so and what to
// do, and exits with code 1, instead of Qt's abort.
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv);

} // namespace framework::qt
