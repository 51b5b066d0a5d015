#include "support/AppHarness.h"

#include "framework/Exceptions.h"
#include "framework/Runtime.h"
#include "quiz/Layout.h"
#include "quiz/Module1.h"
#include "support/RecordingGraphics.h"
#include "ui/AboutPage.h"
#include "ui/Version.h"

#include <limits>

using namespace Module1;
using testing_support::AppTest;
using testing_support::RecordingGraphics;

namespace {

constexpr int W = RecordingGraphics::CharWidth;

std::string centred(const std::string& text, int y)
{
    const double x = framework::Round((511.0 - W * static_cast<double>(text.size())) / 2);
    return "DrawString(\"" + text + "\", " + std::to_string(static_cast<Integer>(x)) + ", " + std::to_string(y) + ")";
}

std::string left(const std::string& text, int x, int y)
{
    return "DrawString(\"" + text + "\", " + std::to_string(x) + ", " + std::to_string(y) + ")";
}

class Screens : public AppTest {
protected:
    // A question of two lines whose answer 4 was checked and has a hint of three lines.
    static void twoLineQuestionWithHint()
    {
        gWindow = ScreenQuiz;
        gWhichQ = 7;
        gFont = "arial";
        gMsgQ(1) = "First line";
        gMsgQ(2) = "second line";
        gMsgQ(3) = "stale third line";
        gNumLinesQ = 2;
        for (Integer a = 1; a <= 5; ++a)
            gMsgA(a) = "answer " + std::to_string(a);
        gMsgH(1, 4) = "No, one";
        gMsgH(2, 4) = "two";
        gMsgH(3, 4) = "three";
        gMsgH(4, 4) = "stale";
        gNumLinesH(4) = 3;
        gUserAnswer = 4;
        gHintAnswer = 4;
        gPaintHint = 1;
        gLine = layout::ruleRow(2);
    }
};

TEST_F(Screens, TheIntroScreenDrawsTheNameAndElevenCentredLines)
{
    window().setTitle("About Merrowby");
    // clang-format off
    const std::vector<std::string> expected = {
        "TextSize(36)", "TextFont(\"Times\")", "ForeColor(21, 33, 204)", centred("Merrowby", 56),
        "TextSize(15)", "TextFont(\"Times\")", "ForeColor(0, 0, 0)",
        centred("This", 105), centred("software", 122), centred("has 100s of", 139),
        centred("multiple-choice", 156), centred("questions to help", 173), centred("you develop and test", 190),
        centred("your statistical reasoning.", 207), centred("Use the Statistical Data and", 224),
        centred("the Statistical Inference menus to", 241), centred("choose the kind of questions you would", 258),
        centred(std::string("like to be asked.  ") + ui::about::AuthorshipNotice, 275),
    };
    // clang-format on
    EXPECT_EQ(paintCalls(), expected);
    EXPECT_EQ(window().Title(), "About Merrowby") << "the intro screen sets no title";
}

TEST_F(Screens, TheQuestionScreenDrawsLinesAnswersHintAndRules)
{
    twoLineQuestionWithHint();
    // clang-format off
    const std::vector<std::string> expected = {
        "TextSize(12)", "TextFont(\"arial\")", "ForeColor(0, 0, 0)",
        left("First line", 10, 25), left("second line", 10, 45),
        left("answer 1", 70, 82), left("answer 2", 70, 102), left("answer 3", 70, 122),
        left("answer 4", 70, 142), left("answer 5", 70, 162),
        left("No, one", 10, 205), left("two", 10, 225), left("three", 10, 245),
        "ForeColor(21, 33, 204)", "DrawLine(0, 58, 511, 58)", "DrawLine(0, 178, 511, 178)",
    };
    // clang-format on
    EXPECT_EQ(paintCalls(), expected);
    EXPECT_EQ(window().Title(), "Merrowby");
}

TEST_F(Screens, WithoutACheckedAnswerNoHintIsDrawn)
{
    twoLineQuestionWithHint();
    gPaintHint = 0;
    for (const auto& call : paintCalls())
        EXPECT_EQ(call.find("No, one"), std::string::npos);
}

TEST_F(Screens, AFiveLineChartQuestionPutsTheRulesAt118And238)
{
    twoLineQuestionWithHint();
    gNumLinesQ = 5;
    gLine = 118;
    gPaintHint = 0;
    const auto calls = paintCalls();
    const std::vector<std::string> answers(calls.begin() + 3 + 5, calls.begin() + 3 + 10);
    EXPECT_EQ(answers.front(), left("answer 1", 70, 142));
    EXPECT_EQ(answers.back(), left("answer 5", 70, 222));
    EXPECT_EQ(calls[calls.size() - 2], "DrawLine(0, 118, 511, 118)");
    EXPECT_EQ(calls.back(), "DrawLine(0, 238, 511, 238)");
}

TEST_F(Screens, TheFourCongratulationsTextsWordForWord)
{
    const struct {
        Integer which;
        bool random;
        std::vector<std::string> lines;
        const char* caption;
        // clang-format off
    } cases[] = {
        {NoneLeft, true,
         {"Congratulations!  You have correctly answered all 300 questions in this",
          "program!  If you want to be asked the questions again, click the Reset",
          "button below.  Otherwise, please use the Help menu to quit Merrowby."},
         "Reset"},
        // clang-format on
        {NoneLeft,
         false,
         {"Congratulations!  You have correctly answered all 30 questions in this",
          "category.  If you want to answer the questions in this category again,",
          "click the Reset button.  Otherwise, please choose another category, or",
          "else use the Help menu to quit Merrowby."},
         "Reset"},
        {OnlyPassedLeft,
         true,
         {"You have correctly answered every question in this program, except for",
          "the ones you passed.  If you want to answer the questions you passed,",
          "click the Retry button.  Otherwise, use the Help menu to quit Merrowby."},
         "Retry"},
        {OnlyPassedLeft,
         false,
         {"You have correctly answered every question in this category, except for",
          "the ones you passed.  If you want to answer the questions you passed,",
          "click the Retry button below.  Otherwise, please choose another category,",
          "or else use the Help menu to quit Merrowby."},
         "Retry"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines[0]);
        gWindow = ScreenQuiz;
        gWhichQ = c.which;
        gWndMsg = c.random ? "Random Category" : "Producing Data";
        gType = 3;
        gFont = "arial";
        // Leftovers that the congratulations screen must not draw.
        gGraph = 1;
        gLine = 118;
        gPaintHint = 1;
        gNumLinesQ = 2;
        window().OkayButton().setCaption("Okay");
        std::vector<std::string> expected = {"TextSize(12)", "TextFont(\"arial\")", "ForeColor(0, 0, 0)"};
        for (std::size_t i = 0; i < c.lines.size(); ++i)
            expected.push_back(
                left(c.lines[i], 10, static_cast<int>(layout::questionBaseline(static_cast<Integer>(i) + 1))));
        EXPECT_EQ(paintCalls(), expected);
        EXPECT_EQ(window().OkayButton().Caption(), c.caption);
        EXPECT_EQ(window().Title(), "Merrowby");
    }
}

TEST_F(Screens, TheAboutPageRecordsTheLinkExtent)
{
    choose("AboutMerrowby");
    const std::string link = ui::about::DownloadURL;
    const Integer w = W * static_cast<Integer>(link.size());
    const auto x = static_cast<Integer>(framework::Round((511.0 - static_cast<double>(w)) / 2));
    // clang-format off
    std::vector<std::string> expected = {
        "TextSize(36)", "TextFont(\"Times\")", "ForeColor(21, 33, 204)", centred("Merrowby", 40),
        "TextSize(12)", "TextFont(\"Geneva\")", "ForeColor(0, 0, 0)",
        centred(std::string("Version ") + ui::version::Number + ", " + ui::version::Date, 70),
        left("The most recent version can be downloaded from", 10, 90),
        "ForeColor(23, 33, 204)", centred(link, 110),
        "DrawLine(" + std::to_string(x) + ", 113, " + std::to_string(x + w - 1) + ", 113)",
        "ForeColor(0, 0, 0)", left("Please send suggestions and questions to", 10, 130),
    };
    // clang-format on
    int y = 150;
    for (const char* line : ui::about::Contact)
        expected.push_back(centred(line, (y += 20) - 20));
    for (const char* line : ui::about::TermsOfUse)
        expected.push_back(centred(line, (y += 20) - 20));
    EXPECT_EQ(paintCalls(), expected);
    EXPECT_EQ(gURLleft, x);
    EXPECT_EQ(gURLright, x + w);
    EXPECT_EQ(window().Title(), "About Merrowby");
    EXPECT_EQ(std::string(ui::version::Number), PROJECT_VERSION_FOR_TESTS);
}

TEST_F(Screens, ALinkTwoHundredAndOnePixelsWideStandsFrom155To356)
{
    choose("AboutMerrowby");
    RecordingGraphics g;
    g.widthOf[ui::about::DownloadURL] = 201.6; // truncated to 201
    window().raisePaint(g);
    EXPECT_EQ(gURLleft, 155);
    EXPECT_EQ(gURLright, 356);
    const std::string link = ui::about::DownloadURL;
    EXPECT_NE(std::find(g.calls.begin(), g.calls.end(), "DrawString(\"" + link + "\", 155, 110)"), g.calls.end());
    EXPECT_NE(std::find(g.calls.begin(), g.calls.end(), "DrawLine(155, 113, 355, 113)"), g.calls.end());
}

TEST_F(Screens, ALinkOfEvenWidthRoundsItsHalfPixelAwayFromZero)
{
    // 511 - 201 = 310 halves to 155; 511 - 200 = 311 halves to 155.5, which rounds to 156.
    RecordingGraphics g;
    ui::drawPaintText(g, std::string(33, 'x') + "abc", 110, 1); // 36 characters, 216 pixels
    EXPECT_EQ(g.calls.back(), "DrawString(\"" + std::string(33, 'x') + "abc\", 148, 110)");
    g.calls.clear();
    ui::drawPaintText(g, std::string(35, 'y'), 110, 1); // 210 pixels: (511 - 210) / 2 = 150.5
    EXPECT_EQ(g.calls.back(), "DrawString(\"" + std::string(35, 'y') + "\", 151, 110)");
}

TEST_F(Screens, DrawPaintTextAlignsLeftCentreOrRightAndDrawsNothingElse)
{
    RecordingGraphics g;
    ui::drawPaintText(g, "abcd", 30, 0);
    ui::drawPaintText(g, "abcd", 30, 1);
    ui::drawPaintText(g, "abcd", 30, 2);
    ui::drawPaintText(g, "abcd", 30, 3);
    ui::drawPaintText(g, "abcd", 30, -1);
    EXPECT_EQ(g.calls, (std::vector<std::string>{left("abcd", 10, 30), left("abcd", 244, 30), left("abcd", 487, 30)}));
}

// A width truncates towards zero as the chart's labels do; one that no Integer holds raises
// the out-of-bounds exception instead of placing the text anywhere.
TEST_F(Screens, DrawPaintTextTruncatesTheWidthOrRaisesWhereNoIntegerHoldsIt)
{
    RecordingGraphics g;
    g.widthOf["wide"] = 41.9; // (511 - 41) / 2 = 235
    ui::drawPaintText(g, "wide", 30, 1);
    ui::drawPaintText(g, "wide", 30, 2);
    EXPECT_EQ(g.calls, (std::vector<std::string>{left("wide", 235, 30), left("wide", 470, 30)}));

    for (const double width :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300}) {
        g.widthOf["odd"] = width;
        for (const Integer align : {1, 2})
            EXPECT_THROW(ui::drawPaintText(g, "odd", 30, align), framework::OutOfBoundsException)
                << width << ", alignment " << align;
    }
}

TEST_F(Screens, EveryPaintPutsTheWindowBackInTheMiddleOfTheScreen)
{
    const auto screen = framework::Screen(0);
    for (const Integer screenKind : {ScreenIntro, ScreenQuiz, ScreenAboutFromIntro}) {
        gWindow = screenKind;
        window().setLeft(3);
        window().setTop(4);
        paintCalls();
        EXPECT_EQ(window().Left(), (screen.Width - 511) / 2);
        EXPECT_EQ(window().Top(), (screen.Height - 306) / 2);
    }
}

} // namespace
