#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

// Comparing Two Samples: questions still to be written; stores nothing yet.
void ch8Questions()
{
}

} // namespace Module1
