#pragma once

#include "framework/Controls.h"
#include "framework/Graphics.h"
#include "framework/Window.h"
#include "quiz/QuizWindow.h"

#include <array>
#include <string>
#include <vector>

namespace ui {

using framework::Graphics;
using framework::Integer;

// The one window of the program: the question text, the five answer radio buttons, "Okay"
// and "Pass". Everything it shows comes from Module1; of its own it keeps only which
// controls the About page hid, to show exactly those again when the page is left.
class mainWindowClass : public framework::Window, public Module1::QuizWindow {
public:
    // The framework knows the window's class by this name.
    static constexpr const char* ClassName = "mainWindow.mainWindow";

    // The answer radio buttons, a control set of five: member i stands for answer i + 1.
    class answerButtonClass : public framework::RadioButton {
    public:
        explicit answerButtonClass(Integer index);
    };

    mainWindowClass();

    // What the engine sets.
    void setTitle(const std::string& title) override;
    void Refresh() override;
    framework::PushButton& OkayButton() override;
    framework::PushButton& PassButton() override;
    framework::RadioButton& answerButton(Integer index) override;

    // The About page over the question screen hides the seven controls; leaving it shows
    // again exactly those that were visible.
    void hideControlsForAboutPage();

protected:
    void CreateControls() override;
    void Layout() override;
    void Event_Open() override;
    void Event_Paint(Graphics& g) override;
    bool Event_MouseDown(Integer x, Integer y) override;
    bool Event_KeyDown(const std::string& key) override;

private:
    void CreateControls0();
    void OkayButton_Action(framework::PushButton& sender);
    void PassButton_Action(framework::PushButton& sender);
    void answerButton_Action(framework::RadioButton& sender);

    void paintIntro(Graphics& g);
    void paintQuestion(Graphics& g);
    // The end-of-questions text, and the "Reset" or "Retry" caption that goes with it.
    void congratulations(Graphics& g);
    void paintAbout(Graphics& g);
    void recentre();
    // What a screen reader reads of the screen just painted.
    void describeScreen();
    void leaveAboutPage();

    std::vector<framework::RectControl*> hiddenForAbout_;
    // The screen last described: gWindow, gType and gWhichQ.
    std::array<Integer, 3> describedScreen_{-1, -1, -1};
};

// The window that the framework holds, or a new one when it holds none.
mainWindowClass& findOrCreateMainWindow();

// Lets the engine reach the window through Module1::mainWindow().
void installMainWindow();

// One line of text across the window: align 0 flush left, 1 centred, 2 flush right; any
// other value draws nothing. The caller sets font, size and colour.
void drawPaintText(Graphics& g, const std::string& text, Integer y, Integer align);

// The width of a text in g's font, truncated towards zero; OutOfBoundsException where no
// Integer holds it.
Integer truncatedWidth(Graphics& g, const std::string& text);

// The chart of the question on screen, drawn from the ChartSpec (the chart step of a paint).
void drawChart(Graphics& g);

// The chart of the question on screen in words: its kind, axes and the values drawn.
framework::ContentPiece describeChart();

// Whether an installed font has that name, by the framework's string equality.
bool fontAvailable(const std::string& name);

} // namespace ui
