#pragma once

namespace framework::qt {
class QtPlatform;
}

namespace app {

// Starts the program as Main does, but on Qt's offscreen platform and without the event
// loop: early start-up, then the late start-up that creates the window. The tests, the
// benchmark and the screenshot tool start it so, once a process, and then drive it by
// calls. Returns the platform, whose URL handler a caller may replace.
framework::qt::QtPlatform& StartOffscreen(const char* programName);

// The same on the Qt platform plugin named: "xcb" puts the window on the X display that
// DISPLAY names, so that tests can run it under a desktop's window manager and theme.
framework::qt::QtPlatform& StartWithoutEventLoop(const char* programName, const char* qtPlatform);

} // namespace app
