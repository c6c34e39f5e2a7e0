#include "plotter/chart/core/DataLimits.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace chart {

namespace {

// Values of the block that the range is taken from.
std::size_t ScannedPoints(const spectrum::SpectrumSet& set, int block) {
  if (block < 0 || block >= spectrum::kPointCountEntries || !set.HasBlock(block)) return 0;
  const spectrum::SpectrumBlock& values = set.blocks[static_cast<std::size_t>(block)];
  const int stated = std::max(set.pointCount[static_cast<std::size_t>(block)], 0);
  const std::size_t wanted =
      static_cast<std::size_t>(stated) + (set.fileKind == spectrum::SpectrumFile ? 1u : 0u);
  return std::min({wanted, values.xValues.size(), values.yValues.size()});
}

struct Range {
  double min = kFarLimit;
  double max = -kFarLimit;
  bool found = false;

  // NaN passes neither test and is skipped.
  void Take(double value) {
    if (value > max) {
      max = value;
      found = true;
    }
    if (value < min) {
      min = value;
      found = true;
    }
  }
  void Bound() {
    if (std::fabs(min) <= kNearZeroLimit) min = 0.0;
    if (std::isinf(min)) min = std::copysign(kFarLimit, min);
    if (max >= kFarLimit)
      max = kFarLimit;
    else if (max <= -kFarLimit)
      max = -kFarLimit;
  }
};

}  // namespace

AxisLimits DataLimits(const spectrum::SpectrumSet& set, int block, const AxisLimits& whenEmpty) {
  Range x, y;
  const std::size_t n = ScannedPoints(set, block);
  if (n > 0) {
    const spectrum::SpectrumBlock& values = set.blocks[static_cast<std::size_t>(block)];
    for (std::size_t i = 0; i < n; ++i) {
      x.Take(values.xValues[i]);
      y.Take(values.yValues[i]);
    }
  }
  x.Bound();
  y.Bound();

  AxisLimits limits{x.min, x.max, y.min, y.max};
  if (!x.found) {
    limits.xMin = whenEmpty.xMin;
    limits.xMax = whenEmpty.xMax;
  }
  if (!y.found) {
    limits.yMin = whenEmpty.yMin;
    limits.yMax = whenEmpty.yMax;
  }
  return limits;
}

bool WantsLogarithmicLabels(const AxisLimits& limits) { return limits.yMax - limits.yMin > 1000.0; }

}  // namespace chart
