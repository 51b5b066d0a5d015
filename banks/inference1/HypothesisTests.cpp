#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

// Hypothesis Tests: questions still to be written; stores nothing yet.
void ch7Questions()
{
}

} // namespace Module1
