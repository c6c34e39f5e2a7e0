// The error-code window: every system error code from 0 to 6,665 that has a description, one
// line each, filled behind a progress box when the window opens.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "common/win32/Handles.h"
#include "editor/app/EditorState.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/ToolWindows.h"
#include "editor/app/core/CharacterGrid.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

constexpr const char* kErrorsTitle = "MS Windows 95/NT Error Codes";
constexpr DWORD kErrorCodeCount = 6666;

struct ErrorList {
  HWND window = nullptr;
  HWND list = nullptr;
  PlacementRecord* placement = nullptr;
  bool loading = false;
};

ErrorList& TheList() {
  static ErrorList errors;
  return errors;
}

void FillList(HWND progress) {
  ErrorList& errors = TheList();
  SendMessageA(errors.list, LB_RESETCONTENT, 0, 0);
  for (DWORD code = 0; code < kErrorCodeCount; ++code) {
    if (progress) SendMessageA(progress, PBM_STEPIT, 0, 0);
    const std::string line = ErrorCodeLine(code, SystemErrorDescription(code));
    if (!line.empty()) SendMessageA(errors.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
}

INT_PTR CALLBACK LoadingProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  HWND progress = GetDlgItem(dialog, IDC_ERROR_CODES_PROGRESS);
  SendMessageA(progress, PBM_SETRANGE32, 0, kErrorCodeCount);
  SendMessageA(progress, PBM_SETSTEP, 1, 0);
  SendMessageA(progress, PBM_SETPOS, 0, 0);
  CenterDialog(dialog);
  SetTopmost(dialog, true);
  return TRUE;
}

// The loading box's first idle moment: fill the list under it, then close it.
void LoadingIdle(HWND dialog) {
  ErrorList& errors = TheList();
  if (!errors.loading) return;
  errors.loading = false;
  FillList(GetDlgItem(dialog, IDC_ERROR_CODES_PROGRESS));
  EndDialog(dialog, 1);
}

LRESULT Create(HWND window, const CREATESTRUCTA& create) {
  ErrorList& errors = TheList();
  errors.window = window;
  errors.placement = static_cast<PlacementRecord*>(create.lpCreateParams);
  errors.loading = true;
  errors.list = CreateWindowExA(0, "ListBox", "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT |
                                    LBS_NOTIFY,
                                0, 0, 0, 0, window, reinterpret_cast<HMENU>(IDC_ERROR_CODES_LIST), instanceHandle,
                                nullptr);
  if (!errors.list) return -1;
  SendMessageA(errors.list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)), FALSE);
  int tabStops[] = {25, 60};
  SendMessageA(errors.list, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(tabStops));
  const INT_PTR shown =
      DialogBoxParamA(instanceHandle, MAKEINTRESOURCEA(IDD_LOADING_ERROR_CODES), window, LoadingProc, 0);
  errors.loading = false;
  return shown == -1 ? -1 : 0;
}

void Size(WPARAM kind, LPARAM size) {
  if (kind != SIZE_RESTORED && kind != SIZE_MAXIMIZED) return;
  MoveWindow(TheList().list, 0, 0, LOWORD(size), HIWORD(size), TRUE);
}

void ApplyTopmost(HWND window) {
  const PlacementRecord* placement = TheList().placement;
  SetTopmost(window, placement ? placement->show != 0 : editorState.errorsPlacement.show != 0);
}

void Destroyed(HWND window) {
  ErrorList& errors = TheList();
  StoreWindowPosition(window, errors.placement ? errors.placement : &editorState.errorsPlacement);
  errors = ErrorList();
}

}  // namespace

LRESULT CALLBACK ErrorCodesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_CREATE:
        return Create(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
      case WM_ENTERIDLE:
        if (wParam == MSGF_DIALOGBOX) LoadingIdle(reinterpret_cast<HWND>(lParam));
        return 0;
      case WM_SIZE:
        Size(wParam, lParam);
        return 0;
      case WM_SETFOCUS:
        if (TheList().list) SetFocus(TheList().list);
        ApplyTopmost(window);
        return 0;
      case WM_DESTROY:
        Destroyed(window);
        return 0;
      default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
  } catch (...) {
    return 0;
  }
}

std::string SystemErrorDescription(DWORD code) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
      MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&buffer), 0, nullptr);
  win32::UniqueLocal owned(buffer);
  if (length == 0 || !buffer) return {};
  std::string text(buffer, length);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

HWND ShowErrorCodes(PlacementRecord* placement) {
  ErrorList& errors = TheList();
  if (errors.window) {
    ShowWindow(errors.window, IsIconic(errors.window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(errors.window);
    BringWindowToTop(errors.window);
    SetFocus(errors.window);
    return errors.window;
  }
  if (IsRectEmpty(&ScreenRect)) ReadScreenRect();
  if (!placement) placement = &editorState.errorsPlacement;
  const int left = std::min<int>(placement->left, ScreenRect.right - 70);
  const int top = std::min<int>(placement->top, ScreenRect.bottom - 70);
  HWND window = CreateWindowExA(WS_EX_CLIENTEDGE | (placement->show ? WS_EX_TOPMOST : 0), kErrorCodesClass,
                                kErrorsTitle, WS_OVERLAPPEDWINDOW, left, top, placement->width, placement->height,
                                nullptr, nullptr, instanceHandle, placement);
  if (!window) {
    ErrorBox(MSG_WINDOW_FAILED, kErrorsTitle, static_cast<int>(GetLastError()));
    return nullptr;
  }
  SendMessageA(errors.list, LB_SETCURSEL, 0, 0);
  SendMessageA(errors.list, LB_SETTOPINDEX, 0, 0);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)), FALSE);
  ShowWindow(window, SW_SHOW);
  SetFocus(errors.list);  // a hidden window cannot take the focus
  ApplyTopmost(window);
  return window;
}

void SetErrorsTopmost(bool on) {
  editorState.errorsPlacement.show = on ? 1 : 0;
  ErrorList& errors = TheList();
  if (errors.placement) errors.placement->show = on ? 1 : 0;
  if (errors.window) SetTopmost(errors.window, on);
}

void CloseErrorCodes() {
  if (TheList().window) DestroyWindow(TheList().window);
}

HWND ErrorCodesWindow() { return TheList().window; }

}  // namespace editor
