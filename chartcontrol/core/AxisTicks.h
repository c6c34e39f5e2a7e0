// Tick marks, grid lines and labels of one axis.
//
// Linear axes take "nice" label steps (1, 2 or 5 times a power of ten) with at most ten
// intervals and as many as the labels have room for, and minor ticks between them. A grid
// spacing that is not automatic puts grid lines at its multiples (labels then fall on multiples
// of it). Logarithmic axes label decades, every n-th when there are too many, with minor ticks
// at 2 to 9 times each decade when there is room; a grid spacing below 1 also draws grid lines
// through those minor ticks (the decade subdivision). A log range that holds fewer than two
// decades labels 1 to 9 times a power of ten, or falls back to linear steps within it.
//
// Every list is bounded (kMaxTicks), whatever the scale.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "chartcontrol/core/AxisScale.h"
#include "chartcontrol/core/ChartModel.h"

namespace chartcontrol {

constexpr size_t kMaxTicks = 4096;
constexpr int kMaxLabelIntervals = 10;

struct Tick {
  double value = 0.0;
  double fraction = 0.0;  // along the axis: 0 at its start, 1 at its end
  bool major = false;     // a labelled tick
  bool grid = false;      // a grid line goes through it
  std::string label;      // empty on minor ticks
};

struct TickOptions {
  double lengthPx = 400.0;       // the axis length on the device
  double labelSpacingPx = 60.0;  // the room one label needs along the axis
  TickLabelStyle labels;
  GridStyle grid;
};

std::vector<Tick> MakeTicks(const AxisScale& scale, const TickOptions& options);

// The smallest step of 1, 2 or 5 times a power of ten that is at least `raw` (> 0).
double NiceStepAtLeast(double raw);

}  // namespace chartcontrol
