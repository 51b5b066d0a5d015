#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

#include <utility>
#include <vector>

namespace Module1 {

void installQuestionBanks()
{
    // Only the banks that hold their questions are installed; the engine skips the rest.
    const std::vector<std::pair<Integer, QuestionBank>> written = {
        {1, ch2Questions},
        {2, ch3Questions},
        {3, ch4Questions},
        {4, ch5Questions},
        {5, ch6Questions},
        {6, ch7Questions},
        {7, ch8Questions},
        {8, ch9Questions},
        {10, ch11Questions},
    };
    for (const auto& [category, bank] : written)
        installQuestionBank(category, bank);
}

} // namespace Module1
