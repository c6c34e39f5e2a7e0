// The chart's whole look, given once after the main window has made the chart. The main window
// runs the two halves with the start limits of its edits between them.
#pragma once

#include <windows.h>

#include "plotter/chart/Chart2D.h"

namespace chart {

constexpr int kPaletteSize = 20;

// Fill and marker colour of series n (1 to kPaletteSize) of the curves group; the odd series
// 2k-1 of the band group take colour k.
COLORREF SeriesColour(int n);

// Frames, colours, fonts, the three text boxes and the axes with their start limits (0 to 1000
// on x, 0 to 100 on y) and linear scales. `buttonFace` is the system's button-face colour.
void SetUpChartLook(const CChart2D& chart, COLORREF buttonFace);

// Grid lines, the two series groups with one empty point each, and the series styles.
void SetUpChartSeries(const CChart2D& chart);

}  // namespace chart
