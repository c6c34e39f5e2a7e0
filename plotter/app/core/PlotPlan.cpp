#include "plotter/app/core/PlotPlan.h"

#include <algorithm>

namespace plotter {

namespace {

using spectrum::SpectrumBlock;
using spectrum::SpectrumSet;

constexpr int kStepsAndLines = 1;  // legend modes of a PlotFile curve
constexpr int kLines = 2;
constexpr int kPoints = 3;
constexpr int kBlankLegend = 99;
constexpr int kBandSeriesPerCurve = 10;
constexpr int kLabelBytesTested = 20;

constexpr CurveStyle kLineStyle{true, 2, 1};   // solid line, no marker
constexpr CurveStyle kPointStyle{true, 1, 2};  // no line, markers
constexpr CurveStyle kBareStyle{true, 1, 1};   // neither

// Values of block `b` that its arrays hold (0 for a block without arrays).
int StoredValues(const SpectrumSet& set, int b) {
  if (b < 0 || b >= spectrum::kPointCountEntries || !set.HasBlock(b)) return 0;
  const SpectrumBlock& block = set.blocks[static_cast<std::size_t>(b)];
  const int held = static_cast<int>(std::min(block.xValues.size(), block.yValues.size()));
  return std::max(0, std::min(set.pointCount[static_cast<std::size_t>(b)], held));
}

// Steps a curve of `values` values can make: each needs the X after it.
int StepsOf(const SpectrumSet& set, int b, int values) {
  if (!set.HasBlock(b) || values <= 0) return 0;
  const int edges = static_cast<int>(set.blocks[static_cast<std::size_t>(b)].xValues.size());
  return std::max(0, std::min(values, edges - 1));
}

ScaleChoice Linear(bool linear) { return linear ? ScaleChoice::Linear : ScaleChoice::Logarithmic; }

// The plots of one spectrum or channel list with its overlays beside it; they differ in their
// titles, scales and how many steps a curve of N values makes.
PlotPlan SingleCurvePlan(const SpectrumSet& set, int block, int stepsShort) {
  PlotPlan plan;
  plan.setsTitles = true;
  plan.extraCurveCount = std::clamp(set.extraCurveCount, 0, spectrum::kMaxOverlays);
  plan.seriesCount = set.overlayCount + 1;
  plan.pointCount = 2 * StoredValues(set, block);
  plan.legend.push_back({1, set.fileName});
  for (int s = 0; s <= plan.extraCurveCount; ++s) {
    const int b = block + s;
    CurvePlan curve;
    curve.block = b;
    curve.series = s + 1;
    curve.form = CurveForm::Steps;
    curve.values = StepsOf(set, b, StoredValues(set, b) - stepsShort);
    // Overlays are drawn over the main curve's X positions, as when they were added.
    curve.writesX = s == 0;
    if (s == 0) {
      curve.style = kLineStyle;
    } else if (set.HasBlock(b) && !set.blocks[static_cast<std::size_t>(b)].curveLabel.empty()) {
      plan.legend.push_back({s + 1, set.blocks[static_cast<std::size_t>(b)].curveLabel});
    }
    plan.curves.push_back(curve);
  }
  return plan;
}

}  // namespace

std::string UnitTitle(int unit, bool channels) {
  switch (unit) {
    case 0:
      return "Energy/eV ->";
    case 1:
      return "Energy/MeV ->";
    case 2:
      return "Energy/keV ->";
    case 3:
      return channels ? "Channel" : "";
    default:
      return "";
  }
}

bool IsReplacementLabel(const std::string& label) {
  const std::size_t tested = std::min<std::size_t>(label.size(), kLabelBytesTested);
  return std::any_of(label.begin(), label.begin() + static_cast<std::ptrdiff_t>(tested), [](char c) {
    const int code = static_cast<unsigned char>(c);
    return code >= 33 && code <= 127;
  });
}

int FurtherCurves(const SpectrumSet& set, int block, int wanted) {
  return std::max(0, std::min(wanted, set.blockCount - 1 - block));
}

PlotPlan SpectrumPlan(const SpectrumSet& set, int block) {
  PlotPlan plan = SingleCurvePlan(set, block, 0);
  plan.xTitle = UnitTitle(set.energyUnit, false);
  plan.yTitle = set.lethargyShown ? "F(E)*E ->" : "F(E) ->";
  plan.xScale = Linear(!set.lethargyShown);
  plan.yScale = ScaleChoice::Linear;
  plan.lethargyBox = set.lethargyShown ? 1 : 0;
  return plan;
}

PlotPlan ChannelListPlan(const SpectrumSet& set, int block) {
  // A list of N channels makes N-1 steps: the last channel has no X after it.
  PlotPlan plan = SingleCurvePlan(set, block, 1);
  plan.xTitle = "Channel ->";
  plan.yTitle = "Count ->";
  plan.xScale = ScaleChoice::Linear;
  plan.yScale = ScaleChoice::Linear;
  return plan;
}

PlotPlan CurvesPlan(const SpectrumSet& set, int block) {
  PlotPlan plan;
  if (block < 0 || block >= set.blockCount || !set.HasBlock(block)) return plan;
  const SpectrumBlock& first = set.blocks[static_cast<std::size_t>(block)];

  if (first.plotNumber != 0) {
    const int further = first.plotCode / 10;
    plan.extraCurveCount = FurtherCurves(set, block, further);
    plan.setsTitles = true;
    plan.xTitle = IsReplacementLabel(first.axisLabelX) ? first.axisLabelX : UnitTitle(first.unitCode, true);
    plan.yTitle = IsReplacementLabel(first.axisLabelY) ? first.axisLabelY
                  : first.lethargyForm                 ? "F(E)*E ->"
                                                       : "F(E) ->";
    switch (first.plotCode - 10 * further) {
      case 1:
        plan.xScale = plan.yScale = ScaleChoice::Linear;
        break;
      case 2:
        plan.xScale = ScaleChoice::Logarithmic;
        plan.yScale = ScaleChoice::Linear;
        break;
      case 3:
        plan.xScale = ScaleChoice::Linear;
        plan.yScale = ScaleChoice::Logarithmic;
        break;
      case 4:
        plan.xScale = plan.yScale = ScaleChoice::Logarithmic;
        break;
      default:
        break;
    }
    for (int s = 0; s <= plan.extraCurveCount; ++s) {
      const SpectrumBlock& curve = set.blocks[static_cast<std::size_t>(block + s)];
      plan.legend.push_back({s + 1, curve.legendMode == kBlankLegend ? " " : curve.curveLabel});
    }
  } else {
    // A plot without a first curve keeps titles, scales and the count of the plot before.
    plan.extraCurveCount = FurtherCurves(set, block, set.extraCurveCount);
  }

  int longest = 0;
  for (int s = 0; s <= plan.extraCurveCount; ++s) longest = std::max(longest, StoredValues(set, block + s));
  plan.seriesCount = plan.extraCurveCount + 1;
  plan.pointCount = 2 * longest;
  plan.bandSeriesCount = kBandSeriesPerCurve * (plan.extraCurveCount + 1);
  plan.bandPointCount = longest;

  for (int s = 0; s <= plan.extraCurveCount; ++s) {
    const int b = block + s;
    const SpectrumBlock& source = set.blocks[static_cast<std::size_t>(b)];
    const int n = StoredValues(set, b);
    CurvePlan curve;
    curve.block = b;
    curve.series = s + 1;
    switch (source.legendMode) {
      case kStepsAndLines:
        curve.style = kLineStyle;
        curve.form = CurveForm::Steps;
        curve.values = StepsOf(set, b, n - 1);
        break;
      case kLines:
        curve.style = kLineStyle;
        curve.form = CurveForm::Points;
        curve.values = n;
        break;
      case kPoints:
        curve.style = kPointStyle;
        curve.form = CurveForm::Points;
        curve.values = n;
        break;
      case kBlankLegend:
        curve.style = kBareStyle;
        break;
      default:
        break;
    }
    const int uncertainties = static_cast<int>(source.uncertainty.size());
    if (source.dataKind < 0) curve.bandValues = std::min(n, uncertainties);
    plan.curves.push_back(curve);
  }
  return plan;
}

}  // namespace plotter
