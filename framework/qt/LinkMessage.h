#pragma once

#include <QString>

namespace framework::qt {

// Tells the user that no browser could be started for the address: a small message over
// the program's window, in its colour and face, that shows the address ready to be copied.
// Returns at once; the message frees itself when closed.
void showLinkMessage(const QString& address);

} // namespace framework::qt
