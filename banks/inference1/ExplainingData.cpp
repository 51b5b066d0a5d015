#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

// Explaining Data: questions still to be written; stores nothing yet.
void ch5Questions()
{
}

} // namespace Module1
