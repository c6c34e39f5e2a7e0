// Draws a chart model with GDI on any device context: the window's memory bitmap, a printer
// page, a metafile. Sizes given in pixels (margins, tick lengths, line widths, font points) are
// scaled by the device's resolution against 96 dots per inch.
#pragma once

#include <windows.h>

#include "chartcontrol/core/ChartModel.h"

namespace chartcontrol {

// Where the parts of the chart went on the device.
struct ChartLayout {
  RECT area{};    // what the layout was made for
  RECT title{};   // empty when there is no title
  RECT legend{};  // empty when there is no legend
  RECT plot{};    // the plot area inside the axes (its frame lies around it)
  bool valid = false;
};

struct RenderOptions {
  // Bands are drawn alpha-blended; devices that cannot blend (or when this is off) get hatching.
  bool blendBands = true;
  // Each line path is its own Polyline: a Windows metafile has no PolyPolyline record, and the
  // conversion of an enhanced metafile to one drops them.
  bool separatePolylines = false;
};

// Makes the layout of `model` on `area` without drawing anything.
ChartLayout LayOutChart(HDC dc, const RECT& area, const ChartModel& model);

// Draws `model` on `area` of `dc`. A valid `frozen` layout made for the same area is used as it
// is (while the host holds the layout); otherwise a new one is made. Returns the layout used.
ChartLayout RenderChart(HDC dc, const RECT& area, const ChartModel& model,
                        const RenderOptions& options = RenderOptions(),
                        const ChartLayout* frozen = nullptr);

}  // namespace chartcontrol
