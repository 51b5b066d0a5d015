// A long, seeded run of everything a user can do, with the quiz's invariants checked
// after every step. Set MERROWBY_SEED to replay a run, MERROWBY_STEPS to change its length.
// Some steps are not followed by a paint, as when the user acts before the window has
// been repainted, and every other thousand steps go through Qt's event queue, which
// delivers queued input before the paint that a refresh asks for.

#include "support/AppHarness.h"

#include "framework/Exceptions.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "framework/qt/QtPlatform.h"
#include "quiz/Module1.h"
#include "support/RecordingGraphics.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>

using namespace Module1;
using testing_support::AppTest;

namespace {

const std::vector<std::string> allMenuItems = testing_support::handledMenuItems();

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback)
{
    const char* value = std::getenv(name);
    return value ? std::strtoull(value, nullptr, 10) : fallback;
}

class RandomUse : public AppTest {
protected:
    std::mt19937_64 user;
    // This part of the run posts its input to Qt's queue instead of calling the window.
    bool queued = false;
    // The window has been painted since the last step changed it.
    bool painted = true;
    // The menu items the user chooses from, and whether the user closes the window.
    std::vector<std::string> menuItems = allMenuItems;
    bool closes = true;

    Integer pick(Integer n) { return static_cast<Integer>(user() % static_cast<std::uint64_t>(n)); }

    static QMainWindow* frame() { return framework::qt::nativeWindow(window()); }

    // A press and release of the mouse at a point of the content area, posted to the Qt
    // window: Qt gives them to the button under the point, or to the content area.
    static void postClick(QPoint at)
    {
        const QPointF local = frame()->centralWidget()->mapTo(frame(), at);
        const QPointF global = frame()->mapToGlobal(local);
        QWindow* target = frame()->windowHandle();
        ASSERT_NE(target, nullptr);
        QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, local, global, Qt::LeftButton,
                                                            Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, local, global, Qt::LeftButton,
                                                            Qt::NoButton, Qt::NoModifier));
    }

    void click(framework::RectControl& control)
    {
        if (queued)
            postClick(QPoint(static_cast<int>(control.Left() + control.Width() / 2),
                             static_cast<int>(control.Top() + control.Height() / 2)));
        else
            control.click();
    }

    std::string step()
    {
        // Out of 1000: menus rarely enough that categories come to an end now and then.
        const Integer kind = pick(closes ? 1000 : 998);
        if (kind < 30) {
            const std::string& item = menuItems[static_cast<std::size_t>(pick(std::ssize(menuItems)))];
            if (queued)
                QMetaObject::invokeMethod(action(item), "trigger", Qt::QueuedConnection);
            else
                choose(item);
            return std::string("menu ") + item;
        }
        if (kind < 300) {
            const Integer i = pick(5);
            auto& button = window().answerButton(i);
            if (queued || (button.Visible() && button.Enabled()))
                click(button);
            return "answer " + std::to_string(i + 1);
        }
        if (kind < 500) {
            // The right answer, so that categories really come to an end.
            if (gWhichQ > 0 && window().answerButton(gCorrAnswer - 1).Enabled() &&
                window().answerButton(gCorrAnswer - 1).Visible())
                click(window().answerButton(gCorrAnswer - 1));
            click(window().OkayButton());
            return "right answer and Okay";
        }
        if (kind < 750) {
            const std::string before = window().OkayButton().Caption();
            if (gWindow == ScreenQuiz && gWhichQ < 0 && !painted && !queued && before == "Okay")
                ++okayBeforeTheEndPaint;
            const bool retry = gWindow == ScreenQuiz && gWhichQ == OnlyPassedLeft && !queued && before == "Retry";
            click(window().OkayButton());
            if (retry) {
                // Otherwise the user presses "Retry" for ever.
                EXPECT_GE(gWhichQ, 1) << "no question after Retry";
                ++retries[randomMode() ? "random mode" : "a category"];
            }
            return "Okay (" + before + ")";
        }
        if (kind < 880) {
            click(window().PassButton());
            return "Pass";
        }
        if (kind < 920) {
            if (!queued) {
                window().raiseKeyDown("k");
                return "key";
            }
            // Return presses the default button, "Okay", without the repaint that a mouse
            // press on a button makes Qt do first.
            const bool enter = pick(2) == 0;
            QCoreApplication::postEvent(frame()->centralWidget(),
                                        enter ? new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r")
                                              : new QKeyEvent(QEvent::KeyPress, Qt::Key_K, Qt::NoModifier, "k"));
            return enter ? "Return" : "key";
        }
        if (kind < 998) {
            // Anywhere, and often right on the edges of the About page's link; through Qt,
            // inside the content area only (above it is the menu bar).
            Integer x = pick(queued ? 511 : 560);
            Integer y = pick(queued ? 306 : 340);
            if (pick(2) == 0) {
                x = (pick(2) ? gURLleft : gURLright - 5) + pick(3) - 1;
                y = 98 + pick(2) * 15 + pick(3) - 1;
            }
            if (queued)
                postClick(QPoint(static_cast<int>(x), static_cast<int>(y)));
            else
                window().raiseMouseDown(x, y);
            return "click " + std::to_string(x) + ", " + std::to_string(y);
        }
        // Whatever Qt holds for the window goes first.
        QCoreApplication::processEvents();
        window().Close();
        framework::releaseClosedWindows();
        const std::string& item = menuItems[static_cast<std::size_t>(pick(std::ssize(menuItems)))];
        EXPECT_TRUE(application().chooseMenuItem(item));
        return std::string("close, then ") + item;
    }

    // The repaint that the framework makes after a refresh; through Qt, after the input
    // that Qt delivers first.
    void paint()
    {
        if (queued)
            QCoreApplication::processEvents();
        testing_support::RecordingGraphics g;
        window().raisePaint(g);
        painted = true;
    }

    long okayBeforeTheEndPaint = 0;
    std::map<std::string, long> retries;

    void checkInvariants(const std::string& what)
    {
        SCOPED_TRACE(what);
        for (Integer c = 1; c <= NumCategories; ++c) {
            Integer open = 0;
            for (Integer k = 1; k <= gNumQ(c); ++k)
                open += gQuestion(c, k) == StatusOpen;
            ASSERT_EQ(gNumLeft(c), open) << "category " << c;
        }

        auto& w = window();
        Integer selected = 0;
        for (Integer i = 0; i < 5; ++i)
            if (w.answerButton(i).Value()) {
                ASSERT_EQ(selected, 0) << "two answers selected";
                selected = i + 1;
            }
        ASSERT_TRUE(gUserAnswer == 0 || gUserAnswer == selected) << gUserAnswer << " / " << selected;

        auto answers = [&w](bool visible, bool enabled) {
            for (Integer i = 0; i < 5; ++i) {
                EXPECT_EQ(w.answerButton(i).Visible(), visible) << "answer button " << i;
                if (visible) {
                    EXPECT_EQ(w.answerButton(i).Enabled(), enabled) << "answer button " << i;
                }
            }
        };
        const auto& okay = w.OkayButton();
        const auto& pass = w.PassButton();

        // "Pass" is usable only for a question that is still open.
        if (pass.Visible() && pass.Enabled()) {
            ASSERT_EQ(gWindow, ScreenQuiz);
            ASSERT_GE(gWhichQ, 1);
            ASSERT_EQ(gQuestion(gType, gWhichQ), StatusOpen);
        }

        if (painted) {
            const bool about = gWindow == ScreenAboutFromQuiz || gWindow == ScreenAboutFromIntro;
            EXPECT_EQ(w.Title(), about ? "About Merrowby" : "Merrowby");
        }

        switch (gWindow) {
        case ScreenIntro:
        case ScreenAboutFromIntro:
        case ScreenAboutFromQuiz:
            answers(false, false);
            EXPECT_FALSE(okay.Visible());
            EXPECT_FALSE(pass.Visible());
            break;
        case ScreenQuiz:
            if (gWhichQ < 0) {
                answers(false, false);
                EXPECT_FALSE(pass.Visible());
                EXPECT_FALSE(pass.Enabled());
                EXPECT_TRUE(okay.Visible());
                EXPECT_TRUE(okay.Enabled());
                // Only the paint of the congratulations text renames the button.
                if (painted) {
                    EXPECT_EQ(okay.Caption(), gWhichQ == NoneLeft ? "Reset" : "Retry");
                }
            } else {
                ASSERT_GE(gWhichQ, 1);
                ASSERT_LE(gWhichQ, 30);
                EXPECT_TRUE(okay.Visible());
                if (gQuestion(gType, gWhichQ) == StatusCorrect) {
                    answers(true, false);
                    EXPECT_FALSE(pass.Visible());
                    EXPECT_EQ(okay.Caption(), "Another");
                    EXPECT_TRUE(okay.Enabled());
                } else {
                    ASSERT_EQ(gQuestion(gType, gWhichQ), StatusOpen);
                    answers(true, true);
                    EXPECT_TRUE(pass.Visible());
                    EXPECT_TRUE(pass.Enabled());
                    EXPECT_EQ(okay.Caption(), "Okay");
                    if (okay.Enabled()) {
                        EXPECT_GT(gUserAnswer, 0);
                    }
                }
            }
            break;
        default:
            FAIL() << "screen " << gWindow;
        }
    }

    // Runs the steps and returns how many ended on each screen.
    std::map<std::string, long> run(std::uint64_t seed, std::uint64_t steps)
    {
        SCOPED_TRACE("replay with MERROWBY_SEED=" + std::to_string(seed));
        user.seed(seed);
        std::mt19937_64 generator(seed ^ 0x9e3779b97f4a7c15ULL);
        framework::setRandomSource([&generator] { return std::generate_canonical<double, 53>(generator); });
        framework::setClockSource([] { return 1234567890.0; });

        const long reportedBefore = framework::unhandledExceptionCount();
        std::map<std::string, long> reached;
        for (std::uint64_t n = 1; n <= steps; ++n) {
            const bool wasQueued = queued;
            queued = (n / 1000) % 2 == 1;
            if (wasQueued && !queued)
                paint(); // the queue is emptied before the window is called directly again
            const std::string what = (queued ? "through Qt: " : "") + step();
            painted = false;
            // Through Qt, the input of several steps may wait in the queue.
            if (queued ? pick(3) == 0 : pick(4) != 0)
                paint();
            reached[gWindow == ScreenQuiz ? (gWhichQ == NoneLeft         ? "all answered"
                                             : gWhichQ == OnlyPassedLeft ? "only passed left"
                                                                         : "question")
                                          : "screen " + std::to_string(gWindow)] += 1;
            checkInvariants("step " + std::to_string(n) + ": " + what);
            EXPECT_EQ(framework::unhandledExceptionCount(), reportedBefore) << "step " << n << ": " << what;
            if (HasFailure())
                break;
        }
        framework::setRandomSource(nullptr);
        framework::setClockSource(nullptr);
        for (const auto& [where, count] : reached)
            std::printf("  %-18s %ld steps\n", where.c_str(), count);
        std::printf("  %ld presses of Okay before the end-of-questions paint\n", okayBeforeTheEndPaint);
        for (const auto& [where, count] : retries)
            std::printf("  %ld presses of Retry in %s\n", count, where.c_str());
        return reached;
    }
};

TEST_F(RandomUse, EveryStepKeepsTheQuizConsistent)
{
    const std::uint64_t steps = fromEnvironment("MERROWBY_STEPS", 100000);
    auto reached = run(fromEnvironment("MERROWBY_SEED", 20261210), steps);
    // A run this long goes everywhere: otherwise the sequence no longer exercises the quiz.
    if (steps >= 50000 && !HasFailure()) {
        for (const char* where : {"all answered", "only passed left", "question", "screen 0", "screen 3", "screen 4"})
            EXPECT_GT(reached[where], 0) << where;
        EXPECT_GT(okayBeforeTheEndPaint, 0);
        EXPECT_GT(retries["a category"], 0);
    }
}

// Three hundred questions lie between the ends of random mode, more than a user who chooses
// every menu item and closes the window answers before a new start.
TEST_F(RandomUse, RandomModeComesToBothEnds)
{
    menuItems = {"StatisticalInferenceRandomCategories", "AboutMerrowby"};
    closes = false;
    choose(menuItems.front());
    const std::uint64_t steps = fromEnvironment("MERROWBY_STEPS", 100000) / 4;
    auto reached = run(fromEnvironment("MERROWBY_SEED", 20261210), steps);
    if (steps >= 12500 && !HasFailure()) {
        for (const char* where : {"all answered", "only passed left"})
            EXPECT_GT(reached[where], 0) << where;
        EXPECT_GT(retries["random mode"], 0);
    }
}

} // namespace
