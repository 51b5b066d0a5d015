#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

// Simple Regression: questions still to be written; stores nothing yet.
void ch11Questions()
{
}

} // namespace Module1
