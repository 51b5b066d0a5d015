#pragma once

#include "framework/Types.h"

#include <string>

namespace Module1 {

// The chart set-up routines: a bank stores its chart data, ranges and divisions, then
// calls the routine of its kind, which completes the ChartSpec and sets gGraph.
void histogram();
void boxPlot();
void scatter();

// A tick label: the value with 0 to 8 decimals; empty for any other count of decimals.
std::string axisValue(double value, framework::Integer decimals);

} // namespace Module1
