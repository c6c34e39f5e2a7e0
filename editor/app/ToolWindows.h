// The two reference windows beside the documents: the character chart (Windows > ASCII Chart)
// and the list of the system's error codes (Windows > Error Codes). Each exists at most once,
// keeps its place in editorState (asciiPlacement, errorsPlacement; `show` holds its topmost
// state) and closes at shutdown.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "editor/support/core/Placement.h"

namespace editor {

constexpr const char* kCharacterChartClass = "TableWindowClass";
constexpr const char* kErrorCodesClass = "MSErrorsClass";

// The window procedures of the two classes (registered at start-up).
LRESULT CALLBACK CharacterChartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ErrorCodesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The chart at `placement`, in `faceName` at 9 points when `useFont` is set; an open chart is
// shown and focused instead. Null after the error box when it cannot be created.
HWND ShowCharacterChart(support::PlacementRecord* placement, const char* faceName, bool useFont);
// The display font changed: an open chart takes the face (or the stock font) and its title.
void ChartFontChanged(const char* faceName, bool useFont);
void SetChartTopmost(bool on);
void CloseCharacterChart();
HWND CharacterChartWindow();

// What the last click on the chart showed or copied (for tests and the status of the chart).
struct ChartClick {
  int code = -1;  // -1: the click hit no cell
  bool copied = false;
  RECT box = {};  // the information box of a left click
  std::array<std::string, 4> lines;
};
const ChartClick& LastChartClick();
// The chart waits for the next keyboard or mouse input after a click; a test takes the wait's
// place with `hook`, which sees the chart with the cell inverted (and the box drawn). Returns the
// previous hook; an empty hook means the real wait.
using ChartWaitHook = std::function<void(HWND chart)>;
ChartWaitHook SetChartWaitHook(ChartWaitHook hook);

// The error-code window at `placement`; an open one is shown and focused instead.
HWND ShowErrorCodes(support::PlacementRecord* placement);
void SetErrorsTopmost(bool on);
void CloseErrorCodes();
HWND ErrorCodesWindow();

// The system's full description of an error code (no length limit), without its trailing line
// break; empty when the system has none.
std::string SystemErrorDescription(DWORD code);

// Plugs the chart, the error list and File Properties into the frame (DocumentServices).
void InstallToolWindowServices();

}  // namespace editor
