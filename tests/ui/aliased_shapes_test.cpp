// The shapes of the charts as Qt draws them: aliased, so the pixels are exact on any machine.
// A recording of the calls cannot see a frame one pixel too large.

#include "support/AppHarness.h"

#include "framework/qt/QtGraphics.h"

#include <QPainter>

#include <functional>
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

} // namespace
