// The frame's presence on the desktop: the notification-area icon (id 0x80C8, callback message
// kTrayCallbackMessage), minimising to it, and Always on Top.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>

namespace editor {

constexpr UINT kTrayIconId = 0x80C8;

// Adds the icon for frameWindow with the tip "Quillet", or with `tip` (none when null or empty).
void AddTrayIcon();
void AddTrayIcon(const char* tip);
// Removes the icon of frameWindow.
void RemoveTrayIcon();

// The frame's kTrayCallbackMessage: a left or right button press on the icon shows the frame
// (restored when minimised), brings it to the front and applies the TopMost option. Returns 0.
LRESULT HandleTrayCallback(WPARAM wParam, LPARAM lParam);

// For the frame's WM_SIZE with SIZE_MINIMIZED: with the TaskTray option on, hides the frame so
// that only the icon remains. True when the frame went to the tray; false when the option is
// off or no icon could be put there (the frame then stays an ordinary minimised window).
bool MinimizeToTray();

// Makes the frame topmost or not by the TopMost option (on creation, focus, and when shown from
// the icon).
void ApplyFrameTopMost();
// Applies the TopMost option to the frame and hands it on to the error-code window and the
// character chart: the topmost field of their placement records takes the option's value and
// the open windows follow it.
void ApplyTopMost();
// Always on Top (399): flips the TopMost option and applies it.
void ToggleAlwaysOnTop();

// The one door to the shell's notification area. Tests set a notifier to see the calls instead
// of the shell; it returns what Shell_NotifyIcon would. Returns the previous one (empty: shell).
using TrayNotifier = std::function<bool(DWORD message, const NOTIFYICONDATAA& data)>;
TrayNotifier SetTrayNotifier(TrayNotifier notifier);

}  // namespace editor
