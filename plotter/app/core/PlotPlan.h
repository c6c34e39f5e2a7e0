// What a plot of the SpectrumSet puts into the chart, worked out without a window: the axis
// titles and scales, the legend texts, the series and point counts, and for each curve where
// its values go, in which form and with which style. The main window's builders carry a plan
// out on the chart. Portable: no windows.h.
#pragma once

#include <string>
#include <vector>

#include "plotter/spectrum/core/SpectrumSet.h"

namespace plotter {

// What a plot does to one axis's scale (and its pair of option buttons).
enum class ScaleChoice { Keep, Linear, Logarithmic };

// How a curve's values become chart points.
enum class CurveForm {
  None,    // nothing written
  Steps,   // two points per value: a flat step from X(j) to X(j+1)
  Points,  // one point per value
};

// The look of a curve drawn as lines or as points. Stroke kinds: 1 none, 2 solid; marker
// kinds: 1 none, 2 a marker.
struct CurveStyle {
  bool set = false;  // false: the series keeps the style it has
  int strokeKind = 0;
  int markerKind = 0;
};

struct CurvePlan {
  int block = 0;   // block the values come from
  int series = 1;  // series of the curves group its Y values go to (X always to series 1)
  CurveForm form = CurveForm::None;
  int values = 0;  // values written: steps or points j = 0 ... values-1
  bool writesX = true;  // false: only Y, over the X positions the first curve wrote
  CurveStyle style;
  int bandValues = 0;  // values of its uncertainty band (series 2s+1, 2s+2 of the band group)
};

struct LegendEntry {
  int series = 1;
  std::string text;
};

struct PlotPlan {
  bool setsTitles = false;  // false: the axis titles stay as they are
  std::string xTitle;
  std::string yTitle;
  ScaleChoice xScale = ScaleChoice::Keep;
  ScaleChoice yScale = ScaleChoice::Keep;
  int lethargyBox = -1;  // -1 untouched, 0 cleared, 1 ticked
  std::vector<LegendEntry> legend;
  int extraCurveCount = 0;  // curves drawn beside the first
  int seriesCount = 1;      // curves group
  int pointCount = 0;       // curves group, series 1 (shared by all)
  int bandSeriesCount = 0;  // band group: 0 leaves it as the reset made it
  int bandPointCount = 0;
  std::vector<CurvePlan> curves;
};

// The X axis title of an energy unit: 0 eV, 1 MeV, 2 keV, and where `channels` is allowed, 3
// "Channel"; any other unit gives an empty title.
std::string UnitTitle(int unit, bool channels);

// Whether a replacement axis label of a PlotFile curve says something: one of its first 20
// bytes is a printable character (codes 33 to 127).
bool IsReplacementLabel(const std::string& label);

// Curves that a plot starting at `block` may draw beside it: `wanted`, but never past the last
// block of the file (and never below 0).
int FurtherCurves(const spectrum::SpectrumSet& set, int block, int wanted);

// The three plots: a SpectrumFile spectrum with its overlays, a channel list, a PlotFile plot.
// `extraCurveCount` is the set's present count; the plan's own says what it becomes.
PlotPlan SpectrumPlan(const spectrum::SpectrumSet& set, int block);
PlotPlan ChannelListPlan(const spectrum::SpectrumSet& set, int block);
PlotPlan CurvesPlan(const spectrum::SpectrumSet& set, int block);

// Calls put(point, x, y) for the two chart points (counted from 1) of each step j < steps:
// point 2j+1 at X(j) and point 2j+2 at X(j+1), both at Y(j).
template <class Put>
void ForEachStepPoint(const double* x, const double* y, int steps, Put put) {
  for (int j = 0; j < steps; ++j) {
    put(2 * j + 1, x[j], y[j]);
    put(2 * j + 2, x[j + 1], y[j]);
  }
}

}  // namespace plotter
