// The keyboard as Qt delivers it to the real window (keys through the window's Qt window, as
// the window system's are): the menu bar shows when it has the keyboard, and gives it back.

#include "support/AppHarness.h"

#include "framework/qt/QtPlatform.h"
#include "quiz/Module1.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>

using namespace Module1;
using testing_support::AppTest;

namespace {

class Keyboard : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        frame()->show();
        QApplication::setActiveWindow(frame());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame()));
    }

    static QMainWindow* frame() { return framework::qt::nativeWindow(window()); }
    static QMenuBar* bar() { return frame()->menuBar(); }

    // A category chosen, and its first question on screen as the user meets it: painted, the
    // keyboard on its first answer.
    static void openCategory(const char* category)
    {
        choose(category);
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    // The window system hands keys to the window that has the keyboard focus: after a menu
    // has closed, once the X server's word that the focus is back on the window has come
    // (late on a busy machine). A focus that arrived between the press and the release of
    // Alt would take the menu bar's keyboard from it.
    static void waitForTheKeyboard()
    {
        EXPECT_TRUE(QTest::qWaitFor([] {
            QWindow* focus = QGuiApplication::focusWindow();
            return QApplication::activePopupWidget() ? focus != nullptr : focus == frame()->windowHandle();
        })) << "the window did not get the keyboard focus back";
    }

    static void key(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        waitForTheKeyboard();
        QTest::keyClick(frame()->windowHandle(), static_cast<Qt::Key>(code), modifiers);
        QApplication::processEvents();
    }

    // Alt pressed and released alone, as the window system reports it.
    static void altAlone()
    {
        waitForTheKeyboard();
        QTest::keyPress(frame()->windowHandle(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(frame()->windowHandle(), Qt::Key_Alt, Qt::NoModifier);
        QApplication::processEvents();
    }

    static QImage title(int menu)
    {
        return bar()->grab(bar()->actionGeometry(bar()->actions().at(menu))).toImage();
    }

    // Whether two images of a title agree: no pixel differs by more than a shade.
    static bool alike(const QImage& a, const QImage& b)
    {
        if (a.size() != b.size())
            return false;
        const QImage x = a.convertToFormat(QImage::Format_RGB32);
        const QImage y = b.convertToFormat(QImage::Format_RGB32);
        for (int row = 0; row < x.height(); ++row)
            for (int col = 0; col < x.width(); ++col) {
                const QRgb p = x.pixel(col, row);
                const QRgb q = y.pixel(col, row);
                if (std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))}) > 16)
                    return false;
            }
        return true;
    }

    static QRadioButton* answerOnScreen(Integer index)
    {
        for (QRadioButton* radio : frame()->findChildren<QRadioButton*>("answerButton"))
            if (radio->property("index").toLongLong() == index)
                return radio;
        return nullptr;
    }
};

TEST_F(Keyboard, TheMenuBarShowsTheTitleThatHasTheKeyboard)
{
    openCategory("StatisticalDataDisplayingData");
    QTest::mouseClick(answerOnScreen(gCorrAnswer - 1), Qt::LeftButton);
    const QImage first = title(0);
    const QImage second = title(1);

    altAlone();
    ASSERT_TRUE(bar()->hasFocus()) << "Alt gives the menu bar the keyboard";
    EXPECT_NE(title(0), first) << "the selected title looks as it did without the keyboard";
    EXPECT_EQ(title(1), second) << "only the selected title is highlighted";

    key(Qt::Key_Escape);
    EXPECT_FALSE(bar()->hasFocus());
    EXPECT_EQ(title(0), first);
    EXPECT_EQ(QApplication::focusWidget(), answerOnScreen(gCorrAnswer - 1));
}

// The pointer resting on a title, the keyboard untouched: the title looks as it did without
// the pointer, as the menu bar highlights only the title that has the keyboard.
TEST_F(Keyboard, APointerOverATitleLeavesItUnhighlighted)
{
    choose("StatisticalDataDisplayingData");
    QTest::mouseClick(answerOnScreen(gCorrAnswer - 1), Qt::LeftButton);
    const auto pointerAt = [](QPoint at) {
        QTest::mouseMove(frame()->windowHandle(), at);
        QApplication::processEvents();
    };
    pointerAt(frame()->centralWidget()->geometry().center());
    const QImage unhovered = title(0);

    pointerAt(bar()->mapTo(frame(), bar()->actionGeometry(bar()->actions().at(0)).center()));
    ASSERT_EQ(bar()->activeAction(), bar()->actions().at(0)) << "the pointer is not over the title";
    ASSERT_FALSE(bar()->hasFocus());
    EXPECT_TRUE(alike(title(0), unhovered)) << "the title under the pointer is highlighted";

    // The title with the keyboard is highlighted, under the pointer too.
    altAlone();
    ASSERT_TRUE(bar()->hasFocus());
    EXPECT_FALSE(alike(title(0), unhovered)) << "the title with the keyboard is not highlighted";
    key(Qt::Key_Escape);
}

TEST_F(Keyboard, EscapeFromAMenuGivesTheKeyboardBackSoThatReturnPressesOkay)
{
    const std::pair<const char*, std::function<void()>> openings[] = {
        {"opened with the mouse",
         [] { QTest::mouseClick(bar(), Qt::LeftButton, {}, bar()->actionGeometry(bar()->actions().at(0)).center()); }},
        {"opened with Alt and Down",
         [] {
             altAlone();
             key(Qt::Key_Down);
         }},
    };
    for (const auto& [how, open] : openings) {
        SCOPED_TRACE(how);
        openCategory("StatisticalDataDisplayingData");
        const Integer question = gWhichQ;
        QRadioButton* chosen = answerOnScreen(gCorrAnswer - 1);
        QTest::mouseClick(chosen, Qt::LeftButton);
        open();
        QApplication::processEvents();
        // On an X display the menu opens when the server has mapped it.
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
            << "no menu open";

        key(Qt::Key_Escape);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_FALSE(bar()->hasFocus()) << "the menu bar kept the keyboard";
        EXPECT_EQ(QApplication::focusWidget(), chosen);

        key(Qt::Key_Return);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "Return opened a menu";
        EXPECT_EQ(gWhichQ, question);
        EXPECT_EQ(gQuestion(gType, question), StatusCorrect) << "Return did not press Okay";
        if (QWidget* menu = QApplication::activePopupWidget())
            menu->close();
    }
}

// A new screen puts the keyboard on its first control, where the student meets it: the
// first answer, or "Retry" at the end. Brought by a key, it shows there as Tab shows it; a
// mouse user sees no focus frame, as elsewhere in Qt.
TEST_F(Keyboard, ANewScreenPutsTheKeyboardOnItsFirstControl)
{
    // On a desktop the window manager activates a new window in its own time.
    const auto settled = [] {
        if (!frame()->isActiveWindow())
            (void)QTest::qWaitForWindowActive(frame());
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    };
    const auto shownFocused = [](QWidget* first, QWidget* other) {
        return first->grab().toImage() != other->grab().toImage();
    };
    const struct {
        const char* how;
        std::function<void()> reach;
        bool byKey;
    } cases[] = {
        {"a category chosen with the mouse",
         [] {
             // The mouse's last press, on the window as the window system reports it.
             QTest::mouseClick(frame()->windowHandle(), Qt::LeftButton, {},
                               frame()->centralWidget()->geometry().center());
             openCategory("StatisticalDataDisplayingData");
         },
         false},
        {"a category opened with Alt, Down and Return",
         [] {
             altAlone();
             key(Qt::Key_Down);
             ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; })) << "no menu open";
             key(Qt::Key_Return);
         },
         true},
        {"Pass pressed with Space",
         [] {
             openCategory("StatisticalDataDisplayingData");
             frame()->findChild<QWidget*>("PassButton")->setFocus(Qt::TabFocusReason);
             key(Qt::Key_Space);
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        AppTest::SetUp();
        settled();
        const Integer before = gWhichQ;
        c.reach();
        settled();
        ASSERT_NE(gWhichQ, before) << "no new question";
        EXPECT_EQ(QApplication::focusWidget(), answerOnScreen(0));
        EXPECT_EQ(shownFocused(answerOnScreen(0), answerOnScreen(1)), c.byKey)
            << (c.byKey ? "the first answer shows no focus" : "a mouse user sees a focus frame");
    }

    // The end of the questions: the keyboard on "Retry".
    openCategory("StatisticalDataDisplayingData");
    for (Integer k = 1; k <= gNumQ(gType); ++k)
        window().PassButton().click();
    settled();
    QWidget* okay = frame()->findChild<QWidget*>("OkayButton");
    ASSERT_EQ(window().OkayButton().Caption(), "Retry");
    EXPECT_EQ(QApplication::focusWidget(), okay);
}

// Tab stops only where the user sees the focus: at the buttons on screen. Where no button can
// take it, the content area keeps the keys, which still reach the window.
TEST_F(Keyboard, TabStopsOnlyAtTheButtonsOnScreenAndKeysStillReachTheWindow)
{
    const std::pair<const char*, std::function<void()>> screens[] = {
        {"intro screen", [] {}},
        {"open question, answer chosen",
         [] {
             openCategory("StatisticalDataDisplayingData");
             QTest::mouseClick(answerOnScreen(gCorrAnswer - 1), Qt::LeftButton);
         }},
        {"after a right answer", [] { key(Qt::Key_Return); }},
    };
    for (const auto& [screen, reach] : screens) {
        SCOPED_TRACE(screen);
        reach();
        std::set<QWidget*> onScreen;
        for (QAbstractButton* button : frame()->findChildren<QAbstractButton*>())
            if (button->isVisible() && button->isEnabled())
                onScreen.insert(button);
        std::set<QWidget*> visited;
        for (int i = 0; i < 10; ++i) {
            key(Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            if (onScreen.empty()) {
                EXPECT_TRUE(focus == nullptr || focus == frame()->centralWidget())
                    << "Tab " << i << " stopped at " << focus->metaObject()->className();
            } else {
                EXPECT_TRUE(onScreen.count(focus)) << "Tab " << i << " stopped at "
                                                   << (focus ? focus->metaObject()->className() : "nothing");
                visited.insert(focus);
            }
        }
        EXPECT_EQ(visited, onScreen) << "Tab passed a button by";
    }

    // The About page hides the focused button, an answer or "Pass"; any key, Tab and Space
    // too, leaves it: no hidden button keeps the keyboard and takes the key as its press.
    const std::pair<const char*, std::function<QWidget*()>> focused[] = {
        {"an answer", [] { return answerOnScreen(0); }},
        {"Pass",
         [] {
             for (QPushButton* button : frame()->findChildren<QPushButton*>())
                 if (button->text() == "Pass")
                     return static_cast<QWidget*>(button);
             return static_cast<QWidget*>(nullptr);
         }},
    };
    for (const auto& [which, button] : focused)
        for (const int code : {Qt::Key_X, Qt::Key_Tab, Qt::Key_Space}) {
            SCOPED_TRACE(std::string("the keyboard on ") + which + ", key " + std::to_string(code));
            openCategory("StatisticalDataDisplayingData");
            const Integer question = gWhichQ;
            ASSERT_NE(button(), nullptr);
            button()->setFocus(Qt::TabFocusReason);
            choose("AboutMerrowby");
            ASSERT_EQ(gWindow, ScreenAboutFromQuiz);
            key(code);
            EXPECT_EQ(gWindow, ScreenQuiz);
            EXPECT_EQ(gWhichQ, question) << "the key passed the question";
            QWidget* focus = QApplication::focusWidget();
            EXPECT_TRUE(!focus || focus->isVisible()) << "a hidden control has the keyboard";
        }
}


} // namespace
