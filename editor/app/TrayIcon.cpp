// The notification-area icon, minimising to it, and Always on Top. Every call to the shell's
// notification area goes through NotifyTray, the seam the tests replace.
#include "editor/app/TrayIcon.h"

#include <utility>

#include "common/win32/Handles.h"
#include "editor/app/EditorState.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/ToolWindows.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

constexpr const char* kTrayTip = "Quillet";
constexpr int kTrayIconSize = 16;

TrayNotifier& CurrentNotifier() {
  static TrayNotifier notifier;
  return notifier;
}

bool NotifyTray(DWORD message, const NOTIFYICONDATAA& data) {
  if (const TrayNotifier& notifier = CurrentNotifier()) return notifier(message, data);
  NOTIFYICONDATAA copy = data;
  return Shell_NotifyIconA(message, &copy) != FALSE;
}

// The first fields of the record are all the program uses, so the oldest size is given.
NOTIFYICONDATAA IconRecord() {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = frameWindow;
  data.uID = kTrayIconId;
  return data;
}

bool PutIcon(DWORD message, const char* tip) {
  NOTIFYICONDATAA data = IconRecord();
  // The shell copies the icon; ours goes when the call is done.
  win32::UniqueIcon icon(static_cast<HICON>(LoadImageA(instanceHandle, MAKEINTRESOURCEA(IDI_QUILLET_SMALL), IMAGE_ICON,
                                                kTrayIconSize, kTrayIconSize, LR_DEFAULTCOLOR)));
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = icon.get();
  CopyText(data.szTip, sizeof data.szTip, tip ? tip : "");
  return NotifyTray(message, data);
}

// Whether the shell holds our icon: a modification that changes nothing succeeds only then.
bool TrayIconPresent() {
  NOTIFYICONDATAA data = IconRecord();
  data.uFlags = 0;
  return NotifyTray(NIM_MODIFY, data);
}

}  // namespace

void AddTrayIcon() { AddTrayIcon(kTrayTip); }

void AddTrayIcon(const char* tip) {
  if (frameWindow) PutIcon(NIM_ADD, tip);
}

void RemoveTrayIcon() {
  if (frameWindow) NotifyTray(NIM_DELETE, IconRecord());
}

LRESULT HandleTrayCallback(WPARAM wParam, LPARAM lParam) {
  if (!frameWindow || wParam != kTrayIconId) return 0;
  const UINT event = LOWORD(lParam);
  if (event != WM_LBUTTONDOWN && event != WM_RBUTTONDOWN) return 0;
  ShowWindow(frameWindow, IsIconic(frameWindow) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(frameWindow);
  ApplyFrameTopMost();
  return 0;
}

bool MinimizeToTray() {
  if (!frameWindow || !editorState.TaskTray) return false;
  // Hiding the frame without an icon to bring it back would lose it: put the icon there again
  // when the shell has dropped it (or never took it), and stay a plain minimised window when
  // that fails too.
  if (!TrayIconPresent() && !PutIcon(NIM_ADD, kTrayTip)) return false;
  ShowWindow(frameWindow, SW_HIDE);
  return true;
}

void ApplyFrameTopMost() { SetTopmost(frameWindow, editorState.TopMost != 0); }

void ApplyTopMost() {
  const bool on = editorState.TopMost != 0;
  ApplyFrameTopMost();
  SetErrorsTopmost(on);
  SetChartTopmost(on);
}

void ToggleAlwaysOnTop() {
  editorState.TopMost = editorState.TopMost ? 0 : 1;
  ApplyTopMost();
}

TrayNotifier SetTrayNotifier(TrayNotifier notifier) {
  return std::exchange(CurrentNotifier(), std::move(notifier));
}

}  // namespace editor
