#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

// ANOVA Tests: questions still to be written; stores nothing yet.
void ch9Questions()
{
}

} // namespace Module1
