// A double click on a push button is one press: its second click, which Qt reports as a
// double click, presses nothing.

#include "support/AppHarness.h"

#include "framework/qt/QtPlatform.h"
#include "quiz/Module1.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QtTest/QTest>

using namespace Module1;
using testing_support::AppTest;

namespace {

class DoubleClick : public AppTest {
protected:
    static QMainWindow* frame() { return framework::qt::nativeWindow(window()); }

    // Two clicks close in time and place, delivered through the window as the window system's are.
    static void doubleClick(const char* buttonName)
    {
        auto* button = frame()->findChild<QPushButton*>(buttonName);
        ASSERT_NE(button, nullptr);
        const QPoint at = button->mapTo(frame(), button->rect().center());
        QTest::mouseDClick(frame()->windowHandle(), Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }

    static Integer count(Integer status)
    {
        Integer found = 0;
        for (Integer q = 1; q <= 30; ++q)
            found += gQuestion(gType, q) == status ? 1 : 0;
        return found;
    }
};

TEST_F(DoubleClick, TheSecondClickOnOkayOrPassIsNoSecondPress)
{
    frame()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame()));

    choose("StatisticalDataProducingData");
    const Integer passedQuestion = gWhichQ;
    doubleClick("PassButton");
    EXPECT_EQ(count(StatusPassed), 1) << "two questions passed";
    EXPECT_EQ(gQuestion(gType, passedQuestion), StatusPassed);
    EXPECT_EQ(gNumLeft(gType), 29);

    const Integer answered = gWhichQ;
    window().answerButton(gCorrAnswer - 1).click();
    doubleClick("OkayButton");
    EXPECT_EQ(gWhichQ, answered) << "the next question was asked at once";
    EXPECT_EQ(gQuestion(gType, answered), StatusCorrect);
    EXPECT_EQ(window().OkayButton().Caption(), "Another");
    EXPECT_EQ(gPaintHint, 1) << "the hint is shown";

    // Two clicks apart in time are two presses.
    auto* okay = frame()->findChild<QPushButton*>("OkayButton");
    QTest::mouseClick(okay, Qt::LeftButton);
    EXPECT_NE(gWhichQ, answered);
}

} // namespace
