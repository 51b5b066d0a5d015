#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

// Displaying Data: questions still to be written; stores nothing yet.
void ch2Questions()
{
}

} // namespace Module1
