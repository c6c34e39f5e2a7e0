// The data range of one block, as scaling to the data puts it on the axes.
// Portable: no windows.h.
#pragma once

#include "plotter/chart/core/AxisLimits.h"
#include "plotter/spectrum/core/SpectrumSet.h"

namespace chart {

// Limits beyond which the range counts as unbounded, and below which a minimum counts as zero.
constexpr double kFarLimit = 1e99;
constexpr double kNearZeroLimit = 1e-99;

// The smallest and largest X and Y of block `block`: its pointCount values, plus the upper edge
// of a SpectrumFile. A minimum within kNearZeroLimit of zero becomes exactly 0; a maximum at or
// beyond kFarLimit becomes +-kFarLimit, and so does an infinite minimum.
//
// An axis on which the block has no value (no points, or only NaN) keeps its pair of
// `whenEmpty` (the home range of the plot shown before): the bare start values, x from 1e99 down
// to -1e99, would leave the chart an inverted range it cannot lay ticks on.
AxisLimits DataLimits(const spectrum::SpectrumSet& set, int block, const AxisLimits& whenEmpty);

// A y range above 1000 is labelled in the logarithmic label mode, whatever the scale.
bool WantsLogarithmicLabels(const AxisLimits& limits);

}  // namespace chart
