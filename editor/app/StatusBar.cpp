// The status bar and the frame's layout. Part 0 is the status line (drawn without borders),
// part 1 the line indicator; both are written only while the status bar is shown.
#include "editor/app/StatusBar.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>

#include "editor/app/EditorState.h"
#include "editor/app/FrameGlobals.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

constexpr UINT_PTR kStatusSubclassId = 1;
constexpr int kStatusLinePart = 0;
constexpr int kLinePart = 1;

// The global handle goes with the window, so that nobody writes to a destroyed status bar.
LRESULT CALLBACK StatusSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, StatusSubclassProc, id);
    if (statusWindow == window) statusWindow = nullptr;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

// Right edges at width - 80 and width - 20; a frame narrower than that gets empty parts rather
// than negative edges, which the control would take as "to the right end".
void SetStatusParts(int clientWidth) {
  int edges[2] = {std::max(0, clientWidth - kStatusLineRightGap),
                  std::max(0, clientWidth - kLinePartRightGap)};
  SendMessageA(statusWindow, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
}

void SetStatusLine(const char* text) {
  SendMessageA(statusWindow, SB_SETTEXTA, kStatusLinePart | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text));
  UpdateWindow(statusWindow);
}

int ClientWidth(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client.right - client.left;
}

int WindowHeight(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect.bottom - rect.top;
}

}  // namespace

int LoadHintText(unsigned stringId, char* buffer, int capacity) {
  if (!buffer || capacity <= 0) return 0;
  buffer[0] = '\0';
  const int length = LoadStringA(instanceHandle, stringId, buffer, capacity);
  if (length <= 0) buffer[0] = '\0';
  return std::max(length, 0);
}

bool IsBarShown(HWND window) {
  return window && IsWindow(window) && (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool CreateStatusBar(HWND frame) {
  char ready[kMaxWindowTextLength + 1];
  GetString(ready, MSG_READY);
  HWND status = CreateWindowExA(0, STATUSCLASSNAMEA, ready, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM,
                                0, 0, 0, 0, frame,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)), instanceHandle,
                                nullptr);
  if (!status) return false;
  SetWindowSubclass(status, StatusSubclassProc, kStatusSubclassId, 0);
  statusWindow = status;
  SetStatusParts(ClientWidth(frame));
  SendMessageA(status, SB_SETTEXTA, kStatusLinePart | SBT_NOBORDERS, reinterpret_cast<LPARAM>(ready));
  if (!editorState.Status) ShowWindow(status, SW_HIDE);
  return true;
}

void ShowStatusArgs(unsigned stringId, FormatArgs args) {
  if (!IsBarShown(statusWindow)) return;
  char text[kMaxWindowTextLength + 1] = "";
  try {
    FormatStringByIdArgs(text, stringId, args);
  } catch (...) {  // out of memory while formatting: an empty line rather than an escape
    text[0] = '\0';
  }
  SetStatusLine(text);
}

void ShowStatusHint(unsigned stringId) { ShowStatus(stringId); }

void ShowMenuHint(UINT itemId, UINT flags) {
  if (!IsBarShown(statusWindow)) return;
  const bool menuClosing = flags == 0xFFFF;
  if (!menuClosing && !(flags & (MF_POPUP | MF_SYSMENU)) && itemId >= FIRST_HINTED_COMMAND &&
      itemId <= LAST_HINTED_COMMAND) {
    char hint[kMaxWindowTextLength + 1];
    if (LoadHintText(itemId, hint, sizeof hint) > 0) {
      SetStatusLine(hint);
      return;
    }
  }
  ShowStatus(MSG_READY);
}

void LayoutFrame() {
  if (!frameWindow) return;
  RECT client{};
  GetClientRect(frameWindow, &client);
  const int width = client.right - client.left;
  int top = 0;
  int bottom = client.bottom;
  if (IsBarShown(toolbarWindow)) {
    SendMessageA(toolbarWindow, TB_AUTOSIZE, 0, 0);
    top = WindowHeight(toolbarWindow);
  }
  if (IsBarShown(statusWindow)) {
    SendMessageA(statusWindow, WM_SIZE, 0, 0);
    SetStatusParts(width);
    bottom -= WindowHeight(statusWindow);
    ShowStatus(MSG_READY);
  }
  if (mdiClient) {
    MoveWindow(mdiClient, 0, top, width, std::max(0, bottom - top), TRUE);
    InvalidateRect(mdiClient, nullptr, TRUE);
  }
}

void RequestFrameLayout() {
  if (!frameWindow || IsIconic(frameWindow)) return;
  RECT client{};
  GetClientRect(frameWindow, &client);
  PostMessageA(frameWindow, WM_SIZE, IsZoomed(frameWindow) ? SIZE_MAXIMIZED : SIZE_RESTORED,
               MAKELPARAM(client.right - client.left, client.bottom - client.top));
}

void ShowLineNumber(HWND edit) {
  if (!IsBarShown(statusWindow)) return;
  char text[32] = "";
  if (edit) {
    CHARRANGE selection{};
    SendMessageA(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    const LRESULT line = SendMessageA(edit, EM_EXLINEFROMCHAR, 0, selection.cpMin);
    std::snprintf(text, sizeof text, "Ln %d", static_cast<int>(line) + 1);
  }
  SendMessageA(statusWindow, SB_SETTEXTA, kLinePart, reinterpret_cast<LPARAM>(text));
}

void UpdateLinePart() { ShowLineNumber(activeEdit); }

void ToggleStatusBar() {
  editorState.Status = editorState.Status ? 0 : 1;
  if (statusWindow) {
    ShowWindow(statusWindow, editorState.Status ? SW_SHOW : SW_HIDE);
    // The indicator was left alone while hidden; bring it up to date.
    if (editorState.Status) UpdateLinePart();
  }
  RequestFrameLayout();
}

}  // namespace editor
