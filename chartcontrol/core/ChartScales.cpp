#include "chartcontrol/core/ChartScales.h"

#include <algorithm>

namespace chartcontrol {

PositiveExtent DataExtentOf(const ChartModel& model, AxisId axis) {
  PositiveExtent extent;
  for (const SeriesGroup& group : model.groups) {
    const SeriesData& data = group.data;
    for (int32_t s = 1; s <= data.seriesCount(); ++s) {
      if (axis == kAxisX && data.SharesX() && s > 1) break;
      const SeriesData::View v = data.SeriesView(s);
      const double* values = axis == kAxisX ? v.x : v.y;
      const size_t n = axis == kAxisX ? v.xSize : v.ySize;
      for (size_t i = 0; i < n; ++i) extent.Add(values[i]);
    }
  }
  return extent;
}

AxisScale ScaleOfAxis(const ChartModel& model, AxisId axis) {
  const Axis& a = model.graph.axes[axis];
  if (!NeedsDataExtent(a.minLimit, a.maxLimit, a.logarithmic))
    return AxisScale::Make(a.minLimit, a.maxLimit, a.logarithmic);
  const PositiveExtent extent = DataExtentOf(model, axis == kAxisX ? kAxisX : kAxisY);
  return AxisScale::Make(a.minLimit, a.maxLimit, a.logarithmic, &extent);
}

}  // namespace chartcontrol
