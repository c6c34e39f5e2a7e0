#include "tests/chartcontrol/LinkedControl.h"

#include "chartcontrol/ChartCore.h"

namespace chartcontrol {

ChartControl* MakeLinkedControl(HWND parent, int id, const RECT& place) { return ChartCore::Create(parent, id, place); }

ChartModel& ModelOf(ChartControl* control) { return static_cast<ChartCore*>(control)->model(); }

ChartEvents* SinkOf(ChartControl* control) { return static_cast<ChartCore*>(control)->sink(); }

long ReferencesOf(ChartControl* control) { return static_cast<ChartCore*>(control)->ReferenceCount(); }

}  // namespace chartcontrol
