// What the main window shows for the file on show, worked out without a window: the plot a step
// leads to, the block that plot starts with, the plot counter's text, the controls of a file
// kind and the chart's area. Portable: no windows.h.
#pragma once

#include <string>

#include "plotter/app/core/AnchorLayout.h"
#include "plotter/spectrum/core/SpectrumSet.h"

namespace plotter {

// The plot number one step (+1 next, -1 previous) from `current`, wrapping round at both ends
// of 1 ... plotCount. Nothing loaded (current 0) stays 0.
int SteppedPlotNumber(int current, int plotCount, int step);

// The block that starts plot `plotNumber` (the plotNumber-th block with a non-zero plotNumber),
// or -1 when there is none.
int FirstBlockOfPlot(const spectrum::SpectrumSet& set, int plotNumber);

// "%i/%i": the plot on show and the number of plots.
std::string PlotCounterText(int current, int plotCount);

// The band's controls that depend on the kind of the main file.
struct KindControls {
  bool navigation;  // previous, next and the plot counter
  bool overlay;     // the overlay button
  bool lethargy;    // the Lethargy box
};
KindControls ControlsOfKind(int fileKind);

// Height of the band of controls below the chart.
constexpr int kBandHeight = 90;
// The chart's area in a client area of `width` x `height`: the full width and the height less
// the band.
Rect ChartArea(int width, int height);

}  // namespace plotter
