#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

// Summarizing Data: questions still to be written; stores nothing yet.
void ch3Questions()
{
}

} // namespace Module1
