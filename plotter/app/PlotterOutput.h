// The graph on show printed, copied to the clipboard or saved as an image file. The chart
// component does the work; this chooses the format, asks for the file name and, for printing,
// gives the chart its paper look and then its screen look.
#pragma once

#include <windows.h>

#include "plotter/chart/Chart2D.h"

namespace plotter {

// The copy menu's commands (EMF, WMF, BMP) and the save menu's (BMP, JPG, EMF, WMF, PNG): true
// when `commandId` is one of them, which is then carried out. The save dialog belongs to
// `owner`. Results are not reported: a failed output leaves nothing but the missing output.
bool RunOutputCommand(const chart::CChart2D& chart, int commandId, HWND owner);

// Prints the graph on the default printer with thicker lines on white, then gives the chart its
// screen look again (which differs from the set-up's: see PlotterOutput.cpp).
void PrintGraphic(const chart::CChart2D& chart);

}  // namespace plotter
