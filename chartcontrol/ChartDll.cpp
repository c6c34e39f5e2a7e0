// ChartControl.dll: the one export that makes a chart, and the library's entry point.
//
// Map of the component: CreateChartControl makes a ChartCore (ChartCore.h), the control object
// the host drives through Invoke; it owns the ChartModel (core/ChartModel.h) and the tree of objects
// that reach into it (core/ChartDispatch.h, one member table per
// object kind over the ids of api/ChartMembers.h), and makes the chart window, class "ChartControl2DWindow",
// whose procedure is ChartWindow (ChartWindow.h). The window draws with RenderChart
// (ChartRenderer.h); printing, the clipboard and files use it too (ChartOutput.h).
#include <windows.h>

#include <type_traits>

#include "chartcontrol/ChartCore.h"
#include "chartcontrol/ChartWindow.h"
#include "chartcontrol/api/ChartWindowApi.h"

extern "C" __declspec(dllexport) chartcontrol::ChartControl* CreateChartControl(HWND parent, int id, const RECT* rect) {
  try {
    return chartcontrol::ChartCore::Create(parent, id, rect ? *rect : RECT{0, 0, 790, 480});
  } catch (...) {
    return nullptr;
  }
}

static_assert(std::is_same<decltype(&CreateChartControl), chartcontrol::CreateChartControlFunction>::value,
              "the export must match the type hosts call it by");

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  // Unloaded by FreeLibrary (not at process exit): the class must not outlive the code.
  if (reason == DLL_PROCESS_DETACH && !reserved) chartcontrol::ChartWindow::UnregisterClass();
  return TRUE;
}
