#include "ui/OpenWarmUp.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace ui {

framework::Integer warmUpCalls(double totalSeconds)
{
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    const double whole = std::trunc(totalSeconds);
    const std::int32_t n = (std::isnan(whole) || whole < lowest || whole > highest)
                               ? std::numeric_limits<std::int32_t>::min()
                               : static_cast<std::int32_t>(whole);
    const framework::Integer r = n % 1000;
    return r + 1 > 0 ? r + 1 : 0;
}

} // namespace ui
