#include "quiz/Engine.h"

#include "framework/Exceptions.h"
#include "framework/Runtime.h"
#include "quiz/Layout.h"
#include "quiz/Module1.h"
#include "quiz/QuestionBank.h"
#include "quiz/QuizWindow.h"

namespace Module1 {

namespace {

// Whole number 0 to n, from Rnd.
Integer draw(Integer n)
{
    return static_cast<Integer>(framework::Round(static_cast<double>(n) * framework::Rnd()));
}

void callBank(Integer category)
{
    const QuestionBank bank = questionBank(category);
    if (!bank)
        throw framework::NilObjectException("no question bank for category " + std::to_string(category));
    bank();
}

bool anyPassed(Integer category)
{
    for (Integer k = 1; k <= gNumQ(category); ++k)
        if (gQuestion(category, k) == StatusPassed)
            return true;
    return false;
}

} // namespace

void ChooseQuestion()
{
    mainWindow().setTitle(gWndMsg);
    gWindow = ScreenQuiz;

    if (randomMode()) {
        gWhichQ = NoneLeft;
        for (Integer c = 1; c <= NumCategories; ++c)
            if (gNumLeft(c) > 0)
                gWhichQ = 0;
        if (gWhichQ == NoneLeft) {
            for (Integer c = 1; c <= NumCategories; ++c)
                if (anyPassed(c))
                    gWhichQ = OnlyPassedLeft;
        } else {
            do
                gType = draw(NumCategories);
            while (gNumLeft(gType) <= 0);
        }
    } else {
        if (gNumLeft(gType) > 0) {
            gWhichQ = 0;
        } else {
            gWhichQ = NoneLeft;
            if (anyPassed(gType))
                gWhichQ = OnlyPassedLeft;
        }
    }

    if (gWhichQ == NoneLeft || gWhichQ == OnlyPassedLeft) {
        noQuestions();
    } else {
        Integer q = 0;
        do
            q = draw(gNumQ(gType));
        while (q < 1 || gQuestion(gType, q) != StatusOpen);
        gWhichQ = q;
        gGraph = 0;
        callBank(gType);
        showQuestion();
    }

    mainWindow().Refresh();
}

void showQuestion()
{
    const Integer n = gNumLinesQ;
    gLine = layout::ruleRow(n);
    gUserAnswer = 0;
    for (Integer i = 0; i <= 4; ++i) {
        auto& button = mainWindow().answerButton(i);
        button.setTop(layout::answerTop(n, i));
        button.setEnabled(true);
        button.setValue(false);
        button.setVisible(true);
    }
    auto& okay = mainWindow().OkayButton();
    okay.setCaption("Okay");
    okay.setVisible(true);
    okay.setEnabled(false);
    auto& pass = mainWindow().PassButton();
    pass.setVisible(true);
    pass.setEnabled(true);
    gPaintHint = 0;
}

void noQuestions()
{
    gGraph = 0;
    gLine = 0;
    gPaintHint = 0;
    for (Integer i = 0; i <= 4; ++i) {
        auto& button = mainWindow().answerButton(i);
        button.setVisible(false);
        button.setEnabled(false);
    }
    mainWindow().PassButton().setVisible(false);
    mainWindow().PassButton().setEnabled(false);
    mainWindow().OkayButton().setVisible(true);
    mainWindow().OkayButton().setEnabled(true);
}

void showHint()
{
    // An "Okay" queued before the paint that renames the button to "Retry" or "Reset"
    // finds no question: it must not disable the one way on.
    if (gWhichQ < 1)
        return;
    if (gUserAnswer == gCorrAnswer) {
        gQuestion(gType, gWhichQ) = StatusCorrect;
        gNumLeft(gType) = gNumLeft(gType) - 1;
        for (Integer i = 0; i <= 4; ++i)
            mainWindow().answerButton(i).setEnabled(false);
        mainWindow().PassButton().setVisible(false);
        mainWindow().OkayButton().setCaption("Another");
    } else {
        mainWindow().OkayButton().setEnabled(false);
    }
    gHintAnswer = gUserAnswer;
    gPaintHint = 1;
    mainWindow().Refresh();
}

void resetQ()
{
    if (randomMode()) {
        for (Integer c = 1; c <= NumCategories; ++c)
            gNumLeft(c) = gNumQ(c);
        for (Integer c = 1; c <= NumCategories; ++c)
            for (Integer k = 1; k <= gNumQ(c); ++k)
                gQuestion(c, k) = StatusOpen;
    } else {
        gNumLeft(gType) = gNumQ(gType);
        for (Integer k = 1; k <= gNumQ(gType); ++k)
            gQuestion(gType, k) = StatusOpen;
    }
}

void retryQ()
{
    const Integer first = randomMode() ? 1 : gType;
    const Integer last = randomMode() ? NumCategories : gType;
    for (Integer c = first; c <= last; ++c)
        for (Integer k = 1; k <= gNumQ(c); ++k)
            if (gQuestion(c, k) == StatusPassed) {
                gQuestion(c, k) = StatusOpen;
                gNumLeft(c) = gNumLeft(c) + 1;
            }
}

namespace {
WindowAccessor& accessor()
{
    static WindowAccessor installed;
    return installed;
}
} // namespace

QuizWindow& mainWindow()
{
    if (!accessor())
        throw framework::NilObjectException("no main window");
    return accessor()();
}

void installWindowAccessor(WindowAccessor windowAccessor)
{
    accessor() = std::move(windowAccessor);
}

} // namespace Module1
