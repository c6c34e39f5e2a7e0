// What the axis operations of the main window tell the chart: limits, scales, grid spacing.
#pragma once

#include <cstdint>

#include "plotter/chart/Chart2D.h"

namespace chart {

enum class AxisScale { Linear, Logarithmic };

// Label modes of the tick labels.
constexpr int16_t kLinearLabels = 1;
constexpr int16_t kLogarithmicLabels = 9;

// x limits go to axis "x"; y limits to "y" and then to its hidden twin "y2".
void PutXMinimum(const CChart2D& chart, double value);
void PutXMaximum(const CChart2D& chart, double value);
void PutYMinimum(const CChart2D& chart, double value);
void PutYMaximum(const CChart2D& chart, double value);

// The scale of axis "x" or "y" and the label mode that goes with it; the limits stay.
void SetAxisScale(const CChart2D& chart, const char* axis, AxisScale scale);

// A logarithmic axis gets grid lines every 0.1 (of a decade), a linear one automatic spacing.
void SetGridSpacing(const CAxis& axis, AxisScale scale);

}  // namespace chart
