// What the desktop shows of the program: the window's icon, drawn from the program's own
// picture (compiled in, so an uninstalled build shows it too), and the desktop entry that
// the window is matched to (data/org.example.merrowby.desktop).

#include "support/AppHarness.h"

#include "framework/qt/QtPlatform.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMainWindow>

using testing_support::AppTest;

namespace {

class ProgramIcon : public AppTest {};

TEST_F(ProgramIcon, TheWindowShowsTheProgramsPicture)
{
    const QMainWindow* frame = framework::qt::nativeWindow(window());
    ASSERT_NE(frame, nullptr);
    const QIcon icon = frame->windowIcon();
    ASSERT_FALSE(icon.isNull()) << "the window has no icon";
    const QImage image = icon.pixmap(QSize(128, 128), 1.0).toImage();
    ASSERT_EQ(image.size(), QSize(128, 128));
    // At its own size the picture's colours stand as drawn: the blue frame of the card, the
    // white card inside the tallest bar, the black axis under the bars.
    EXPECT_EQ(image.pixelColor(3, 64).name().toStdString(), "#1521cc");
    EXPECT_EQ(image.pixelColor(64, 64).name().toStdString(), "#fefeff");
    EXPECT_EQ(image.pixelColor(64, 104).name().toStdString(), "#000000");
}

TEST_F(ProgramIcon, TheWindowNamesTheProgramsDesktopEntry)
{
    EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), "org.example.merrowby");
}

} // namespace
