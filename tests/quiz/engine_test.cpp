#include "framework/Controls.h"
#include "framework/Runtime.h"
#include "quiz/Engine.h"
#include "quiz/Module1.h"
#include "quiz/QuestionBank.h"
#include "quiz/QuizWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace Module1;

namespace {

// The seven controls and the title, without a window system.
class FakeWindow : public QuizWindow {
public:
    void setTitle(const std::string& t) override { title = t; }
    void Refresh() override { ++refreshes; }
    framework::PushButton& OkayButton() override { return okay; }
    framework::PushButton& PassButton() override { return pass; }
    framework::RadioButton& answerButton(Integer index) override
    {
        if (index < 0 || index > 4)
            throw framework::NilObjectException("no answer button");
        return *answers[static_cast<std::size_t>(index)];
    }

    std::string title;
    int refreshes = 0;
    framework::PushButton okay{"OkayButton"};
    framework::PushButton pass{"PassButton"};
    std::vector<std::unique_ptr<framework::RadioButton>> answers = [] {
        std::vector<std::unique_ptr<framework::RadioButton>> made;
        for (Integer i = 0; i < 5; ++i)
            made.push_back(std::make_unique<framework::RadioButton>("answerButton", i));
        return made;
    }();
};

struct Call {
    Integer category;
    Integer question;
};

std::vector<Call> bankCalls;

// Question k of every category: right answer 1 + k mod 5, 1 + k mod 5 lines.
void fakeBank()
{
    bankCalls.push_back({gType, gWhichQ});
    gCorrAnswer = 1 + gWhichQ % 5;
    gNumLinesQ = 1 + gWhichQ % 5;
}

class Engine : public ::testing::Test {
protected:
    void SetUp() override
    {
        state() = State{};
        bankCalls.clear();
        window = std::make_unique<FakeWindow>();
        installWindowAccessor([this]() -> QuizWindow& { return *window; });
        for (Integer c = 1; c <= NumCategories; ++c) {
            installQuestionBank(c, fakeBank);
            gNumQ(c) = 30;
        }
        gWndMsg = RandomCategory;
        resetQ();
    }

    void TearDown() override
    {
        framework::setRandomSource(nullptr);
        installWindowAccessor(nullptr);
        for (Integer c = 1; c <= NumCategories; ++c)
            installQuestionBank(c, nullptr);
    }

    static void script(std::vector<double> values)
    {
        auto next = std::make_shared<std::size_t>(0);
        framework::setRandomSource(
            [values = std::move(values), next] { return values[std::min((*next)++, values.size() - 1)]; });
    }

    static void chooseCategory(Integer c)
    {
        gType = c;
        gWndMsg = "Some Category";
        ChooseQuestion();
    }

    static Integer openCount(Integer c)
    {
        Integer open = 0;
        for (Integer k = 1; k <= gNumQ(c); ++k)
            open += gQuestion(c, k) == StatusOpen;
        return open;
    }

    static void expectCountsMatchStatuses()
    {
        for (Integer c = 1; c <= NumCategories; ++c)
            EXPECT_EQ(gNumLeft(c), openCount(c)) << "category " << c;
    }

    // Marks every question of the category but the listed ones.
    static void finishAllBut(Integer c, std::vector<Integer> keep, Integer status = StatusCorrect)
    {
        for (Integer k = 1; k <= 30; ++k)
            if (std::find(keep.begin(), keep.end(), k) == keep.end()) {
                gQuestion(c, k) = status;
                if (status != StatusOpen)
                    --gNumLeft(c);
            }
    }

    std::unique_ptr<FakeWindow> window;
};

TEST_F(Engine, ChoosingACategoryShowsAnOpenQuestionOfIt)
{
    script({0.1}); // Round(30 x 0.1) = 3
    chooseCategory(4);
    EXPECT_EQ(window->title, "Some Category");
    EXPECT_EQ(gWindow, ScreenQuiz);
    EXPECT_EQ(gWhichQ, 3);
    ASSERT_EQ(bankCalls.size(), 1u);
    EXPECT_EQ(bankCalls[0].category, 4);
    EXPECT_EQ(bankCalls[0].question, 3);
    EXPECT_EQ(gGraph, 0);
    EXPECT_EQ(window->refreshes, 1);
}

TEST_F(Engine, TheQuestionDrawRejectsZeroAndQuestionsNotOpen)
{
    gQuestion(2, 15) = StatusCorrect;
    gQuestion(2, 6) = StatusPassed;
    gNumLeft(2) -= 2;
    // 0, then 15 (answered), then 6 (passed), then 9.
    script({0.0, 0.5, 0.2, 0.3});
    chooseCategory(2);
    EXPECT_EQ(gWhichQ, 9);
}

TEST_F(Engine, TheGraphFlagIsClearedBeforeTheBankIsCalled)
{
    gGraph = 1;
    script({0.5});
    chooseCategory(1);
    EXPECT_EQ(gGraph, 0);
}

TEST_F(Engine, ShowQuestionPlacesTheControlsUnderTheQuestionLines)
{
    const struct {
        Integer lines;
        Integer rule;
        std::array<Integer, 5> tops;
    } cases[] = {
        {1, 38, {50, 70, 90, 110, 130}},
        {4, 98, {110, 130, 150, 170, 190}},
        {5, 118, {130, 150, 170, 190, 210}},
    };
    for (const auto& c : cases) {
        gNumLinesQ = c.lines;
        gUserAnswer = 3;
        window->answers[2]->setValue(true);
        window->okay.setCaption("Another");
        gPaintHint = 1;
        showQuestion();
        EXPECT_EQ(gLine, c.rule);
        EXPECT_EQ(gUserAnswer, 0);
        EXPECT_EQ(gPaintHint, 0);
        for (std::size_t i = 0; i < 5; ++i) {
            const auto& button = *window->answers[i];
            EXPECT_EQ(button.Top(), c.tops[i]) << c.lines << " lines, button " << i;
            EXPECT_TRUE(button.Visible());
            EXPECT_TRUE(button.Enabled());
            EXPECT_FALSE(button.Value());
        }
        EXPECT_EQ(window->okay.Caption(), "Okay");
        EXPECT_TRUE(window->okay.Visible());
        EXPECT_FALSE(window->okay.Enabled());
        EXPECT_TRUE(window->pass.Visible());
        EXPECT_TRUE(window->pass.Enabled());
    }
}

TEST_F(Engine, ARightAnswerCountsAndLocksTheAnswers)
{
    script({0.1});
    chooseCategory(5); // question 3: right answer 4
    gUserAnswer = 4;
    showHint();
    EXPECT_EQ(gQuestion(5, 3), StatusCorrect);
    EXPECT_EQ(gNumLeft(5), 29);
    for (const auto& button : window->answers) {
        EXPECT_FALSE(button->Enabled());
        EXPECT_TRUE(button->Visible());
    }
    EXPECT_FALSE(window->pass.Visible());
    EXPECT_TRUE(window->pass.Enabled());
    EXPECT_EQ(window->okay.Caption(), "Another");
    EXPECT_EQ(gPaintHint, 1);
    expectCountsMatchStatuses();
}

TEST_F(Engine, AWrongAnswerChangesNothingButOkay)
{
    script({0.1});
    chooseCategory(5);
    window->okay.setEnabled(true);
    gUserAnswer = 2;
    showHint();
    EXPECT_EQ(gQuestion(5, 3), StatusOpen);
    EXPECT_EQ(gNumLeft(5), 30);
    EXPECT_FALSE(window->okay.Enabled());
    EXPECT_EQ(window->okay.Caption(), "Okay");
    EXPECT_TRUE(window->pass.Visible());
    EXPECT_TRUE(window->answers[0]->Enabled());
    EXPECT_EQ(gPaintHint, 1);
    EXPECT_EQ(gHintAnswer, 2);
}

TEST_F(Engine, TheEndOfACategoryIsNoneLeftOrOnlyPassedLeft)
{
    const struct {
        Integer lastStatus;
        Integer expected;
    } cases[] = {{StatusCorrect, NoneLeft}, {StatusPassed, OnlyPassedLeft}};
    for (const auto& c : cases) {
        SetUp();
        finishAllBut(6, {30});
        gQuestion(6, 30) = c.lastStatus;
        --gNumLeft(6);
        chooseCategory(6);
        EXPECT_EQ(gWhichQ, c.expected);
        EXPECT_TRUE(bankCalls.empty());
        EXPECT_EQ(gType, 6);
        EXPECT_EQ(gLine, 0);
        EXPECT_EQ(gGraph, 0);
        for (const auto& button : window->answers) {
            EXPECT_FALSE(button->Visible());
            EXPECT_FALSE(button->Enabled());
        }
        EXPECT_FALSE(window->pass.Visible());
        EXPECT_FALSE(window->pass.Enabled());
        EXPECT_TRUE(window->okay.Visible());
        EXPECT_TRUE(window->okay.Enabled());
    }
}

// Qt may deliver an "Okay" queued before the paint that renames the button; the answer
// chosen may be none, or the right one of the question left by a menu choice.
TEST_F(Engine, OkayWhileNoQuestionIsShownChangesNothing)
{
    const struct {
        Integer whichQ;
        Integer userAnswer;
    } cases[] = {{NoneLeft, 0}, {OnlyPassedLeft, 0}, {0, 0}, {NoneLeft, 3}, {OnlyPassedLeft, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE("gWhichQ " + std::to_string(c.whichQ) + ", answer " + std::to_string(c.userAnswer));
        SetUp();
        gQuestion(6, 30) = StatusPassed;
        --gNumLeft(6);
        gType = 6;
        gCorrAnswer = 3;
        gUserAnswer = c.userAnswer;
        gWhichQ = c.whichQ;
        noQuestions();
        window->okay.setCaption("Okay");
        const auto numLeft = gNumLeft(6);
        showHint();
        EXPECT_TRUE(window->okay.Enabled());
        EXPECT_TRUE(window->okay.Visible());
        EXPECT_EQ(gPaintHint, 0);
        EXPECT_EQ(gNumLeft(6), numLeft);
        EXPECT_EQ(gQuestion(6, 30), StatusPassed);
        expectCountsMatchStatuses();
    }
}

TEST_F(Engine, ACountAtOrBelowZeroEndsTheCategoryWithoutADraw)
{
    gNumLeft(7) = -1;
    framework::setRandomSource([]() -> double {
        ADD_FAILURE() << "no draw expected";
        return 0.5;
    });
    chooseCategory(7);
    EXPECT_EQ(gWhichQ, NoneLeft);
}

TEST_F(Engine, RandomModeDrawsOnlyCategoriesWithOpenQuestions)
{
    for (Integer c = 1; c <= 9; ++c)
        finishAllBut(c, {});
    // Draws of 0, 3 and 7 are rejected; 10 comes only from 10 x r >= 9.5.
    script({0.0, 0.3, 0.7, 0.96, 0.5});
    gWndMsg = RandomCategory;
    ChooseQuestion();
    EXPECT_EQ(gType, 10);
    EXPECT_EQ(window->title, RandomCategory);
    ASSERT_EQ(bankCalls.size(), 1u);
    EXPECT_EQ(bankCalls[0].category, 10);
    EXPECT_EQ(gWhichQ, 15);
}

TEST_F(Engine, RandomModeEndsOnlyWhenAllTenCategoriesAreDone)
{
    for (Integer c = 1; c <= 10; ++c)
        finishAllBut(c, {});
    gQuestion(9, 4) = StatusPassed;
    gWndMsg = RandomCategory;
    gType = 2;
    ChooseQuestion();
    EXPECT_EQ(gWhichQ, OnlyPassedLeft);
    EXPECT_EQ(gType, 2);

    gQuestion(9, 4) = StatusCorrect;
    ChooseQuestion();
    EXPECT_EQ(gWhichQ, NoneLeft);
}

// Every category holds passed questions at both ends and an answered one between; the scope
// is one category (the first, a middle one, the last) or, in random mode, all ten.
TEST_F(Engine, RetryAndResetReopenTheirScopeOnly)
{
    const struct {
        const char* mode;
        Integer type;
        Integer first;
        Integer last;
    } cases[] = {
        {"Some Category", 1, 1, 1}, {"Some Category", 8, 8, 8},  {"Some Category", 10, 10, 10},
        {RandomCategory, 1, 1, 10}, {RandomCategory, 10, 1, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + ", category " + std::to_string(c.type));
        SetUp();
        for (Integer category = 1; category <= NumCategories; ++category) {
            gQuestion(category, 1) = StatusPassed;
            gQuestion(category, 30) = StatusPassed;
            gQuestion(category, 3) = StatusCorrect;
            gNumLeft(category) -= 3;
        }
        gWndMsg = c.mode;
        gType = c.type;
        const auto inScope = [&c](Integer category) { return category >= c.first && category <= c.last; };

        retryQ();
        for (Integer category = 1; category <= NumCategories; ++category) {
            const Integer ends = inScope(category) ? StatusOpen : StatusPassed;
            EXPECT_EQ(gQuestion(category, 1), ends) << "category " << category;
            EXPECT_EQ(gQuestion(category, 30), ends) << "category " << category;
            EXPECT_EQ(gQuestion(category, 3), StatusCorrect) << "category " << category;
        }
        expectCountsMatchStatuses();

        resetQ();
        for (Integer category = 1; category <= NumCategories; ++category) {
            EXPECT_EQ(gNumLeft(category), inScope(category) ? 30 : 27) << "category " << category;
            EXPECT_EQ(gQuestion(category, 3), inScope(category) ? StatusOpen : StatusCorrect)
                << "category " << category;
        }
        expectCountsMatchStatuses();
    }
}

TEST_F(Engine, AMissingBankRaisesNilObjectException)
{
    installQuestionBank(5, nullptr);
    script({0.5});
    gType = 5;
    gWndMsg = "Estimation";
    EXPECT_THROW(ChooseQuestion(), framework::NilObjectException);
    EXPECT_EQ(gWhichQ, 15);
    EXPECT_EQ(window->refreshes, 0);
}

TEST_F(Engine, AMissingWindowEndsTheRoutineWithNilObjectException)
{
    installWindowAccessor(nullptr);
    gType = 1;
    EXPECT_THROW(ChooseQuestion(), framework::NilObjectException);
    EXPECT_TRUE(bankCalls.empty());
}

} // namespace
