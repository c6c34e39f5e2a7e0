// The frame's status bar (statusWindow, id 1003): the status line in part 0, the line indicator
// "Ln %d" in part 1, menu hints, and the layout of the frame's toolbar, client and status bar.
#pragma once

#include <windows.h>

#include "editor/support/core/SafeFormat.h"

namespace editor {

// Distances of the two parts' right edges from the right edge of the frame's client area.
constexpr int kStatusLineRightGap = 80;
constexpr int kLinePartRightGap = 20;

// Makes statusWindow on the frame with "Ready ..." and hides it when the Status option is off.
// False when it cannot be made (statusWindow stays null; the caller reports it).
bool CreateStatusBar(HWND frame);

// Puts the text of `stringId` formatted with the arguments (at most 255 characters) on the
// status line and repaints it at once. Nothing happens while the status bar is missing or
// hidden. Arguments are typed: a "%" inside a text argument is shown as it stands.
void ShowStatusArgs(unsigned stringId, support::FormatArgs args);
template <typename... Args>
void ShowStatus(unsigned stringId, const Args&... args) {
  ShowStatusArgs(stringId, {support::FormatArg(args)...});
}
// The message boxes' status hook: the text of `stringId` without arguments.
void ShowStatusHint(unsigned stringId);

// The frame's WM_MENUSELECT (LOWORD and HIWORD of wParam): a command from 101 to 999 that is
// neither a popup nor on the system menu shows its hint; anything else, the menu closing
// included, shows "Ready ...".
void ShowMenuHint(UINT itemId, UINT flags);

// The frame's WM_SIZE: sizes the toolbar, places the status bar and its parts, and gives the
// client window the room between them.
void LayoutFrame();
// Has the frame lay itself out again: posts it a size message with its current client size.
void RequestFrameLayout();

// "Ln %d" with the one-based line of the edit control's caret in part 1; empty for a null
// control. Nothing happens while the status bar is missing or hidden.
void ShowLineNumber(HWND edit);
// ShowLineNumber for activeEdit.
void UpdateLinePart();

// The string resource `stringId` into the buffer, or an empty buffer and 0 when it has none.
// Unlike GetString it shows no box: hints and tips are asked for while a menu or a tool tip is
// up, where a missing text must not stop the user.
int LoadHintText(unsigned stringId, char* buffer, int capacity);

// True while the window exists and is not hidden (whatever its parent's state).
bool IsBarShown(HWND window);

// Status Bar (301): flips the Status option, shows or hides the status bar and lays the frame
// out again.
void ToggleStatusBar();

}  // namespace editor
