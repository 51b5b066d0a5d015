// Large text runs are drawn from images rendered once: the pixels must be those that drawing
// the text directly gives, at every device pixel ratio, colour, position and background.

#include "support/AppHarness.h"

#include "framework/qt/QtGraphics.h"
#include "quiz/Module1.h"

#include <QPainter>

#include <algorithm>
#include <functional>
#include <string>

using namespace Module1;
using framework::qt::QtGraphics;
using framework::qt::textImageCache;
using testing_support::AppTest;

namespace {

class TextImages : public AppTest {
protected:
    void TearDown() override
    {
        textImageCache().setEnabled(true);
        AppTest::TearDown();
    }

    // The window's paint at that device pixel ratio, as Qt's window would take it.
    static QImage paintWindow(qreal ratio, bool cached)
    {
        textImageCache().setEnabled(cached);
        QImage image(static_cast<int>(511 * ratio), static_cast<int>(306 * ratio), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        QtGraphics g(painter);
        window().raisePaint(g);
        return image;
    }

    // The first differing pixel, or an empty text.
    static std::string difference(const QImage& a, const QImage& b)
    {
        if (a.size() != b.size())
            return "sizes differ";
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    return "pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                           "): " + QString::number(a.pixel(x, y), 16).toStdString() + " against " +
                           QString::number(b.pixel(x, y), 16).toStdString();
        return {};
    }
};

TEST_F(TextImages, EveryScreenIsTheSamePixelsWithAndWithoutTheImages)
{
    struct Screen {
        const char* name;
        std::function<void()> show;
    };
    const Screen screens[] = {
        {"intro", [] {}},
        {"About page", [] { choose("AboutMerrowby"); }},
        {"question with a chart", [] { choose("StatisticalInferenceANOVA"); }},
    };
    for (const auto& screen : screens) {
        SetUp();
        screen.show();
        for (const qreal ratio : {1.0, 2.0, 3.0}) {
            SCOPED_TRACE(std::string(screen.name) + " at device pixel ratio " + std::to_string(ratio));
            // A run is drawn directly the first time, and from its image from the second on.
            const long drawn = textImageCache().imageDraws();
            paintWindow(ratio, true);
            const QImage first = paintWindow(ratio, true);
            const QImage again = paintWindow(ratio, true);
            const QImage direct = paintWindow(ratio, false);
            EXPECT_EQ(difference(direct, first), "");
            EXPECT_EQ(difference(direct, again), "");
            if (gWindow != ScreenQuiz && ratio >= 2) {
                EXPECT_GT(textImageCache().imageDraws(), drawn) << "the 36-point title is drawn from its image";
            }
        }
    }
}

// Large runs over a background of stripes and a rule, where the blend of every edge pixel
// shows, at odd positions and scales, in colours, on opaque and transparent destinations.
TEST_F(TextImages, LargeRunsBlendAsTheTextDoes)
{
    struct Case {
        qreal ratio;
        double points;
        framework::Color color;
        framework::Integer x, y;
        QImage::Format format;
    };
    const Case cases[] = {
        {1, 64, {0, 0, 0}, 3, 70, QImage::Format_RGB32},
        {1, 90, {21, 33, 204}, 0, 80, QImage::Format_RGB32},
        {2, 36, {21, 33, 204}, 17, 51, QImage::Format_RGB32},
        {2, 36, {200, 30, 10}, -5, 40, QImage::Format_ARGB32_Premultiplied},
        {2, 48, {0, 0, 0}, 101, 299, QImage::Format_RGB32}, // cut by the bottom edge
        {3, 36, {0, 128, 0}, 9, 45, QImage::Format_ARGB32_Premultiplied},
        {1.5, 48, {0, 0, 0}, 7, 60, QImage::Format_RGB32}, // a fractional scale: drawn directly
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("ratio " + std::to_string(c.ratio) + ", " + std::to_string(c.points) + " points at (" +
                     std::to_string(c.x) + ", " + std::to_string(c.y) + ")");
        auto draw = [&](bool cached) {
            textImageCache().setEnabled(cached);
            QImage image(static_cast<int>(400 * c.ratio), static_cast<int>(306 * c.ratio), c.format);
            image.setDevicePixelRatio(c.ratio);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            for (int y = 0; y < 306; y += 6)
                painter.fillRect(0, y, 400, 3, QColor(230, 200, 120, 180));
            QtGraphics g(painter);
            g.ForeColor({90, 90, 90});
            g.DrawLine(0, c.y - 10, 399, c.y - 10);
            g.TextFont("Times");
            g.TextSize(c.points);
            g.ForeColor(c.color);
            g.DrawString("Wavy jig, fox & quiz!", c.x, c.y);
            g.DrawString("Merrowby", c.x, c.y + 20);
            g.ForeColor({120, 0, 90}); // the same run in another colour
            g.DrawString("Merrowby", c.x, c.y + 20);
            return image;
        };
        draw(false);
        const QImage direct = draw(false);
        draw(true);
        const long drawn = textImageCache().imageDraws();
        EXPECT_EQ(difference(direct, draw(true)), "");
        EXPECT_EQ(textImageCache().imageDraws() > drawn, c.ratio != 1.5);
    }
}

TEST_F(TextImages, TheImagesKeepToTheirBound)
{
    textImageCache().clear();
    QImage image(200, 100, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    QPainter painter(&image);
    QtGraphics g(painter);
    g.TextFont("Times");
    g.TextSize(72);
    qsizetype largest = 0;
    for (int n = 0; n < 200; ++n)
        for (int paint = 0; paint < 2; ++paint) {
            g.DrawString("Run number " + std::to_string(n), 0, 80);
            largest = std::max(largest, textImageCache().bytes());
        }
    EXPECT_LE(largest, framework::qt::TextImageCache::MaxBytes);
    EXPECT_GT(largest, framework::qt::TextImageCache::MaxBytes / 2);
}

} // namespace
