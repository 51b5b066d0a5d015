#pragma once

#include <array>

namespace framework::qt {

// The sizes at which the program's icon is compiled in, as images drawn from its picture
// (data/merrowby.svg, rendered by tools/render_icons.cpp into data/icons/).
inline constexpr std::array IconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// Gives the application the program's icon, which its windows carry to the title bar and
// the window switcher, and the name of its desktop entry, so that the desktop matches its
// windows to the installed entry. Needs the QApplication.
void setDesktopIdentity();

} // namespace framework::qt
