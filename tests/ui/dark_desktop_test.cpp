// The controls on the window's near-white page under a dark desktop palette: read off their
// pixels, an unchecked answer is a light disc on the page and a checked one has a dark dot,
// and the buttons are light with dark labels, as on a light window.

#include "support/AppHarness.h"

#include "framework/qt/QtPlatform.h"
#include "quiz/Module1.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using namespace Module1;
using testing_support::AppTest;

namespace {

// A dark desktop palette: light text on dark grey.
QPalette darkPalette()
{
    QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    return dark;
}

int lightnessAt(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y)).lightness();
}

// The colour most of the image has: the page of the content area.
int commonLightness(const QImage& image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return QColor(most->first).lightness();
}

// Half the pixels are lighter: on a button, its face, which may be shaded.
int medianLightness(const QImage& image)
{
    std::vector<int> values;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            values.push_back(lightnessAt(image, x, y));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

int darkestLightness(const QImage& image)
{
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, lightnessAt(image, x, y));
    return darkest;
}

// The mean lightness of the middle of a radio button's disc, as painted: a square a fifth
// of the disc wide at the centre of the place the style gives the disc.
int discMiddleLightness(QRadioButton* radio)
{
    const QImage image = radio->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QStyleOptionButton option;
    option.initFrom(radio);
    const QRect disc = radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio);
    const double scale = image.devicePixelRatio();
    const QPointF centre = QRectF(disc).center() * scale;
    const int half = std::max(1, static_cast<int>(disc.width() * scale / 10));
    int sum = 0;
    int count = 0;
    for (int y = static_cast<int>(centre.y()) - half; y <= static_cast<int>(centre.y()) + half; ++y)
        for (int x = static_cast<int>(centre.x()) - half; x <= static_cast<int>(centre.x()) + half; ++x)
            if (image.rect().contains(x, y)) {
                sum += lightnessAt(image, x, y);
                ++count;
            }
    return count ? sum / count : -1;
}

class DarkDesktop : public AppTest {
protected:
    void TearDown() override
    {
        QApplication::setPalette(desktop_);
        AppTest::TearDown();
    }

    template <class Button>
    static Button* qtControl(const char* name, int index = -1)
    {
        for (auto* button : framework::qt::nativeWindow(window())->findChildren<Button*>(name))
            if (index < 0 || button->property("index").toInt() == index)
                return button;
        return nullptr;
    }

    const QPalette desktop_ = QApplication::palette();
};

TEST_F(DarkDesktop, TheControlsLookAsOnALightWindow)
{
    choose("StatisticalDataProducingData");
    window().answerButton(1).click();
    ASSERT_TRUE(window().answerButton(1).Value());
    window().OkayButton().setEnabled(false);

    // The desktop's own palette (dark under a dark GTK theme), and a dark one.
    const struct {
        const char* name;
        QPalette palette;
    } desktops[] = {{"the desktop's palette", desktop_}, {"a dark palette", darkPalette()}};
    for (const auto& desktop : desktops) {
        SCOPED_TRACE(desktop.name);
        QApplication::setPalette(desktop.palette);
        QCoreApplication::processEvents();

        auto* unchecked = qtControl<QRadioButton>("answerButton", 0);
        auto* checked = qtControl<QRadioButton>("answerButton", 1);
        auto* okay = qtControl<QPushButton>("OkayButton");
        auto* pass = qtControl<QPushButton>("PassButton");
        ASSERT_TRUE(unchecked && checked && okay && pass);
        ASSERT_FALSE(unchecked->isChecked());
        ASSERT_TRUE(checked->isChecked());

        const int page = commonLightness(render().convertToFormat(QImage::Format_RGB32));
        ASSERT_GE(page, 200) << "the page is near-white";

        // An unchecked disc is filled like the page; a checked one has a dot much darker.
        const int empty = discMiddleLightness(unchecked);
        const int dotted = discMiddleLightness(checked);
        EXPECT_GE(empty, page - 40) << "an unchecked answer's disc is dark on the page";
        EXPECT_LE(dotted, empty - 100) << "a checked answer's dot does not stand out from an unchecked disc";

        // The buttons' faces are light, and the enabled one's label dark on it.
        for (QPushButton* button : {okay, pass}) {
            SCOPED_TRACE(button->text().toStdString());
            const QImage image = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
            EXPECT_GE(medianLightness(image), page - 40) << "the button's face is dark";
        }
        const QImage passImage = pass->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_LE(darkestLightness(passImage), medianLightness(passImage) - 120) << "Pass is no dark label on its face";
    }
}

} // namespace
