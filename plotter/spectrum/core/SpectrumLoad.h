// Loading a main spectrum file into the SpectrumSet. Portable: no windows.h.
#pragma once

#include <string>

#include "plotter/spectrum/core/SpectrumSet.h"

namespace spectrum {

enum class LoadOutcome { Loaded, CannotOpen, NoBlock, OutOfMemory };

// Reads the main file at `path` in two passes (count, then store) into a new SpectrumSet and, on
// success, moves it into `set` whole: filePath, fileName, fileExtension, fileKind, blockCount,
// maxPoints, blocks, plotCount, storedForm, energyUnit, lethargyRequested, lethargyShown, upperEdge,
// currentPlotNumber = 1, currentBlock = 0, overlayCount = extraCurveCount = 0.
// On any other outcome `set` is left exactly as it was (the previous file stays loaded).
//
// A SpectrumFile is one spectrum: the lines after its data are not read. A PlotFile holds at most
// kMaxPlotBlocks blocks: the rest of the file is ignored, and so is a cut-short last block.
LoadOutcome LoadSpectrumData(const std::string& path, SpectrumSet& set);

}  // namespace spectrum
