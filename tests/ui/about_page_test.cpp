#include "support/AppHarness.h"

#include "quiz/Module1.h"
#include "ui/AboutPage.h"

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

} // namespace
