#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

void installQuestionBanks()
{
    constexpr QuestionBank banks[] = {ch2Questions, ch3Questions, ch4Questions, ch5Questions,  ch6Questions,
                                      ch7Questions, ch8Questions, ch9Questions, ch10Questions, ch11Questions};
    Integer category = 0;
    for (const QuestionBank bank : banks)
        installQuestionBank(++category, bank);
}

} // namespace Module1
