#include "plotter/spectrum/core/SpectrumSet.h"

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

}  // namespace spectrum
