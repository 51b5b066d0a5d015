// The shapes of the charts as Qt draws them: aliased, so the pixels are exact on any machine.
// A recording of the calls cannot see a frame one pixel too large.

#include "support/AppHarness.h"

#include "framework/qt/QtGraphics.h"

#include <QPainter>

#include <cmath>
#include <functional>
#include <vector>
#include <string>

using framework::qt::QtGraphics;
using testing_support::AppTest;

namespace {

class AliasedShapes : public AppTest {};

using Draw = std::function<void(framework::Graphics&)>;

// One character a pixel of a 12 x 10 image on white at one device pixel per pixel: '#' the
// colour drawn, '.' white, '+' anything else.
std::string picture(framework::Color color, const Draw& draw)
{
    QImage image(12, 10, QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QtGraphics g(painter);
        g.ForeColor(color);
        draw(g);
    }
    const QRgb drawn = qRgb(color.red, color.green, color.blue);
    std::string text;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            text += pixel == drawn ? '#' : pixel == qRgb(255, 255, 255) ? '.' : '+';
        }
        text += '\n';
    }
    return text;
}

// '?' in the expected picture takes any pixel: the antialiased edge of an oval.
bool matches(const std::string& expected, const std::string& drawn)
{
    if (expected.size() != drawn.size())
        return false;
    for (std::size_t i = 0; i < expected.size(); ++i)
        if (expected[i] != '?' && expected[i] != drawn[i])
            return false;
    return true;
}

TEST_F(AliasedShapes, ChartShapesCoverExactlyTheirPixels)
{
    constexpr framework::Color black{0, 0, 0};
    constexpr framework::Color blue{21, 33, 204};
    const struct {
        const char* what;
        framework::Color color;
        Draw draw;
        const char* expected;
    } cases[] = {
        {"a 5 x 4 frame", black, [](auto& g) { g.DrawRect(2, 1, 5, 4); },
         "............\n"
         "..#####.....\n"
         "..#...#.....\n"
         "..#...#.....\n"
         "..#####.....\n"
         "............\n"
         "............\n"
         "............\n"
         "............\n"
         "............\n"},
        {"frames one pixel thin, two pixels square, and none", blue,
         [](auto& g) {
             g.DrawRect(1, 1, 1, 5);
             g.DrawRect(3, 1, 5, 1);
             g.DrawRect(4, 3, 2, 2);
             g.DrawRect(9, 1, 0, 4);
             g.DrawRect(9, 1, 2, -1);
         },
         "............\n"
         ".#.#####....\n"
         ".#..........\n"
         ".#..##......\n"
         ".#..##......\n"
         ".#..........\n"
         "............\n"
         "............\n"
         "............\n"
         "............\n"},
        {"lines with both ends, either way, and a point", black,
         [](auto& g) {
             g.DrawLine(1, 1, 6, 1);
             g.DrawLine(1, 3, 6, 6);
             g.DrawLine(6, 9, 1, 9);
             g.DrawLine(9, 7, 9, 7);
         },
         "............\n"
         ".######.....\n"
         "............\n"
         ".##.........\n"
         "...#........\n"
         "....##......\n"
         "......#.....\n"
         ".........#..\n"
         "............\n"
         ".######.....\n"},
        {"a median two pixels wide, then the pen back to one", blue,
         [](auto& g) {
             g.PenWidth(2);
             g.DrawLine(4, 2, 4, 6);
             g.PenWidth(1);
             g.DrawLine(7, 2, 7, 6);
             g.DrawRect(9, 2, 2, 2);
         },
         "............\n"
         "...##.......\n"
         "...##..#.##.\n"
         "...##..#.##.\n"
         "...##..#....\n"
         "...##..#....\n"
         "...##..#....\n"
         "............\n"
         "............\n"
         "............\n"},
        {"scatter dots are their squares", blue,
         [](auto& g) {
             g.FillOval(1, 1, 2, 2);
             g.FillOval(5, 1, 3, 3);
         },
         "............\n"
         ".##..###....\n"
         ".##..###....\n"
         ".....###....\n"
         "............\n"
         "............\n"
         "............\n"
         "............\n"
         "............\n"
         "............\n"},
        {"a larger oval stays inside its box", black, [](auto& g) { g.FillOval(1, 1, 8, 7); },
         "............\n"
         ".????????...\n"
         ".??####??...\n"
         ".?######?...\n"
         ".?######?...\n"
         ".?######?...\n"
         ".??####??...\n"
         ".????????...\n"
         "............\n"
         "............\n"},
    };
    for (const auto& c : cases) {
        const std::string drawn = picture(c.color, c.draw);
        EXPECT_TRUE(matches(c.expected, drawn)) << c.what << ", expected\n" << c.expected << "drawn\n" << drawn;
    }
}

// At the fractional scales of laptops' displays (QT_SCALE_FACTOR=1.25, QT_FONT_DPI=144 giving
// 1.5) and the whole ones, every line of a histogram is as thick as every other, in device
// pixels: its bars' tops and sides, and the axis ticks.
TEST_F(AliasedShapes, EveryLineOfAChartHasOneThicknessAtEveryScale)
{
    for (const double scale : {1.0, 1.25, 1.5, 2.0}) {
        SCOPED_TRACE(testing::Message() << "scale " << scale);
        const int width = 200, height = 120;
        QImage image(static_cast<int>(width * scale), static_cast<int>(height * scale), QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        constexpr int bars = 8, barWidth = 20, base = 100;
        {
            QPainter painter(&image);
            QtGraphics g(painter);
            g.ForeColor({0, 0, 0});
            for (int i = 0; i < bars; ++i) {
                const int top = 20 + 7 * i;
                g.DrawRect(10 + barWidth * i, top, barWidth + 1, base - top + 1);
                g.DrawLine(10 + barWidth * i, base + 1, 10 + barWidth * i, base + 4); // a tick
            }
        }
        const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
        // The run of dark pixels from the first one met going down (or right) from a start.
        const auto runDown = [&](int x, int y) {
            while (y < image.height() && !dark(x, y))
                ++y;
            int run = 0;
            for (; y < image.height() && dark(x, y); ++y)
                ++run;
            return run;
        };
        const auto runRight = [&](int x, int y) {
            while (x < image.width() && !dark(x, y))
                ++x;
            int run = 0;
            for (; x < image.width() && dark(x, y); ++x)
                ++run;
            return run;
        };
        std::vector<int> tops, sides, ticks;
        for (int i = 0; i < bars; ++i) {
            const double middle = 10 + barWidth * i + barWidth / 2.0;
            tops.push_back(runDown(static_cast<int>(middle * scale), 0));
            sides.push_back(runRight(static_cast<int>((10 + barWidth * i - 3) * scale), static_cast<int>(90 * scale)));
            ticks.push_back(runRight(static_cast<int>((10 + barWidth * i - 3) * scale), static_cast<int>(103 * scale)));
        }
        const int thickness = tops.front();
        EXPECT_GE(thickness, 1);
        EXPECT_LE(thickness, static_cast<int>(std::ceil(scale)));
        EXPECT_EQ(tops, std::vector<int>(bars, thickness)) << "the bars' tops";
        EXPECT_EQ(sides, std::vector<int>(bars, thickness)) << "the bars' left sides";
        EXPECT_EQ(ticks, std::vector<int>(bars, thickness)) << "the ticks";
    }
}

} // namespace
