// Where the window's Left and Top put it on a desktop of one or more monitors: they count
// from the main screen's top left corner, so that a window centred by the screen's width and
// height stands in the middle of the main screen wherever that screen is.

#include "framework/qt/QtWindowPeer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using framework::Integer;

// Left or Top as the program centres its 511 x 306 window on a screen of that extent.
Integer centred(int screenExtent, int windowExtent)
{
    return static_cast<Integer>(std::floor((screenExtent - windowExtent) / 2.0));
}

TEST(ScreenPlacement, LeftAndTopCountFromTheMainScreensCornerAndTheCornerStaysOnIt)
{
    const struct {
        const char* name;
        QRect screen, available;
        QPoint expected; // for the centred window
    } cases[] = {
        {"one screen", {0, 0, 1024, 768}, {0, 0, 1024, 768}, {256, 231}},
        {"main screen on the right", {1280, 0, 1280, 1024}, {1280, 0, 1280, 1024}, {1664, 359}},
        {"main screen below", {0, 1024, 1280, 1024}, {0, 1024, 1280, 1024}, {384, 1383}},
        {"main screen on the left of the origin", {-1280, 0, 1280, 1024}, {-1280, 0, 1280, 1024}, {-896, 359}},
        {"a panel along the top", {1280, 0, 1280, 1024}, {1280, 30, 1280, 994}, {1664, 359}},
        {"a tall panel along the top", {1280, 0, 1280, 400}, {1280, 80, 1280, 320}, {1664, 80}},
        {"a panel along the left", {1280, 0, 800, 600}, {1440, 0, 640, 600}, {1440, 147}},
        {"a screen smaller than the window", {0, 0, 400, 300}, {0, 0, 400, 300}, {0, 0}},
        {"a small main screen on the right", {1280, 0, 400, 300}, {1280, 0, 400, 300}, {1280, 0}},
        {"a small main screen below, with a panel", {0, 1024, 400, 300}, {0, 1050, 400, 274}, {0, 1050}},
    };
    for (const auto& c : cases) {
        const QPoint at = framework::qt::windowCorner(centred(c.screen.width(), 511), centred(c.screen.height(), 306),
                                                      c.screen, c.available);
        EXPECT_EQ(at, c.expected) << c.name << ": at " << at.x() << ", " << at.y() << ", not " << c.expected.x() << ", "
                                  << c.expected.y();
    }
}

TEST(ScreenPlacement, AWindowAskedForAnotherPlaceStandsThereOnTheMainScreen)
{
    const QRect screen(1280, 0, 1280, 1024);
    EXPECT_EQ(framework::qt::windowCorner(0, 0, screen, screen), QPoint(1280, 0));
    EXPECT_EQ(framework::qt::windowCorner(700, 650, screen, screen), QPoint(1980, 650));
    EXPECT_EQ(framework::qt::windowCorner(-10, 40, screen, screen), QPoint(1280, 40));
}

// Left and Top place the window inside the window manager's frame, whose corner, where the
// user grabs the window, stays on the screen.
TEST(ScreenPlacement, TheFrameAroundTheWindowStaysOnTheScreen)
{
    const QRect screen(1280, 0, 1280, 1024);
    const QRect available(1280, 30, 1280, 994);
    const QMargins frame(1, 20, 1, 1);
    EXPECT_EQ(framework::qt::windowCorner(384, 359, screen, available, frame), QPoint(1664, 359));
    EXPECT_EQ(framework::qt::windowCorner(0, 0, screen, available, frame), QPoint(1281, 50));
    EXPECT_EQ(framework::qt::windowCorner(-10, 45, screen, available, frame), QPoint(1281, 50));
}

} // namespace
