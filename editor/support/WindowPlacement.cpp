#include "editor/support/WindowPlacement.h"

#include <shellapi.h>

#include "editor/support/SettingsStore.h"

namespace support {

RECT ScreenRect = {0, 0, 0, 0};
DialogPositions dialogPositions;

namespace {

// The screen to clamp against; read now if start-up has not read it yet.
ScreenBounds CurrentScreen() {
  if (IsRectEmpty(&ScreenRect)) ReadScreenRect();
  return ToScreenBounds(ScreenRect);
}

}  // namespace

ScreenBounds ToScreenBounds(const RECT& rect) {
  ScreenBounds bounds;
  bounds.left = rect.left;
  bounds.top = rect.top;
  bounds.right = rect.right;
  bounds.bottom = rect.bottom;
  return bounds;
}

void ReadScreenRect() { GetClientRect(GetDesktopWindow(), &ScreenRect); }

void LoadWindowPlacement(const char* section, PlacementRecord* record) {
  if (!record) return;
  const PlacementRecord defaults;
  record->top = static_cast<std::int32_t>(ReadSettingInt(section, "Top", static_cast<std::uint32_t>(defaults.top)));
  record->left = static_cast<std::int32_t>(ReadSettingInt(section, "Left", static_cast<std::uint32_t>(defaults.left)));
  record->height = static_cast<std::int32_t>(ReadSettingInt(section, "Height", static_cast<std::uint32_t>(defaults.height)));
  record->width = static_cast<std::int32_t>(ReadSettingInt(section, "Width", static_cast<std::uint32_t>(defaults.width)));
  record->show = static_cast<std::int32_t>(ReadSettingInt(section, "Show", static_cast<std::uint32_t>(defaults.show)));
  ClampWindowPosition(record);
}

void SaveWindowPlacement(const char* section, const PlacementRecord* record) {
  if (!record) return;
  WriteSettingInt(section, "Top", static_cast<std::uint32_t>(record->top));
  WriteSettingInt(section, "Left", static_cast<std::uint32_t>(record->left));
  WriteSettingInt(section, "Width", static_cast<std::uint32_t>(record->width));
  WriteSettingInt(section, "Height", static_cast<std::uint32_t>(record->height));
  WriteSettingInt(section, "Show", static_cast<std::uint32_t>(record->show));
}

int ClampWindowPosition(PlacementRecord* record) {
  if (!record) return 0;
  ClampPlacement(*record, CurrentScreen());
  return 1;
}

int GetTaskbarEdge(HWND window, RECT* taskbar) {
  APPBARDATA data = {};
  data.cbSize = sizeof data;
  data.hWnd = window;
  if (!SHAppBarMessage(ABM_GETTASKBARPOS, &data)) return kTaskbarUnknown;
  if (taskbar) *taskbar = data.rc;
  return ClassifyTaskbarEdge(ToScreenBounds(data.rc));
}

int StoreWindowPosition(HWND window, PlacementRecord* record) {
  if (!record) return 0;
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (!window || !GetWindowPlacement(window, &placement)) return 0;
  TakeNormalRectangle(*record, ToScreenBounds(placement.rcNormalPosition));

  RECT taskbar = {};
  const int edge = GetTaskbarEdge(window, &taskbar);
  if (edge == kTaskbarUnknown) return 0;
  APPBARDATA state = {};
  state.cbSize = sizeof state;
  const bool autoHide = (SHAppBarMessage(ABM_GETSTATE, &state) & ABS_AUTOHIDE) != 0;
  CorrectForTaskbar(*record, static_cast<TaskbarEdge>(edge), ToScreenBounds(taskbar), autoHide);
  return 1;
}

void PlaceAtStoredPosition(HWND dialog, const PlacementRecord* record, int margin) {
  if (!dialog || !record) return;
  const ScreenPoint at = StoredPlacementOrigin(*record, CurrentScreen(), margin);
  SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

void LoadDialogPositions() {
  LoadWindowPlacement("DeskTop\\GetFile", &dialogPositions.getFile);
  LoadWindowPlacement("DeskTop\\PutFile", &dialogPositions.putFile);
  LoadWindowPlacement("DeskTop\\Setup", &dialogPositions.setup);
  LoadWindowPlacement("DeskTop\\Property", &dialogPositions.property);
}

void SaveDialogPositions() {
  SaveWindowPlacement("DeskTop\\GetFile", &dialogPositions.getFile);
  SaveWindowPlacement("DeskTop\\PutFile", &dialogPositions.putFile);
  SaveWindowPlacement("DeskTop\\Setup", &dialogPositions.setup);
  SaveWindowPlacement("DeskTop\\Property", &dialogPositions.property);
}

}  // namespace support
