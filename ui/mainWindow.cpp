#include "ui/mainWindow.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Menu.h"
#include "framework/Runtime.h"
#include "quiz/Engine.h"
#include "quiz/Layout.h"
#include "quiz/Module1.h"
#include "quiz/QuestionBank.h"
#include "ui/AboutPage.h"
#include "ui/OpenWarmUp.h"

#include <array>
#include <cmath>
#include <limits>

namespace ui {

using namespace Module1;
using framework::ControlProperties;
using framework::PushButton;
using framework::RadioButton;

namespace {

using layout::ContentHeight;
using layout::ContentWidth;

const framework::WindowProperties windowProperties{
    .Width = ContentWidth,
    .Height = ContentHeight,
    .MaxWidth = ContentWidth,
    .MaxHeight = ContentHeight,
    .Title = "Merrowby",
    .CloseButton = true,
    .Resizeable = false,
    .MaximizeButton = false,
    .MinimizeButton = true,
    .Visible = true,
    .HasBackColor = true,
    .BackColor = layout::BackColor,
    .MenuBarVisible = true,
};

const ControlProperties okayProperties{
    .Left = layout::okayLeft(ContentWidth),
    .Top = layout::PushButtonTop,
    .Width = layout::PushButtonWidth,
    .Height = layout::PushButtonHeight,
    .Caption = "Okay",
    .Default = true,
    .Enabled = false,
    .Visible = false,
    .TabIndex = 0,
};

const ControlProperties passProperties{
    .Left = layout::passLeft(layout::okayLeft(ContentWidth)),
    .Top = layout::PushButtonTop,
    .Width = layout::PushButtonWidth,
    .Height = layout::PushButtonHeight,
    .Caption = "Pass",
    .Default = false,
    .Enabled = false,
    .Visible = false,
    .TabIndex = 1,
};

ControlProperties answerProperties(Integer index)
{
    ControlProperties properties;
    properties.Left = layout::AnswerButtonLeft;
    properties.Top = layout::answerTop(layout::MaxQuestionLines, index);
    properties.Width = layout::AnswerButtonSize;
    properties.Height = layout::AnswerButtonSize;
    properties.Enabled = false;
    properties.Visible = false;
    properties.TabIndex = 2 + index;
    return properties;
}

template <typename Kind>
Kind& control(framework::RectControl* found, const char* name)
{
    auto* kind = dynamic_cast<Kind*>(found);
    if (!kind)
        throw framework::NilObjectException(std::string("no control ") + name);
    return *kind;
}

} // namespace

mainWindowClass::answerButtonClass::answerButtonClass(Integer index) : RadioButton("answerButton", index) {}

mainWindowClass::mainWindowClass() : Window(ClassName) {}

void mainWindowClass::setTitle(const std::string& title)
{
    Window::setTitle(title);
}

void mainWindowClass::Refresh()
{
    Window::Refresh();
}

PushButton& mainWindowClass::OkayButton()
{
    return control<PushButton>(ControlByName("OkayButton"), "OkayButton");
}

PushButton& mainWindowClass::PassButton()
{
    return control<PushButton>(ControlByName("PassButton"), "PassButton");
}

RadioButton& mainWindowClass::answerButton(Integer index)
{
    return control<RadioButton>(ControlByNameIndex("answerButton", index), "answerButton");
}

void mainWindowClass::Layout()
{
    // The application's menu bar is the one shared MenuBar1; the window shows it too.
    if (const auto* app = framework::GetAppObject())
        setMenuBar(app->menuBar());
    SetProperties(windowProperties);
    // Shown where its first paint puts it, not moved there at that paint.
    recentre();
}

void mainWindowClass::CreateControls()
{
    CreateControls0();
}

void mainWindowClass::CreateControls0()
{
    auto& okay = AddControl(std::make_unique<PushButton>("OkayButton"));
    okay.SetProperties(okayProperties);
    okay.Action = [this](framework::RectControl& sender) { OkayButton_Action(static_cast<PushButton&>(sender)); };

    auto& pass = AddControl(std::make_unique<PushButton>("PassButton"));
    pass.SetProperties(passProperties);
    pass.Action = [this](framework::RectControl& sender) { PassButton_Action(static_cast<PushButton&>(sender)); };

    for (Integer i = 0; i <= 4; ++i) {
        auto& answer = AddControl(std::make_unique<answerButtonClass>(i));
        answer.SetProperties(answerProperties(i));
        answer.Action = [this](framework::RectControl& sender) {
            answerButton_Action(static_cast<RadioButton&>(sender));
        };
    }
}

void mainWindowClass::Event_Open()
{
    for (Integer calls = warmUpCalls(framework::Date().TotalSeconds()); calls > 0; --calls)
        framework::Rnd();

    gWindow = ScreenIntro;

    OkayButton().setLeft(layout::okayLeft(Width()));
    PassButton().setLeft(layout::passLeft(OkayButton().Left()));

    // The first of these faces that is installed; the last is taken without a test.
    gFont = "geneva";
    if (!fontAvailable(gFont)) {
        gFont = "arial";
        if (!fontAvailable(gFont)) {
            gFont = "palatino";
            if (!fontAvailable(gFont))
                gFont = "roman";
        }
    }

    for (Integer k = 1; k <= NumCategories; ++k)
        gNumQ(k) = QuestionsPerBank;
    gLine = 0;
    // A window made anew has no answer selected, whatever the closed one had.
    gUserAnswer = 0;
    gWndMsg = RandomCategory;
    resetQ();
}

bool fontAvailable(const std::string& name)
{
    for (Integer i = 0; i <= framework::FontCount() - 1; ++i)
        if (framework::StringsEqual(framework::Font(i), name))
            return true;
    return false;
}

bool mainWindowClass::Event_MouseDown(Integer x, Integer y)
{
    if (gWindow != ScreenAboutFromQuiz && gWindow != ScreenAboutFromIntro)
        return false;
    if (x >= Width() || y >= Height())
        return false;
    if (layout::inLinkZone(x, y, gURLleft, gURLright)) {
        framework::ShowURL(about::DownloadURL);
        return false;
    }
    leaveAboutPage();
    return false;
}

bool mainWindowClass::Event_KeyDown(const std::string&)
{
    if (gWindow == ScreenAboutFromQuiz || gWindow == ScreenAboutFromIntro)
        leaveAboutPage();
    else
        Refresh();
    return false;
}

void mainWindowClass::hideControlsForAboutPage()
{
    hiddenForAbout_.clear();
    std::vector<framework::RectControl*> seven;
    for (Integer i = 0; i <= 4; ++i)
        seven.push_back(&answerButton(i));
    seven.push_back(&OkayButton());
    seven.push_back(&PassButton());
    for (auto* control : seven)
        if (control->Visible()) {
            hiddenForAbout_.push_back(control);
            control->setVisible(false);
        }
}

void mainWindowClass::leaveAboutPage()
{
    if (gWindow == ScreenAboutFromQuiz) {
        gWindow = ScreenQuiz;
        // Exactly the controls that the About page hid come back: never "Pass" over an
        // answered question, nor the answers over the congratulations text.
        for (auto* control : hiddenForAbout_)
            control->setVisible(true);
        hiddenForAbout_.clear();
    } else if (gWindow == ScreenAboutFromIntro) {
        gWindow = ScreenIntro;
        // The intro paint sets no title, so the About page's would stay.
        setTitle("Merrowby");
    }
    Refresh();
}

void mainWindowClass::OkayButton_Action(PushButton&)
{
    const std::string mode = OkayButton().Caption();
    if (framework::StringsEqual(mode, "Okay")) {
        showHint();
    } else if (framework::StringsEqual(mode, "Another")) {
        if (gUserAnswer > 0) {
            answerButton(gUserAnswer - 1).setValue(false);
            gUserAnswer = 0;
        }
        ChooseQuestion();
    } else if (framework::StringsEqual(mode, "Retry")) {
        retryQ();
        ChooseQuestion();
    } else if (framework::StringsEqual(mode, "Reset")) {
        resetQ();
        ChooseQuestion();
    }
}

void mainWindowClass::PassButton_Action(PushButton&)
{
    // Only an open question can be passed: passing lowers the count of open questions.
    if (gWhichQ < 1 || gQuestion(gType, gWhichQ) != StatusOpen)
        return;
    gQuestion(gType, gWhichQ) = StatusPassed;
    gNumLeft(gType) = gNumLeft(gType) - 1;
    if (gUserAnswer > 0) {
        answerButton(gUserAnswer - 1).setValue(false);
        gUserAnswer = 0;
    }
    ChooseQuestion();
}

void mainWindowClass::answerButton_Action(RadioButton& sender)
{
    const Integer i = sender.Index();
    OkayButton().setEnabled(true);
    gUserAnswer = i + 1;
}

mainWindowClass& findOrCreateMainWindow()
{
    if (auto* held = framework::GetImplicitWindow(mainWindowClass::ClassName))
        return static_cast<mainWindowClass&>(*held);
    return framework::newWindow<mainWindowClass>();
}

void installMainWindow()
{
    installWindowAccessor([]() -> QuizWindow& { return findOrCreateMainWindow(); });
}

} // namespace ui
