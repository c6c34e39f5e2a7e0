// Reading one overlay spectrum into the arrays of the main file. Portable: no windows.h.
#pragma once

#include <string>

#include "plotter/spectrum/core/SpectrumSet.h"

namespace spectrum {

enum class OverlayOutcome {
  Read,        // the block is stored (it may still hold no points)
  CannotOpen,  // the file cannot be opened: the slot holds no points
  NoBlock,     // the file ends before its header, or the slot cannot take it: no points
};

// Reads the file at `path` as block set.overlayCount (the slot the caller has just counted) in
// the grammar of the main file, whatever the overlay's extension, and converts it by its own
// header. The slot first loses what it held, so a failure leaves it with pointCount 0; the
// block keeps only the points that fit the main file's arrays. Once the file is open, the
// slot's legend text (curveLabel) is the overlay's file name part.
OverlayOutcome ReadOverlay(const std::string& path, SpectrumSet& set);

}  // namespace spectrum
