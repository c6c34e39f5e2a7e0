// The nine user tools and the nine text macros: starting a tool, inserting a macro, their pages
// of the options sheet, and their commands in the frame.
#pragma once

#include <windows.h>

#include <prsht.h>

#include "editor/app/OptionsSheet.h"

namespace editor {

// Starts tool `index` (0-8) with the active document `document` (null when none). Only beeps
// when the tool is inactive, has no program or its program file is missing. With "save" set a
// modified, editable document is saved first, and the tool is not started when that save fails
// or is cancelled. With "launch" set the document's file name is the command tail. With "hide"
// set the frame is minimised after the start. True when the program was handed to the shell.
bool RunTool(HWND frame, HWND document, int index);

// Replaces the selection of `document` with the text of macro `index` (0-8), line breaks kept,
// in one undoable step. A read-only document, or an inactive or unnamed macro, only beeps.
bool InsertMacro(HWND document, int index);

// The Tools page (dialog 2600) and the Macros page (dialog 2700); each opens at entry 0.
bool BuildToolsPage(OptionsSheetSession& session, PROPSHEETPAGEA& page);
bool BuildMacrosPage(OptionsSheetSession& session, PROPSHEETPAGEA& page);

// Plugs the tool commands (frame) and the macro commands (document) into the frame's services.
void InstallToolAndMacroServices();

}  // namespace editor
