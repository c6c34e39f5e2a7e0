#include "editor/app/Splash.h"

#include "common/win32/Handles.h"

#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

// The window's user data holds its mode.
constexpr LONG_PTR kAboutMode = 1;

void MsgPaint(HWND splash) {
  win32::PaintDc paint(splash);
  win32::UniqueBitmap bitmap(static_cast<HBITMAP>(
      LoadImageA(instanceHandle, MAKEINTRESOURCEA(IDB_SPLASH), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
  if (!bitmap) return;
  win32::UniqueMemoryDc memory(CreateCompatibleDC(paint.get()));
  if (!memory) return;
  win32::SelectGuard select(memory.get(), bitmap.get());
  BitBlt(paint.get(), 0, 0, SPLASH_WIDTH, SPLASH_HEIGHT, memory.get(), 0, 0, SRCCOPY);
}

void MsgCloseRequest(HWND splash) {
  if (GetWindowLongPtrA(splash, GWLP_USERDATA) == kAboutMode) DestroyWindow(splash);
}

LRESULT CALLBACK SplashWindowProc(HWND splash, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      MsgPaint(splash);
      return 0;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
      MsgCloseRequest(splash);
      return 0;
    default:
      return DefWindowProcA(splash, message, wParam, lParam);
  }
}

BOOL CALLBACK FindSplash(HWND window, LPARAM found) {
  if (GetClassWord(window, GCW_ATOM) == kSplashClassAtom) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool RegisterSplashClass(HINSTANCE instance) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = SplashWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_QUILLET));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = MAKEINTATOM(kSplashClassAtom);
  return RegisterClassA(&windowClass) != 0;
}

HWND FindSplashWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindSplash, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND ShowSplashWindow(SplashMode mode) {
  if (HWND existing = FindSplashWindow()) {
    if (mode == SplashMode::About) SetWindowLongPtrA(existing, GWLP_USERDATA, kAboutMode);
    SetWindowPos(existing, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(existing);
    return existing;
  }
  if (ScreenRect.right <= ScreenRect.left) ReadScreenRect();
  const ScreenPoint at = CenteredOrigin(ToScreenBounds(ScreenRect), SPLASH_WIDTH, SPLASH_HEIGHT);
  HWND splash = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, MAKEINTATOM(kSplashClassAtom), "Splash", WS_POPUP,
                                ScreenRect.left + at.x, ScreenRect.top + at.y, SPLASH_WIDTH, SPLASH_HEIGHT,
                                mode == SplashMode::About ? frameWindow : nullptr, nullptr, instanceHandle, nullptr);
  if (!splash) return nullptr;
  SetWindowLongPtrA(splash, GWLP_USERDATA, mode == SplashMode::About ? kAboutMode : 0);
  if (mode == SplashMode::About) {
    ShowWindow(splash, SW_SHOW);
    SetFocus(splash);
  } else {
    ShowWindow(splash, SW_SHOWNOACTIVATE);
  }
  UpdateWindow(splash);
  return splash;
}

void CloseSplashWindow() {
  if (HWND splash = FindSplashWindow()) DestroyWindow(splash);
}

}  // namespace editor
