// The plot builders of the main window: each turns one plot of the spectrum set into chart
// content after its plan (core/PlotPlan.h). Axis and title changes go between HoldLayout TRUE
// and FALSE, the points between HoldRedraw TRUE and FALSE, so the chart draws each plot once.
#include "plotter/app/PlotterDlg.h"

namespace plotter {

using namespace chart;

namespace {

constexpr int kCurves = 1;  // series group of the curves
constexpr int kBands = 2;   // series group of the uncertainty bands
constexpr int32_t kLinesGraph = 1;
constexpr int32_t kBandGraph = 6;
constexpr int32_t kSharedX = 1;     // layout code: series 1 holds the X row of every series
constexpr int32_t kTitleUpwards = 2;

void SetAxisTitles(const CChart2D& chart, const PlotPlan& plan) {
  chart.Axis("x").Title().SetContent(plan.xTitle);
  chart.Axis("y").Title().SetContent(plan.yTitle);
  chart.Axis("y").SetTitleTurn(kTitleUpwards);
}

void AddLegend(const CSeriesGroup& curves, const PlotPlan& plan) {
  const CSeriesLabels labels = curves.SeriesLabels();
  for (const LegendEntry& entry : plan.legend) labels.AddLabel(entry.text, entry.series);
}

void SetStyle(const CSeriesGroup& curves, int series, const CurveStyle& style) {
  if (!style.set) return;
  curves.SeriesStyles().Item(series).Stroke().SetStrokeKind(style.strokeKind);
  curves.SeriesStyles().Item(series).Marker().SetMarkerKind(style.markerKind);
}

// The curve's values, one put per value: X to series 1, Y to the curve's series.
void WriteCurve(const CSeriesData& data, const spectrum::SpectrumBlock& block, const CurvePlan& curve) {
  const double* x = block.xValues.data();
  const double* y = block.yValues.data();
  const int series = curve.series;
  if (curve.form == CurveForm::Steps) {
    ForEachStepPoint(x, y, curve.values, [&](int point, double xValue, double yValue) {
      if (curve.writesX) data.SetXValue(1, point, xValue);
      data.SetYValue(series, point, yValue);
    });
  } else if (curve.form == CurveForm::Points) {
    for (int j = 0; j < curve.values; ++j) {
      if (curve.writesX) data.SetXValue(1, j + 1, x[j]);
      data.SetYValue(series, j + 1, y[j]);
    }
  }
}

// The band of the s-th curve (s from 0): its lower edge Y-U in series 2s+1 and its upper edge
// Y+U in series 2s+2 of the band group.
void WriteBand(const CSeriesData& bands, const spectrum::SpectrumBlock& block, const CurvePlan& curve) {
  const double* x = block.xValues.data();
  const double* y = block.yValues.data();
  const double* u = block.uncertainty.data();
  const int lower = 2 * (curve.series - 1) + 1;
  for (int j = 0; j < curve.bandValues; ++j) {
    bands.SetXValue(1, j + 1, x[j]);
    bands.SetYValue(lower, j + 1, y[j] - u[j]);
    bands.SetYValue(lower + 1, j + 1, y[j] + u[j]);
  }
}

}  // namespace

void CPlotterDlg::ResetChart() {
  chart_.Extras().Clear();
  for (int group : {kCurves, kBands}) {
    const CSeriesData data = chart_.Group(group).SeriesData();
    data.SetSeriesCount(1);
    data.SetPointCount(1, 1);
    data.SetYValue(1, 1, 0.0);
  }
}

void CPlotterDlg::ApplyScales(const PlotPlan& plan) {
  if (plan.xScale == ScaleChoice::Linear) SetXLinear();
  if (plan.xScale == ScaleChoice::Logarithmic) SetXLogarithmic();
  if (plan.yScale == ScaleChoice::Linear) SetYLinear();
  if (plan.yScale == ScaleChoice::Logarithmic) SetYLogarithmic();
}

void CPlotterDlg::PlotSpectrum(int block) { DrawSingleCurvePlot(block, SpectrumPlan(spectrum_, block)); }

void CPlotterDlg::PlotChannelList(int block) {
  DrawSingleCurvePlot(block, ChannelListPlan(spectrum_, block));
}

// A spectrum or channel list with its overlays: one X row, one series per curve.
void CPlotterDlg::DrawSingleCurvePlot(int block, const PlotPlan& plan) {
  chart_.SetHoldLayout(true);
  ResetChart();
  ApplyScales(plan);
  if (plan.lethargyBox >= 0) lethargy_.SetCheck(plan.lethargyBox);
  SetAxisTitles(chart_, plan);
  chart_.LegendBox().SetShown(true);
  const CSeriesGroup curves = chart_.Group(kCurves);
  curves.SetGraphKind(kLinesGraph);
  ScaleToData(block);
  chart_.SetHoldLayout(false);

  const CSeriesData data = curves.SeriesData();
  data.SetLayoutCode(kSharedX);
  data.SetSeriesCount(plan.seriesCount);
  data.SetPointCount(1, plan.pointCount);

  chart_.SetHoldRedraw(true);
  chart_.Extras().Clear();
  AddLegend(curves, plan);
  for (const CurvePlan& curve : plan.curves) {
    SetStyle(curves, curve.series, curve.style);
    WriteCurve(data, spectrum_.blocks[static_cast<size_t>(curve.block)], curve);
  }
  chart_.SetHoldRedraw(false);
}

void CPlotterDlg::PlotCurves(int block) {
  chart_.SetHoldLayout(true);
  ResetChart();
  const PlotPlan plan = CurvesPlan(spectrum_, block);
  if (plan.curves.empty()) {  // no such block: the chart stays cleared
    chart_.SetHoldLayout(false);
    return;
  }
  spectrum_.extraCurveCount = plan.extraCurveCount;
  const CSeriesGroup curves = chart_.Group(kCurves);
  const CSeriesGroup bands = chart_.Group(kBands);
  if (plan.setsTitles) {
    SetAxisTitles(chart_, plan);
    ApplyScales(plan);
    chart_.Extras().Clear();
    AddLegend(curves, plan);
  }
  curves.SetGraphKind(kLinesGraph);
  bands.SetGraphKind(kBandGraph);
  chart_.LegendBox().SetShown(true);
  ScaleToData(block);

  const CSeriesData data = curves.SeriesData();
  data.SetLayoutCode(kSharedX);
  data.SetSeriesCount(plan.seriesCount);
  data.SetPointCount(1, plan.pointCount);
  const CSeriesData bandData = bands.SeriesData();
  bandData.SetSeriesCount(plan.bandSeriesCount);
  bandData.SetPointCount(1, plan.bandPointCount);
  chart_.SetHoldLayout(false);

  chart_.SetHoldRedraw(true);
  for (const CurvePlan& curve : plan.curves) {
    const spectrum::SpectrumBlock& source = spectrum_.blocks[static_cast<size_t>(curve.block)];
    SetStyle(curves, curve.series, curve.style);
    WriteCurve(data, source, curve);
    WriteBand(bandData, source, curve);
  }
  chart_.SetHoldRedraw(false);
}

}  // namespace plotter
