#pragma once

// What the engine needs of the window, declared here so that the quiz depends on no
// window code: the title, the repaint, and the seven controls. The window class
// implements it and installs the accessor that finds or creates the one window.

#include "framework/Controls.h"

#include <functional>
#include <string>

namespace Module1 {

class QuizWindow {
public:
    virtual ~QuizWindow() = default;

    virtual void setTitle(const std::string& title) = 0;
    virtual void Refresh() = 0;

    // Each raises NilObjectException when the window holds no such control.
    virtual framework::PushButton& OkayButton() = 0;
    virtual framework::PushButton& PassButton() = 0;
    virtual framework::RadioButton& answerButton(framework::Integer index) = 0;
};

using WindowAccessor = std::function<QuizWindow&()>;

// The one window: the window the framework holds, or a new one when it holds none.
// Raises NilObjectException when no accessor is installed.
QuizWindow& mainWindow();
void installWindowAccessor(WindowAccessor accessor);

} // namespace Module1
