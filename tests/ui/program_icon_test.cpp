// What the desktop shows of the program: the window's icon, drawn from the program's own
// picture (compiled in, so an uninstalled build shows it too), and the desktop entry that
// the window is matched to (data/org.example.merrowby.desktop).

#include "support/AppHarness.h"

#include "framework/qt/DesktopIdentity.h"
#include "framework/qt/QtPlatform.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

using testing_support::AppTest;

namespace {

class ProgramIcon : public AppTest {};

// The largest difference of any channel of any pixel of two images of one size. Rasterisers
// differ by a level here and there from one CPU or Qt release to the next.
int largestDifference(const QImage& a, const QImage& b)
{
    const QImage first = a.convertToFormat(QImage::Format_ARGB32);
    const QImage second = b.convertToFormat(QImage::Format_ARGB32);
    int largest = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QRgb p = first.pixel(x, y);
            const QRgb q = second.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

constexpr int RasteriserTolerance = 2;

TEST_F(ProgramIcon, TheWindowShowsTheProgramsPicture)
{
    const QMainWindow* frame = framework::qt::nativeWindow(window());
    ASSERT_NE(frame, nullptr);
    const QIcon icon = frame->windowIcon();
    ASSERT_FALSE(icon.isNull()) << "the window has no icon";
    // Every image, so that the window system picks the one that fits.
    QList<QSize> sizes;
    for (const int side : framework::qt::IconSizes)
        sizes.append(QSize(side, side));
    EXPECT_EQ(icon.availableSizes(), sizes);
    const QImage image = icon.pixmap(QSize(128, 128), 1.0).toImage();
    ASSERT_EQ(image.size(), QSize(128, 128));
    // At its own size the picture's colours stand as drawn: the blue frame of the card, the
    // white card inside the tallest bar, the black axis under the bars.
    EXPECT_EQ(image.pixelColor(3, 64).name().toStdString(), "#1521cc");
    EXPECT_EQ(image.pixelColor(64, 64).name().toStdString(), "#fefeff");
    EXPECT_EQ(image.pixelColor(64, 104).name().toStdString(), "#000000");
}

// The compiled-in images are the picture (data/merrowby.svg) as Qt's SVG engine draws it at
// each size, to a level or two: scripts/render-icons.sh renders them again after the picture
// changes. A picture shifted by a pixel, or a square of another colour on it, is no longer it.
TEST_F(ProgramIcon, TheImagesAreThePictureAtEachSize)
{
    const QIcon picture(QStringLiteral(SOURCE_DIR_FOR_TESTS "/data/merrowby.svg"));
    ASSERT_FALSE(picture.isNull());
    for (const int size : framework::qt::IconSizes) {
        const QImage image(QStringLiteral(":/merrowby/icons/merrowby-%1.png").arg(size));
        ASSERT_EQ(image.size(), QSize(size, size)) << "no image of " << size << " pixels";
        const QImage drawn = picture.pixmap(QSize(size, size), 1.0).toImage();
        EXPECT_LE(largestDifference(image, drawn), RasteriserTolerance)
            << "the image of " << size << " pixels is not the picture";

        QImage shifted(drawn.size(), QImage::Format_ARGB32_Premultiplied);
        shifted.fill(Qt::transparent);
        QPainter(&shifted).drawImage(1, 0, drawn);
        EXPECT_GT(largestDifference(image, shifted), RasteriserTolerance) << "shifted at " << size << " pixels";

        QImage recoloured = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter(&recoloured).fillRect(size / 4, size / 4, size / 8 + 1, size / 8 + 1, QColor(0x12, 0x80, 0x40));
        EXPECT_GT(largestDifference(image, recoloured), RasteriserTolerance) << "recoloured at " << size << " pixels";
    }
}

TEST_F(ProgramIcon, TheWindowNamesTheProgramsDesktopEntry)
{
    EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), "org.example.merrowby");
}

} // namespace
