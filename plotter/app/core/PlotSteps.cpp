#include "plotter/app/core/PlotSteps.h"

#include <algorithm>
#include <cstdio>

namespace plotter {

int SteppedPlotNumber(int current, int plotCount, int step) {
  if (current == 0) return 0;
  if (step > 0) return current < plotCount ? current + 1 : 1;
  return current > 1 ? current - 1 : plotCount;
}

int FirstBlockOfPlot(const spectrum::SpectrumSet& set, int plotNumber) {
  int found = 0;
  for (int b = 0; b < set.blockCount && b < static_cast<int>(set.blocks.size()); ++b) {
    if (set.blocks[static_cast<size_t>(b)].plotNumber != 0 && ++found == plotNumber) return b;
  }
  return -1;
}

std::string PlotCounterText(int current, int plotCount) {
  char text[64];
  std::snprintf(text, sizeof text, "%i/%i", current, plotCount);
  return text;
}

KindControls ControlsOfKind(int fileKind) {
  return KindControls{fileKind == spectrum::PlotFile,
                      fileKind == spectrum::SpectrumFile || fileKind == spectrum::ChannelFile,
                      fileKind == spectrum::SpectrumFile};
}

Rect ChartArea(int width, int height) {
  return Rect{0, 0, width, std::max(height - kBandHeight, 0)};
}

}  // namespace plotter
