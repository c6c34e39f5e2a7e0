// The splash window, also shown as the About window: a borderless topmost popup of the numeric
// splash class, centred on the screen, painting bitmap 1000 and nothing else.
#pragma once

#include <windows.h>

namespace editor {

enum class SplashMode { StartUp, About };

// Registers the splash class (numeric 500, icon 1000, button-face background).
bool RegisterSplashClass(HINSTANCE instance);
// Shows the splash window, or brings the existing one to the front. In the About mode a key
// press or a left click closes it; at start-up neither does.
HWND ShowSplashWindow(SplashMode mode);
// The splash window of this thread, or null.
HWND FindSplashWindow();
// Closes the splash window when one is open.
void CloseSplashWindow();

}  // namespace editor
