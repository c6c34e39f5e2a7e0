// The scale each axis of a chart draws with, from its limits and (for log axes whose limits
// cannot be used) the data the series put on it.
#pragma once

#include "chartcontrol/core/AxisScale.h"
#include "chartcontrol/core/ChartModel.h"

namespace chartcontrol {

// The positive values of every series on `axis`: X values for "x", Y values for "y" and "y2".
PositiveExtent DataExtentOf(const ChartModel& model, AxisId axis);

AxisScale ScaleOfAxis(const ChartModel& model, AxisId axis);

}  // namespace chartcontrol
