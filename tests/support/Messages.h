// Driving windows from a test: handling what is queued, waiting for what Wine does later, and
// mouse input as the system sends it.
#pragma once

#include <windows.h>

#include <functional>

namespace testsupport {

// Handles every message waiting for this thread (a bounded number), as a message loop would,
// except WM_QUIT, which is taken off the queue. True when a WM_QUIT was among them.
bool PumpMessages();
// Keeps handling messages for about `milliseconds` (for work Wine posts a little later).
void PumpFor(int milliseconds);
// Handles messages until `done` answers true or `timeoutMs` have passed; the last answer.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// Mouse messages as the system sends them, at client point (x, y).
void SendMouse(HWND window, UINT msg, int x, int y, WPARAM keys = 0);
void Click(HWND window, int x, int y);

}  // namespace testsupport
