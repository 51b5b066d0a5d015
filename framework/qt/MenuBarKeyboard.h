#pragma once

class QMenuBar;

namespace framework::qt {

// While the menu bar has the keyboard (Alt pressed alone, or arrows between its titles), its
// selected title is drawn highlighted, as an open menu's title is. Once is enough; later
// calls do nothing.
void highlightMenuBarKeyboardTitle(QMenuBar& bar);

// Escape from one of the menu bar's menus closes the menu and gives the keyboard back to the
// window. Call again once menus have been added.
void letEscapeLeaveTheMenuBar(QMenuBar& bar);

} // namespace framework::qt
