#pragma once

#include <memory>

class QAbstractNativeEventFilter;

namespace framework::qt {

// A window destroyed from outside (by another X client) ends as a close by the user does.
// Null where the platform is not X11; the caller installs it on the application.
std::unique_ptr<QAbstractNativeEventFilter> makeDestroyedWindowWatcher();

} // namespace framework::qt
