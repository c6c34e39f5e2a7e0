// The frame's toolbar (toolbarWindow, id 1002): its creation from the button table, the layouts
// "Standard" and "Custom" kept by the control's own save and restore, customisation, tool tips
// and button states.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "editor/app/core/ToolbarLayout.h"

namespace editor {

// Settings section of the stored layouts (a key under the settings root of the current user),
// and the names of the two layouts, values of that key.
constexpr const char* kToolbarLayoutSection = "DeskTop\\Window\\ToolBar";
constexpr const char* kStandardLayoutName = "Standard";
constexpr const char* kCustomLayoutName = "Custom";

// Makes toolbarWindow on the frame with the standard buttons, stores them as "Standard", then
// puts back the "Custom" layout when one is stored, and hides the toolbar when the ToolBar option
// is off. False when the toolbar cannot be made (toolbarWindow stays null).
bool CreateToolbarWindow(HWND frame);

// Opens the toolbar's customisation dialog (command 303); returns when it closes.
void CustomizeToolbar();

// Stores the toolbar's current buttons under `name` ("Standard" or "Custom") with the control's
// own save (TB_SAVERESTORE).
void SaveToolbarLayout(const char* name);
// Replaces the toolbar's buttons by the layout stored under `name` with the control's own
// restore; buttons that stay keep their state. False, toolbar unchanged, when nothing is stored
// under it or what is stored is not a layout of this toolbar.
bool RestoreToolbarLayout(const char* name);

// The toolbar's buttons, left to right, as command ids (0 for separators); and replacing them.
// Buttons that stay keep their state; new ones start enabled. Both may throw std::bad_alloc;
// the functions above that run inside window messages catch it.
ToolbarLayout GetToolbarLayout();
void ApplyToolbarLayout(const ToolbarLayout& layout);

// The frame's WM_NOTIFY for the toolbar and its tool tips. True when the notification was the
// toolbar's; `result` is then the answer to return.
bool HandleToolbarNotify(NMHDR* header, LRESULT& result);

// Button states for UpdateCommandState. A disabled button shows indeterminate (grey) and cannot
// be clicked; a pressed one is checked. Either call unhides the button. Commands without a
// button on the toolbar are ignored.
void SetToolButtonState(UINT command, bool enabled);
void CheckToolButton(UINT command, bool pressed);

// Toolbar (302): flips the ToolBar option, shows or hides the toolbar and lays the frame out
// again.
void ToggleToolbar();

}  // namespace editor
