#pragma once

// The question cycle: choose, show, check, pass, retry and reset questions, on the shared
// state of Module1.

namespace Module1 {

// Shows the next open question of the scope (the current category, or all ten in random
// mode), or the end of the questions; then repaints.
void ChooseQuestion();
// Controls for a freshly stored question.
void showQuestion();
// Controls for the end of the questions.
void noQuestions();
// Checks gUserAnswer against gCorrAnswer and shows the chosen answer's hint.
void showHint();
// Every question of the scope back to open.
void resetQ();
// The passed questions of the scope back to open.
void retryQ();

} // namespace Module1
