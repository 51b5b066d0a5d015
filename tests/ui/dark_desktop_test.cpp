// The controls on the window's near-white page under a dark desktop palette: drawn as on a
// light window, so that an unchecked answer never looks checked.

#include "support/AppHarness.h"

#include "framework/qt/QtPlatform.h"
#include "quiz/Module1.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>
#include <cstdlib>

using namespace Module1;
using testing_support::AppTest;

namespace {

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

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

// Whether two images of one size agree within a small tolerance: a few pixels may differ
// by antialiasing, none by much.
bool alike(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            if (d > 48)
                return false;
            if (d > 8)
                ++differing;
        }
    return differing <= x.width() * x.height() / 20;
}

class DarkDesktop : public AppTest {
protected:
    void TearDown() override
    {
        QApplication::setPalette(desktop_);
        AppTest::TearDown();
    }

    static QWidget* qtControl(const char* name, int index = -1)
    {
        for (auto* button : framework::qt::nativeWindow(window())->findChildren<QAbstractButton*>(name))
            if (index < 0 || button->property("index").toInt() == index)
                return button;
        return nullptr;
    }

    // Unchecked answer 1, checked answer 2, disabled "Okay" and enabled "Pass".
    static std::vector<QImage> grabControls()
    {
        QCoreApplication::processEvents();
        std::vector<QImage> images;
        for (QWidget* control : {qtControl("answerButton", 0), qtControl("answerButton", 1),
                                 qtControl("OkayButton"), qtControl("PassButton")}) {
            EXPECT_NE(control, nullptr);
            images.push_back(control ? control->grab().toImage() : QImage());
        }
        return images;
    }

    const QPalette desktop_ = QApplication::palette();
};

TEST_F(DarkDesktop, TheControlsLookAsOnALightWindow)
{
    choose("StatisticalDataProducingData");
    window().answerButton(1).click();
    ASSERT_TRUE(window().answerButton(1).Value());
    window().OkayButton().setEnabled(false);

    // The desktop's palette where it is dark (under a dark GTK theme), else a dark one.
    const QPalette dark = isDark(desktop_) ? desktop_ : darkPalette();
    QApplication::setPalette(dark);
    const auto onDark = grabControls();
    // A light window's: the style's own where it is light, else one derived from a light grey.
    const QPalette standard = QApplication::style()->standardPalette();
    QApplication::setPalette(isDark(standard) ? QPalette(QColor(239, 239, 239)) : standard);
    ASSERT_FALSE(isDark(QApplication::palette()));
    const auto onLight = grabControls();

    const char* names[] = {"unchecked answer", "checked answer", "disabled Okay", "Pass"};
    for (std::size_t i = 0; i < onLight.size(); ++i)
        EXPECT_TRUE(alike(onDark[i], onLight[i])) << names[i] << " differs from a light window's";
    // The tolerance still tells a checked answer from an unchecked one.
    EXPECT_FALSE(alike(onLight[0], onLight[1]));
    EXPECT_FALSE(alike(onDark[0], onDark[1]));
}

} // namespace
