#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

// Producing Data: questions still to be written; stores nothing yet.
void ch4Questions()
{
}

} // namespace Module1
