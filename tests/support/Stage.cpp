#include "tests/support/Stage.h"

#include "tests/support/Messages.h"

namespace testsupport {

HWND Stage() {
  static const HWND stage = [] {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "TestSupportStage";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "test stage", WS_POPUP | WS_CLIPCHILDREN, 0, 0,
                                1000, 700, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    PumpMessages();
    return hwnd;
  }();
  return stage;
}

void ActivateStage() {
  SetForegroundWindow(Stage());
  SetActiveWindow(Stage());
  RedrawWindow(Stage(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace testsupport
