#include "plotter/spectrum/core/SpectrumSet.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>

namespace spectrum {

bool SpectrumSet::AllocateBlock(int index) {
  if (index < 0 || index >= ArrayBlockSlots() || index >= static_cast<int>(blocks.size())) return false;
  if (maxPoints < 0 || maxPoints > kMaxBlockPoints) return false;
  const std::size_t capacity = static_cast<std::size_t>(BlockCapacity());
  SpectrumBlock& block = blocks[static_cast<std::size_t>(index)];
  try {
    std::vector<double> x(capacity, 0.0);
    std::vector<double> y(capacity, 0.0);
    std::vector<double> u(fileKind == PlotFile ? capacity : 0, 0.0);
    block.xValues.swap(x);
    block.yValues.swap(y);
    block.uncertainty.swap(u);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  block.allocated = true;
  return true;
}

double binEnergy(const SpectrumSet& set, int block, int j) {
  if (!set.HasBlock(block) || j < 0) return 0.0;
  const std::vector<double>& x = set.blocks[static_cast<std::size_t>(block)].xValues;
  if (static_cast<std::size_t>(j) + 1 >= x.size()) return 0.0;
  return std::sqrt(x[static_cast<std::size_t>(j)] * x[static_cast<std::size_t>(j) + 1]);
}

bool UsableFactor(double factor) { return std::isfinite(factor) && factor != 0.0; }

void DivideByWidth(const double* x, double* y, int j) {
  const double width = x[j + 1] - x[j];
  if (UsableFactor(width)) y[j] /= width;
}

void ScaleByBinEnergy(SpectrumSet& set, int block, int bins, bool toLethargy) {
  if (!set.HasBlock(block)) return;
  SpectrumBlock& b = set.blocks[static_cast<std::size_t>(block)];
  const int edges = static_cast<int>(std::min(b.xValues.size(), b.yValues.size()));
  const double* x = b.xValues.data();
  double* y = b.yValues.data();
  for (int j = 0; j < bins && j + 1 < edges; ++j) {
    const double energy = std::sqrt(x[j] * x[j + 1]);
    if (!UsableFactor(energy)) continue;
    y[j] = toLethargy ? y[j] * energy : y[j] / energy;
  }
}

void BringToForm(SpectrumSet& set, bool lethargy) {
  const int last = std::min(set.overlayCount, kPointCountEntries - 1);
  for (int b = 0; b <= last; ++b) {
    if (!set.HasBlock(b)) continue;
    SpectrumBlock& block = set.blocks[static_cast<std::size_t>(b)];
    if (block.lethargyValues == lethargy) continue;
    ScaleByBinEnergy(set, b, set.pointCount[static_cast<std::size_t>(b)], lethargy);
    block.lethargyValues = lethargy;
  }
  set.lethargyShown = lethargy;
}

}  // namespace spectrum
