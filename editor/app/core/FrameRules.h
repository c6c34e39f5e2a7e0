// Decisions of the frame that need no Win32: who handles a menu command, and what start-up
// opens. Portable: no windows.h.
#pragma once

#include "editor/app/core/EditorStateRecord.h"

namespace editor {

enum class CommandOwner {
  Frame,     // the frame handles it (itself or through the part that owns the work)
  Document,  // forwarded unchanged to the active document window
  Default,   // default frame processing (window-menu entries and anything unknown)
};
CommandOwner ClassifyCommand(unsigned id);

enum class StartUpOpening {
  Nothing,
  CommandLineFile,  // the file named on the command line
  SysEditFiles,     // the nine SysEdit files
  FileList,         // the files of the indirect list named by the current file name
  LastFile,         // the current file name (LoadLast)
  NewDocument,      // an untitled document (NewDoc)
};
// What start-up opens, by precedence. A command-line file that does not exist is passed over.
StartUpOpening ChooseStartUpOpening(const EditorState& state, bool currentFileExists);

}  // namespace editor
