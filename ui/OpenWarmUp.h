#pragma once

#include "framework/Types.h"

namespace ui {

// How many times the window's Open event calls Rnd before the first question: the count
// of seconds truncated to a signed 32-bit integer (anything outside that range, or not a
// number, gives its lowest value), taken modulo 1000 with the sign of the dividend, plus
// one; none when that is not positive.
framework::Integer warmUpCalls(double totalSeconds);

} // namespace ui
