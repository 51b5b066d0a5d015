#pragma once

#include <cstdint>

namespace framework {

// Every integer of the program is 64-bit signed; flags are integers holding 0 or 1.
using Integer = std::int64_t;

struct Color {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Color&, const Color&) = default;
};

} // namespace framework
