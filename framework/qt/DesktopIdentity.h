#pragma once

#include "framework/qt/IconSizes.h"

#include <QIcon>

namespace framework::qt {

// The program's icon: its compiled-in images at each of IconSizes, each read when it is
// first asked for.
QIcon programIcon();

// Gives the application the program's icon, which its windows carry to the title bar and
// the window switcher, and the name of its desktop entry, so that the desktop matches its
// windows to the installed entry. Needs the QApplication.
void setDesktopIdentity();

} // namespace framework::qt
