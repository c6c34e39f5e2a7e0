#include "plotter/chart/ChartAxes.h"

namespace chart {

void PutXMinimum(const CChart2D& chart, double value) {
  chart.Axis("x").MinLimit().SetValue(value);
}

void PutXMaximum(const CChart2D& chart, double value) {
  chart.Axis("x").MaxLimit().SetValue(value);
}

void PutYMinimum(const CChart2D& chart, double value) {
  chart.Axis("y").MinLimit().SetValue(value);
  chart.Axis("y2").MinLimit().SetValue(value);
}

void PutYMaximum(const CChart2D& chart, double value) {
  chart.Axis("y").MaxLimit().SetValue(value);
  chart.Axis("y2").MaxLimit().SetValue(value);
}

void SetAxisScale(const CChart2D& chart, const char* axis, AxisScale scale) {
  const bool logarithmic = scale == AxisScale::Logarithmic;
  chart.Axis(axis).SetLogScale(logarithmic);
  chart.Axis(axis).TickLabels().SetLabelMode(logarithmic ? kLogarithmicLabels : kLinearLabels);
}

void SetGridSpacing(const CAxis& axis, AxisScale scale) {
  if (scale == AxisScale::Logarithmic)
    axis.Grid().Spacing().SetValue(0.1);
  else
    axis.Grid().Spacing().SetAutomatic(true);
}

}  // namespace chart
