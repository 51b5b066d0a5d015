#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

// Chi-Square Tests: questions still to be written; stores nothing yet.
void ch10Questions()
{
}

} // namespace Module1
