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

} // namespace app
