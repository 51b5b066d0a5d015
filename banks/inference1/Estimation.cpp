#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

// Estimation: questions still to be written; stores nothing yet.
void ch6Questions()
{
}

} // namespace Module1
