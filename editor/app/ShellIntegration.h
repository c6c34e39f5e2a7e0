// Quillet in the shell: the Explorer page of the options sheet, which makes and removes the
// program's shortcuts once the sheet is closed with OK, and the record of the program's name,
// version and place written each time the options are saved.
#pragma once

#include <windows.h>

#include <prsht.h>

#include "editor/app/OptionsSheet.h"
#include "editor/app/core/EditorRecords.h"
#include "editor/support/DialogTemplate.h"

namespace editor {

// The name and version the program records about itself.
constexpr const char* kProgramTitle = "Quillet for Windows 95/NT";
constexpr const char* kProgramVersion = "v3.7";

// After OK: makes the shortcuts whose create flag is set (Start menu, desktop, Startup), then
// removes those whose remove flag is set, in the same order; then clears every field.
void ApplyExplorerItems(HWND owner, ShellItemChoices& choices);

// The version in WIN.INI's "Orvane" section, the registry entries of RegisterProgramPaths, and
// the program, version and maker under the settings' "Application" section. Failures are ignored.
void RecordProgramInfo(const char* title, const char* version);

// The page: texts naming the program, each kind's pair of boxes enabled by whether its shortcut
// exists, the sheet at its stored place.
void ExplorerPageInit(HWND page, const ShellItemChoices& choices);
// The six flags from the boxes (a greyed box reads as cleared) and the sheet's position.
void ExplorerPageRead(HWND page, ShellItemChoices& choices);
support::TemplateBlock BuildExplorerPageTemplate();
INT_PTR CALLBACK ExplorerPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// The options sheet's builder of the page, on the session copy's choices.
bool BuildExplorerPage(OptionsSheetSession& session, PROPSHEETPAGEA& page);

}  // namespace editor
