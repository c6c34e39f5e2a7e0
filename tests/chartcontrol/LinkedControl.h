// The chart component linked into a test program, for the tests of its hosts: a control made
// in-process, and what it holds, read without the host's object paths.
#pragma once

#include <windows.h>

#include "chartcontrol/api/ChartWindowApi.h"
#include "chartcontrol/core/ChartModel.h"

namespace chartcontrol {

// As CreateChartControl makes it: child `id` of `parent` on `place`, with one reference for the
// caller; null if the window fails.
ChartControl* MakeLinkedControl(HWND parent, int id, const RECT& place);

// These take a control MakeLinkedControl made.
ChartModel& ModelOf(ChartControl* control);
ChartEvents* SinkOf(ChartControl* control);
long ReferencesOf(ChartControl* control);

}  // namespace chartcontrol
