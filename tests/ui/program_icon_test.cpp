// What the desktop shows of the program: the window's icon, drawn from the program's own
// picture (compiled in, so an uninstalled build shows it too), and the desktop entry that
// the window is matched to (data/org.example.merrowby.desktop).

#include "support/AppHarness.h"

#include "framework/qt/DesktopIdentity.h"
#include "framework/qt/QtPlatform.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using testing_support::AppTest;

// The compiled-in images taken away and given back; Qt's resource functions are declared
// outside any namespace.
static void takeAwayTheIconsImages()
{
    Q_CLEANUP_RESOURCE(merrowby_icon);
}

static void giveBackTheIconsImages()
{
    Q_INIT_RESOURCE(merrowby_icon);
}

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

// Start-up reads none of the icon's images: each is read when a window system first asks for
// it, as an X window manager's client does when the window is mapped, and none where nobody
// shows the icon (the offscreen platform, a Wayland compositor without window icons). The
// sizes are known before. Images taken away before anything asks are missed.
TEST_F(ProgramIcon, AnImageIsReadWhenAWindowSystemFirstAsksForIt)
{
    const QIcon icon = framework::qt::programIcon();
    takeAwayTheIconsImages();
    QList<QSize> sizes;
    for (const int side : framework::qt::IconSizes)
        sizes.append(QSize(side, side));
    EXPECT_EQ(icon.availableSizes(), sizes);
    const bool shownWithoutItsImages = !icon.pixmap(QSize(16, 16), 1.0).isNull();
    giveBackTheIconsImages();
    EXPECT_FALSE(shownWithoutItsImages) << "the images were read before a window system asked for one";

    const QImage image = framework::qt::programIcon().pixmap(QSize(16, 16), 1.0).toImage();
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(largestDifference(image, QImage(QStringLiteral(":/merrowby/icons/merrowby-16.png"))), 0);
}

// The compiled-in images are the picture (data/merrowby.svg, or the one drawn for the size's
// pixel grid, data/icons/merrowby-SIZE.svg) as Qt's SVG engine draws it at each size, to a
// level or two: scripts/render-icons.sh renders them again after a picture changes. A picture
// shifted by a pixel, or a square of another colour on it, is no longer it.
TEST_F(ProgramIcon, TheImagesAreThePictureAtEachSize)
{
    for (const int size : framework::qt::IconSizes) {
        const QString own = QStringLiteral(SOURCE_DIR_FOR_TESTS "/data/icons/merrowby-%1.svg").arg(size);
        const QIcon picture(QFileInfo::exists(own) ? own : QStringLiteral(SOURCE_DIR_FOR_TESTS "/data/merrowby.svg"));
        ASSERT_FALSE(picture.isNull());
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

// The icon's own colours: the card, its frame and the bars, the axis under the bars.
const QColor Card(0xfe, 0xfe, 0xff);
const QColor Blue(0x15, 0x21, 0xcc);
const QColor Axis(0x00, 0x00, 0x00);

enum class Shade { None, Card, Blue, Axis };

int distance(QRgb pixel, const QColor& colour)
{
    return std::max({std::abs(qAlpha(pixel) - 255), std::abs(qRed(pixel) - colour.red()),
                     std::abs(qGreen(pixel) - colour.green()), std::abs(qBlue(pixel) - colour.blue())});
}

// The nearest of the icon's colours or of no colour (transparent), and how far from it the
// pixel lies. A pixel that mixes two of them, as an edge across a half pixel paints it, lies
// far from both.
std::pair<Shade, int> nearestShade(QRgb pixel)
{
    std::pair<Shade, int> nearest{Shade::None, qAlpha(pixel)};
    for (const auto& [shade, colour] : {std::pair{Shade::Card, Card}, {Shade::Blue, Blue}, {Shade::Axis, Axis}})
        if (const int d = distance(pixel, colour); d < nearest.second)
            nearest = {shade, d};
    return nearest;
}

// The bars crossed by a row: the runs of blue between the frame's two sides.
int blueRunsInsideTheFrame(const QImage& image, int y)
{
    std::vector<int> runStarts;
    for (int x = 0; x < image.width(); ++x)
        if (nearestShade(image.pixel(x, y)).first == Shade::Blue &&
            (x == 0 || nearestShade(image.pixel(x - 1, y)).first != Shade::Blue))
            runStarts.push_back(x);
    return std::max(0, static_cast<int>(runStarts.size()) - 2);
}

// The images of the sizes that panels, menus and title bars show are drawn for their pixel
// grid: every edge of the frame, the bars and the axis falls on a whole pixel, so that no
// pixel mixes two colours (Qt's rasteriser puts such a mix on an edge across half a pixel),
// and the five bars stand apart. At 16 pixels they are solid and one pixel of card apart; at
// the larger sizes they stand side by side as in the picture, six walls along a row.
TEST_F(ProgramIcon, TheSmallImagesAreDrawnForTheirPixelGrid)
{
    constexpr int ColourTolerance = 8;
    const struct {
        int size;
        int blueRuns;
    } smallImages[] = {{16, 5}, {22, 6}, {24, 6}, {32, 6}};
    for (const auto& [size, blueRuns] : smallImages) {
        ASSERT_TRUE(std::find(framework::qt::IconSizes.begin(), framework::qt::IconSizes.end(), size) !=
                    framework::qt::IconSizes.end());
        const QImage image = QImage(QStringLiteral(":/merrowby/icons/merrowby-%1.png").arg(size))
                                 .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(size, size));

        int mixed = 0;
        std::string where;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (nearestShade(image.pixel(x, y)).second > ColourTolerance && ++mixed <= 3)
                    where += " (" + std::to_string(x) + ", " + std::to_string(y) + ") " +
                             image.pixelColor(x, y).name(QColor::HexArgb).toStdString();
        EXPECT_EQ(mixed, 0) << "pixels of the " << size << "-pixel image that mix the icon's colours, such as"
                            << where;

        // The axis is the darkest row; the row above it crosses every bar.
        int axisRow = 0, leastDistance = 255 * size;
        for (int y = 0; y < size; ++y) {
            int sum = 0;
            for (int x = 0; x < size; ++x)
                sum += distance(image.pixel(x, y), Axis);
            if (sum < leastDistance)
                std::tie(axisRow, leastDistance) = std::pair{y, sum};
        }
        ASSERT_GT(axisRow, 0) << "the darkest row of the " << size << "-pixel image is its first";
        EXPECT_EQ(blueRunsInsideTheFrame(image, axisRow - 1), blueRuns)
            << "blue runs along the row above the axis of the " << size << "-pixel image";
    }
}

TEST_F(ProgramIcon, TheWindowNamesTheProgramsDesktopEntry)
{
    EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), "org.example.merrowby");
}

} // namespace
