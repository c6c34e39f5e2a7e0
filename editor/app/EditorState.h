// The editor's application state, its loading and saving, and the options property sheet.
#pragma once

#include <windows.h>

#include "editor/app/core/EditorStateRecord.h"

namespace editor {

extern EditorState editorState;

// Reads every setting into editorState; on a first run applies the first-run defaults and
// writes them at once. Needs ScreenRect and the settings root.
void LoadSettings();
// Writes editorState and the fonts and dialog positions back, then shows "Options saved".
void SaveSettings();

// The display and printer font records, loaded and saved with the settings.
LOGFONTA& DisplayFontRecord();
LOGFONTA& PrinterFontRecord();

// Points the references inside `state` (the page setup's and the Explorer choices' sheet
// position) at the state's own options-sheet placement.
void PointPlacementReferences(EditorState& state);

// The options sheet at `startPage` (0 to 8; anything else opens page 0), editing a copy of
// editorState that OK copies back. Returns whether LtGray changed.
bool RunOptionsSheet(HWND owner, int startPage);

// Page numbers of the options sheet.
enum OptionsPage : int {
  kEditorPage = 0,
  kFiltersPage = 1,
  kPrintingPage = 2,
  kToolsPage = 3,
  kMacrosPage = 4,
  kSysEditPage = 5,
  kTimeStampPage = 6,
  kExplorerPage = 7,
  kVersionPage = 8,
  kOptionsPageCount = 9,
};

}  // namespace editor
