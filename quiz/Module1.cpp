#include "quiz/Module1.h"

#include "framework/Runtime.h"

namespace Module1 {

State& state()
{
    static State instance;
    return instance;
}

bool randomMode()
{
    return framework::StringsEqual(gWndMsg, RandomCategory);
}

} // namespace Module1
