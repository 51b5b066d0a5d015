#include "support/AppHarness.h"

#include "framework/qt/QtPlatform.h"
#include "quiz/Module1.h"
#include "ui/AboutPage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>

using namespace Module1;
using testing_support::AppTest;

namespace {

class AboutPage : public AppTest {
protected:
    struct Snapshot {
        std::vector<bool> visible, enabled, value;
        std::vector<framework::Integer> tops;
        std::string caption;
        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };

    static Snapshot snapshot()
    {
        Snapshot s;
        auto take = [&s](const framework::RectControl& c) {
            s.visible.push_back(c.Visible());
            s.enabled.push_back(c.Enabled());
            s.tops.push_back(c.Top());
        };
        for (Integer i = 0; i < 5; ++i) {
            take(window().answerButton(i));
            s.value.push_back(window().answerButton(i).Value());
        }
        take(window().OkayButton());
        take(window().PassButton());
        s.caption = window().OkayButton().Caption();
        return s;
    }

    static bool anyVisible()
    {
        bool any = window().OkayButton().Visible() || window().PassButton().Visible();
        for (Integer i = 0; i < 5; ++i)
            any = any || window().answerButton(i).Visible();
        return any;
    }

    // Leaves the About page by a key or by a click outside the link.
    static void leave(bool byKey)
    {
        if (byKey)
            window().raiseKeyDown("x");
        else
            window().raiseMouseDown(20, 250);
    }
};

TEST_F(AboutPage, FromTheIntroScreenAndBackLeavesTheControlsHidden)
{
    for (const bool byKey : {true, false}) {
        choose("AboutMerrowby");
        EXPECT_EQ(gWindow, ScreenAboutFromIntro);
        EXPECT_FALSE(anyVisible());
        paintCalls();
        EXPECT_EQ(window().Title(), "About Merrowby");
        leave(byKey);
        EXPECT_EQ(gWindow, ScreenIntro);
        EXPECT_FALSE(anyVisible());
        paintCalls();
        EXPECT_EQ(window().Title(), "Merrowby") << "the intro screen is not the About page";
    }
}

TEST_F(AboutPage, OverAnOpenQuestionHidesAndRestoresAllSeven)
{
    for (const bool byKey : {true, false}) {
        choose("StatisticalDataProducingData");
        window().answerButton(1).click();
        const Snapshot before = snapshot();
        choose("AboutMerrowby");
        EXPECT_EQ(gWindow, ScreenAboutFromQuiz);
        EXPECT_FALSE(anyVisible());
        leave(byKey);
        EXPECT_EQ(gWindow, ScreenQuiz);
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(AboutPage, OverAnAnsweredQuestionPassStaysHidden)
{
    choose("StatisticalDataProducingData");
    answerRight();
    const Snapshot before = snapshot();
    choose("AboutMerrowby");
    leave(true);
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(window().PassButton().Visible());
}

TEST_F(AboutPage, OverTheCongratulationsOnlyTheResetButtonComesBack)
{
    for (Integer k = 1; k <= 30; ++k)
        gQuestion(3, k) = StatusCorrect;
    gNumLeft(3) = 0;
    choose("StatisticalDataProducingData");
    paintCalls();
    const Snapshot before = snapshot();
    choose("AboutMerrowby");
    leave(false);
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(window().OkayButton().Visible());
    EXPECT_FALSE(window().PassButton().Visible());
    EXPECT_FALSE(window().answerButton(0).Visible());
}

TEST_F(AboutPage, AboutOnTheAboutPageChangesNothingButRepaints)
{
    choose("StatisticalDataProducingData");
    const Snapshot before = snapshot();
    choose("AboutMerrowby");
    const long refreshes = window().refreshRequests();
    choose("AboutMerrowby");
    EXPECT_EQ(gWindow, ScreenAboutFromQuiz);
    EXPECT_EQ(window().refreshRequests(), refreshes + 1);
    leave(true);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(AboutPage, TheLinkZoneHasExactEdges)
{
    choose("AboutMerrowby");
    gURLleft = 200;
    gURLright = 400;
    const struct {
        Integer x, y;
        bool opens;
    } clicks[] = {
        {201, 99, true},   {394, 112, true}, {300, 105, true},  {200, 105, false},
        {395, 105, false}, {300, 98, false}, {300, 113, false},
    };
    for (const auto& click : clicks) {
        SCOPED_TRACE(std::to_string(click.x) + ", " + std::to_string(click.y));
        openedURLs().clear();
        gWindow = ScreenAboutFromQuiz;
        window().raiseMouseDown(click.x, click.y);
        if (click.opens) {
            ASSERT_EQ(openedURLs().size(), 1u);
            EXPECT_EQ(openedURLs()[0], ui::about::DownloadURL);
            EXPECT_EQ(gWindow, ScreenAboutFromQuiz);
        } else {
            EXPECT_TRUE(openedURLs().empty());
            EXPECT_EQ(gWindow, ScreenQuiz);
        }
    }
}

TEST_F(AboutPage, TheLinkOpensThePageItShows)
{
    choose("AboutMerrowby");
    const auto calls = paintCalls();
    const std::string drawn = "DrawString(\"" + std::string(ui::about::DownloadURL) + "\", " +
                              std::to_string(gURLleft) + ", 110)";
    EXPECT_NE(std::find(calls.begin(), calls.end(), drawn), calls.end());
    window().raiseMouseDown(gURLleft + 1, 105);
    ASSERT_EQ(openedURLs().size(), 1u);
    EXPECT_EQ(openedURLs()[0], ui::about::DownloadURL);
}

TEST_F(AboutPage, ClicksOutsideTheWindowOrOffTheAboutPageDoNothing)
{
    choose("AboutMerrowby");
    for (const auto& [x, y] : {std::pair<Integer, Integer>{511, 50}, {50, 306}, {600, 400}}) {
        window().raiseMouseDown(x, y);
        EXPECT_EQ(gWindow, ScreenAboutFromIntro);
    }
    leave(true);
    choose("StatisticalDataProducingData");
    const Snapshot before = snapshot();
    const long refreshes = window().refreshRequests();
    window().raiseMouseDown(300, 105);
    EXPECT_EQ(window().refreshRequests(), refreshes);
    window().raiseKeyDown("a");
    EXPECT_EQ(window().refreshRequests(), refreshes + 1);
    EXPECT_EQ(gWindow, ScreenQuiz);
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(openedURLs().empty());
}

TEST_F(AboutPage, AMenuItemOnTheAboutPageShowsAQuestion)
{
    choose("AboutMerrowby");
    choose("StatisticalDataProducingData");
    EXPECT_EQ(gWindow, ScreenQuiz);
    EXPECT_TRUE(window().answerButton(0).Visible());
    EXPECT_TRUE(window().PassButton().Visible());
}

// As Qt delivers them: a click is a press of the primary button, and a modifier pressed
// alone is no key.
TEST_F(AboutPage, OnlyThePrimaryButtonClicksAndAModifierAloneIsNoKey)
{
    choose("AboutMerrowby");
    paintCalls();
    QWidget* content = framework::qt::nativeWindow(window())->centralWidget();
    const QPointF onLink(static_cast<double>(gURLleft + 1), 105);
    const QPointF offLink(20, 250);
    const auto press = [content](QPointF at, Qt::MouseButton button) {
        QMouseEvent event(QEvent::MouseButtonPress, at, content->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(content, &event);
    };
    const auto key = [content](int code, const QString& text) {
        QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier, text);
        QApplication::sendEvent(content, &event);
    };

    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::BackButton})
        for (const QPointF at : {onLink, offLink}) {
            press(at, button);
            EXPECT_TRUE(openedURLs().empty()) << "button " << button;
            EXPECT_EQ(gWindow, ScreenAboutFromIntro) << "button " << button;
        }
    for (const int modifier : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr, Qt::Key_Meta,
                               Qt::Key_Super_L, Qt::Key_Super_R, Qt::Key_CapsLock, Qt::Key_NumLock}) {
        key(modifier, {});
        EXPECT_EQ(gWindow, ScreenAboutFromIntro) << "key " << modifier;
    }

    press(onLink, Qt::LeftButton);
    ASSERT_EQ(openedURLs().size(), 1u);
    EXPECT_EQ(gWindow, ScreenAboutFromIntro);
    key(Qt::Key_F5, {}); // a key without text is still a key
    EXPECT_EQ(gWindow, ScreenIntro);
    choose("AboutMerrowby");
    press(offLink, Qt::LeftButton);
    EXPECT_EQ(gWindow, ScreenIntro);
}

} // namespace
