#include "support/AppHarness.h"

#include "banks/Banks.h"
#include "framework/Exceptions.h"
#include "framework/Window.h"
#include "framework/qt/QtPlatform.h"
#include "quiz/Layout.h"
#include "quiz/Module1.h"
#include "quiz/QuestionBank.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>

#include <set>

using namespace Module1;
using testing_support::AppTest;

namespace {

// Visible / enabled of the seven controls, and the caption of "Okay".
struct Controls {
    std::array<std::pair<bool, bool>, 5> answers;
    std::pair<bool, bool> pass;
    std::pair<bool, bool> okay;
    std::string caption;
};

class QuestionCycle : public AppTest {
protected:
    static Controls controls()
    {
        Controls c;
        for (Integer i = 0; i < 5; ++i)
            c.answers[static_cast<std::size_t>(i)] = {window().answerButton(i).Visible(),
                                                      window().answerButton(i).Enabled()};
        c.pass = {window().PassButton().Visible(), window().PassButton().Enabled()};
        c.okay = {window().OkayButton().Visible(), window().OkayButton().Enabled()};
        c.caption = window().OkayButton().Caption();
        return c;
    }

    static void expectAnswers(bool visible, bool enabled)
    {
        for (Integer i = 0; i < 5; ++i) {
            EXPECT_EQ(window().answerButton(i).Visible(), visible) << "answer button " << i;
            EXPECT_EQ(window().answerButton(i).Enabled(), enabled) << "answer button " << i;
        }
    }

    static void expectButton(framework::PushButton& button, bool visible, bool enabled)
    {
        EXPECT_EQ(button.Visible(), visible) << button.Name();
        EXPECT_EQ(button.Enabled(), enabled) << button.Name();
    }

    static Integer selected()
    {
        Integer found = 0;
        for (Integer i = 0; i < 5; ++i)
            if (window().answerButton(i).Value())
                found = found ? -1 : i + 1;
        return found;
    }

    static Integer wrongAnswer() { return gCorrAnswer == 1 ? 2 : 1; }

    static void finishCategoryBut(Integer category, Integer keep, Integer status)
    {
        for (Integer k = 1; k <= 30; ++k)
            if (k != keep) {
                gQuestion(category, k) = status;
                --gNumLeft(category);
            }
    }

    static Integer openCount(Integer category)
    {
        Integer open = 0;
        for (Integer k = 1; k <= 30; ++k)
            open += gQuestion(category, k) == StatusOpen;
        return open;
    }
};

TEST_F(QuestionCycle, TheOpenWindowShowsTheIntroWithEveryQuestionOpen)
{
    EXPECT_EQ(gWindow, ScreenIntro);
    EXPECT_EQ(gType, 0);
    EXPECT_EQ(gWhichQ, 0);
    EXPECT_EQ(gWndMsg, "Random Category");
    EXPECT_EQ(gNumQ(0), 0);
    EXPECT_EQ(gNumLeft(0), 0);
    for (Integer c = 1; c <= 10; ++c) {
        EXPECT_EQ(gNumQ(c), 30);
        EXPECT_EQ(gNumLeft(c), 30);
        EXPECT_EQ(openCount(c), 30);
    }
    EXPECT_EQ(window().Title(), "Merrowby");
    EXPECT_EQ(window().OkayButton().Left(), 438);
    EXPECT_EQ(window().PassButton().Left(), 368);
    EXPECT_EQ(window().OkayButton().Top(), 273);
    EXPECT_EQ(window().PassButton().Top(), 273);
    EXPECT_EQ(window().OkayButton().Caption(), "Okay");
    EXPECT_TRUE(window().OkayButton().Default());
    expectAnswers(false, false);
    expectButton(window().OkayButton(), false, false);
    expectButton(window().PassButton(), false, false);
    for (Integer i = 0; i < 5; ++i) {
        EXPECT_EQ(window().answerButton(i).Left(), 50);
        EXPECT_EQ(window().answerButton(i).Top(), layout::answerTop(layout::MaxQuestionLines, i));
    }
    // A sans-serif face for the questions: the metric-compatible Arial is listed.
    EXPECT_EQ(gFont, "arial");
}

TEST_F(QuestionCycle, QtShowsTheControlsWhereTheWindowPutsThem)
{
    choose("StatisticalDataProducingData");
    QMainWindow* frame = framework::qt::nativeWindow(window());
    auto* okay = frame->findChild<QPushButton*>("OkayButton");
    ASSERT_NE(okay, nullptr);
    EXPECT_EQ(okay->geometry(), QRect(438, 273, 60, 20));
    EXPECT_EQ(okay->text(), "Okay");
    EXPECT_FALSE(okay->isEnabled());
    const auto radios = frame->findChildren<QRadioButton*>("answerButton");
    ASSERT_EQ(radios.size(), 5);
    for (QRadioButton* radio : radios) {
        const auto i = radio->property("index").toLongLong();
        EXPECT_EQ(radio->geometry(), QRect(50, static_cast<int>(layout::answerTop(gNumLinesQ, i)), 15, 15));
    }
    EXPECT_EQ(frame->centralWidget()->size(), QSize(511, 306));

    radios[2]->click(); // as the user does
    EXPECT_EQ(gUserAnswer, radios[2]->property("index").toLongLong() + 1);
    EXPECT_TRUE(okay->isEnabled());
}

TEST_F(QuestionCycle, AQuestionIsShownWithItsAnswersReady)
{
    const Category& producing = category(3);
    choose(producing.item);
    EXPECT_EQ(gType, producing.type);
    EXPECT_GE(gWhichQ, 1);
    EXPECT_LE(gWhichQ, 30);
    EXPECT_EQ(window().Title(), producing.title);
    expectAnswers(true, true);
    EXPECT_EQ(selected(), 0);
    expectButton(window().OkayButton(), true, false);
    EXPECT_EQ(window().OkayButton().Caption(), "Okay");
    expectButton(window().PassButton(), true, true);
    for (Integer i = 0; i < 5; ++i)
        EXPECT_EQ(window().answerButton(i).Top(), layout::answerTop(gNumLinesQ, i));

    paintCalls();
    EXPECT_EQ(window().Title(), "Merrowby");
}

TEST_F(QuestionCycle, ChoosingAnAnswerEnablesOkay)
{
    choose("StatisticalDataProducingData");
    window().answerButton(2).click();
    EXPECT_EQ(gUserAnswer, 3);
    EXPECT_TRUE(window().OkayButton().Enabled());
    EXPECT_EQ(selected(), 3);
    window().answerButton(4).click();
    EXPECT_EQ(gUserAnswer, 5);
    EXPECT_EQ(selected(), 5);
}

TEST_F(QuestionCycle, AWrongAnswerShowsItsHintAndKeepsTheQuestionOpen)
{
    choose("StatisticalDataProducingData");
    const Integer q = gWhichQ;
    const Integer wrong = wrongAnswer();
    answer(wrong);
    EXPECT_EQ(gQuestion(3, q), StatusOpen);
    EXPECT_EQ(gNumLeft(3), 30);
    expectButton(window().OkayButton(), true, false);
    EXPECT_EQ(window().OkayButton().Caption(), "Okay");
    expectButton(window().PassButton(), true, true);
    expectAnswers(true, true);

    const auto calls = paintCalls();
    const std::string hintLine = "DrawString(\"" + gMsgH(1, wrong) + "\", 10, " +
                                 std::to_string(layout::hintBaseline(gNumLinesQ, 1)) + ")";
    EXPECT_NE(std::find(calls.begin(), calls.end(), hintLine), calls.end());

    // Picking the right answer without checking it must not reveal its "Yes".
    window().answerButton(gCorrAnswer - 1).click();
    EXPECT_TRUE(window().OkayButton().Enabled());
    const auto after = paintCalls();
    EXPECT_NE(std::find(after.begin(), after.end(), hintLine), after.end());
    for (const auto& call : after)
        EXPECT_EQ(call.find("\"" + gMsgH(1, gCorrAnswer) + "\""), std::string::npos) << call;
}

TEST_F(QuestionCycle, ARightAnswerLocksTheAnswersAndOffersAnother)
{
    choose("StatisticalDataProducingData");
    const Integer q = gWhichQ;
    answer(wrongAnswer());
    answerRight();
    EXPECT_EQ(gQuestion(3, q), StatusCorrect);
    EXPECT_EQ(gNumLeft(3), 29);
    expectAnswers(true, false);
    EXPECT_EQ(selected(), gCorrAnswer);
    expectButton(window().PassButton(), false, true);
    expectButton(window().OkayButton(), true, true);
    EXPECT_EQ(window().OkayButton().Caption(), "Another");

    const Integer right = gCorrAnswer;
    window().OkayButton().click(); // "Another"
    EXPECT_EQ(window().answerButton(right - 1).Value(), false);
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(gUserAnswer, 0);
    EXPECT_NE(gQuestion(3, gWhichQ), StatusCorrect);
    EXPECT_EQ(window().OkayButton().Caption(), "Okay");
    expectButton(window().PassButton(), true, true);
}

TEST_F(QuestionCycle, PassMarksTheQuestionPassedAndMovesOn)
{
    choose("StatisticalDataProducingData");
    const Integer q = gWhichQ;
    answer(wrongAnswer());
    window().answerButton(gCorrAnswer - 1).click();
    const Integer chosen = gUserAnswer;
    window().PassButton().click();
    EXPECT_EQ(gQuestion(3, q), StatusPassed);
    EXPECT_EQ(gNumLeft(3), 29);
    EXPECT_EQ(gUserAnswer, 0);
    EXPECT_FALSE(window().answerButton(chosen - 1).Value());
    EXPECT_NE(gWhichQ, q);
    EXPECT_EQ(gNumLeft(3), openCount(3));
}

TEST_F(QuestionCycle, PassActsOnlyOnAnOpenQuestion)
{
    choose("StatisticalDataProducingData");
    const Integer q = gWhichQ;
    answerRight();
    // "Pass" is hidden now; even a stray press must not count the question twice.
    window().PassButton().setVisible(true);
    window().PassButton().click();
    EXPECT_EQ(gQuestion(3, q), StatusCorrect);
    EXPECT_EQ(gNumLeft(3), openCount(3));
}

TEST_F(QuestionCycle, TheLastRightAnswerEndsTheCategoryWithReset)
{
    choose("StatisticalDataProducingData");
    finishCategoryBut(3, gWhichQ, StatusCorrect);
    answerRight();
    window().OkayButton().click(); // "Another"
    EXPECT_EQ(gWhichQ, NoneLeft);
    expectAnswers(false, false);
    expectButton(window().PassButton(), false, false);
    expectButton(window().OkayButton(), true, true);
    paintCalls();
    EXPECT_EQ(window().OkayButton().Caption(), "Reset");

    window().OkayButton().click(); // "Reset"
    EXPECT_EQ(gNumLeft(3), 30);
    EXPECT_EQ(openCount(3), 30);
    EXPECT_GE(gWhichQ, 1);
    expectAnswers(true, true);
    EXPECT_EQ(window().OkayButton().Caption(), "Okay");
}

TEST_F(QuestionCycle, PassedQuestionsComeBackWithRetry)
{
    choose("StatisticalDataProducingData");
    finishCategoryBut(3, gWhichQ, StatusPassed);
    const Integer last = gWhichQ;
    window().PassButton().click();
    EXPECT_EQ(gWhichQ, OnlyPassedLeft);
    paintCalls();
    EXPECT_EQ(window().OkayButton().Caption(), "Retry");

    window().OkayButton().click(); // "Retry"
    EXPECT_EQ(gNumLeft(3), 30);
    EXPECT_EQ(openCount(3), 30);
    EXPECT_GE(gWhichQ, 1);
    (void)last;
}

// Input that Qt has queued reaches the window before the paint that renames "Okay": a
// press of Return (the default button) right after the last question ends.
TEST_F(QuestionCycle, OkayQueuedBeforeTheEndPaintLeavesRetryOrResetUsable)
{
    const struct {
        const char* how;
        const char* caption;
    } cases[] = {{"Pass", "Retry"}, {"menu", "Reset"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        SetUp();
        const long reportedBefore = framework::unhandledExceptionCount();
        choose("StatisticalDataProducingData");
        QMainWindow* frame = framework::qt::nativeWindow(window());
        QWidget* canvas = frame->centralWidget();
        if (std::string(c.how) == "Pass") {
            finishCategoryBut(3, gWhichQ, StatusPassed);
            QMetaObject::invokeMethod(frame->findChild<QPushButton*>("PassButton"), "click", Qt::QueuedConnection);
        } else {
            finishCategoryBut(1, 0, StatusCorrect);
            // The right answer of the question on screen stays chosen.
            window().answerButton(gCorrAnswer - 1).click();
            QMetaObject::invokeMethod(action("StatisticalDataDisplayingData"), "trigger", Qt::QueuedConnection);
        }
        QCoreApplication::postEvent(canvas, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r"));
        QCoreApplication::processEvents();
        paintCalls();
        EXPECT_LT(gWhichQ, 0);
        EXPECT_EQ(window().OkayButton().Caption(), c.caption);
        expectButton(window().OkayButton(), true, true);
        auto* okay = frame->findChild<QPushButton*>("OkayButton");
        EXPECT_TRUE(okay->isEnabled());
        EXPECT_TRUE(okay->isVisible());
        EXPECT_EQ(framework::unhandledExceptionCount(), reportedBefore);
    }
}

TEST_F(QuestionCycle, RandomModeAsksFromTheBanksThatHoldQuestions)
{
    for (int i = 0; i < 40; ++i) {
        choose("StatisticalInferenceRandomCategories");
        ASSERT_GE(gWhichQ, 1);
        EXPECT_NE(questionBank(gType), nullptr) << "category " << gType;
        EXPECT_EQ(window().Title(), "Random Category");
        EXPECT_FALSE(gMsgQ(1).empty());
    }
}

TEST_F(QuestionCycle, ClosingTheWindowAndChoosingAnItemOpensAFreshOne)
{
    choose("StatisticalDataProducingData");
    answerRight();
    auto* first = &window();
    first->Close();
    EXPECT_EQ(framework::GetImplicitWindow(ui::mainWindowClass::ClassName), nullptr);

    EXPECT_TRUE(application().chooseMenuItem("AboutMerrowby"));
    auto* second = framework::GetImplicitWindow(ui::mainWindowClass::ClassName);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    // The new window's Open started the quiz afresh.
    EXPECT_EQ(gNumLeft(3), 30);
    EXPECT_EQ(gWndMsg, "Random Category");
    EXPECT_EQ(gWindow, ScreenAboutFromIntro);
}

TEST_F(QuestionCycle, AnsweringAllThreeHundredInRandomModeEndsWithResetWhichOpensThemAgain)
{
    choose("StatisticalInferenceRandomCategories");
    std::set<std::pair<Integer, Integer>> asked;
    for (int tries = 0; tries < 300 && gWhichQ > 0; ++tries) {
        ASSERT_TRUE(asked.insert({gType, gWhichQ}).second) << "asked twice: " << gType << "/" << gWhichQ;
        answerRight();
        ASSERT_EQ(window().OkayButton().Caption(), "Another");
        window().OkayButton().click();
    }
    EXPECT_EQ(asked.size(), 300u);
    EXPECT_EQ(gWhichQ, NoneLeft);
    const auto calls = paintCalls();
    EXPECT_NE(
        std::find(calls.begin(), calls.end(),
                  "DrawString(\"Congratulations!  You have correctly answered all 300 questions in this\", 10, 25)"),
        calls.end());
    EXPECT_EQ(window().OkayButton().Caption(), "Reset");

    window().OkayButton().click();
    for (Integer c = 1; c <= 10; ++c) {
        EXPECT_EQ(gNumLeft(c), 30);
        EXPECT_EQ(openCount(c), 30);
    }
    EXPECT_GE(gWhichQ, 1);
    EXPECT_EQ(window().OkayButton().Caption(), "Okay");
}

// A failing test can be run again and meets the same questions.
TEST_F(QuestionCycle, EachTestStartsFromTheSameDraws)
{
    auto firstQuestions = [this] {
        SetUp();
        std::vector<std::pair<Integer, Integer>> drawn;
        for (int i = 0; i < 5; ++i) {
            choose("StatisticalInferenceRandomCategories");
            drawn.emplace_back(gType, gWhichQ);
            window().PassButton().click();
        }
        return drawn;
    };
    const auto first = firstQuestions();
    EXPECT_EQ(firstQuestions(), first);
}

} // namespace
