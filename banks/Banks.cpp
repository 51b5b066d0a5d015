#include "banks/Banks.h"

namespace Module1 {

void installQuestionBanks()
{
    for (const Category& c : categories)
        installQuestionBank(c.type, c.bank);
}

} // namespace Module1
