#include "tests/support/Messages.h"

namespace testsupport {

bool PumpMessages() {
  bool quit = false;
  MSG msg;
  for (int i = 0; i < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_QUIT) {
      quit = true;
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return quit;
}

void PumpFor(int milliseconds) {
  const DWORD start = GetTickCount();
  do {
    PumpMessages();
    Sleep(10);
  } while (GetTickCount() - start < static_cast<DWORD>(milliseconds));
  PumpMessages();
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpMessages();
    if (done()) return true;
    if (GetTickCount() - start >= static_cast<DWORD>(timeoutMs)) return done();
    Sleep(10);
  }
}

void SendMouse(HWND window, UINT msg, int x, int y, WPARAM keys) {
  SendMessageA(window, msg, keys, MAKELPARAM(x, y));
}

void Click(HWND window, int x, int y) {
  SendMouse(window, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
  SendMouse(window, WM_LBUTTONUP, x, y);
}

}  // namespace testsupport
