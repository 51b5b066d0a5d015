#pragma once

class QMenuBar;

namespace framework::qt {

// While the menu bar has the keyboard (Alt pressed alone, or arrows between its titles), its
// selected title is drawn highlighted, as an open menu's title is; Escape from one of its
// menus closes the menu and gives the keyboard back to the window. Call again once menus
// have been added.
void keepMenuBarKeyboardVisible(QMenuBar& bar);

} // namespace framework::qt
