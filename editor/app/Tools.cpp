// Starting a user tool and inserting a text macro, and their commands in the frame.
#include "editor/app/Tools.h"

#include <shellapi.h>

#include <string>

#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/StatusBar.h"
#include "editor/app/core/ToolCommand.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

namespace {

bool ProgramFileExists(const char* program) {
  const DWORD attributes = GetFileAttributesA(program);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool RunTool(HWND frame, HWND document, int index) {
  ShowStatus(ID_TOOL_FIRST);
  if (index < 0 || index >= kListSlots) return false;
  // The entry is copied: saving the document may run dialogs that touch the live state.
  const ToolEntry tool = editorState.tools[index];
  if (!tool.active || !tool.program[0] || !ProgramFileExists(tool.program)) {
    support::WarningBeep();
    return false;
  }
  std::string tail;
  if (document && IsWindow(document)) {
    // Saved first, so that a document named by Save As passes its new name.
    const bool editable = GetDocumentSlot(document, kSlotReadOnly) == 0;
    if (tool.save && editable && GetDocumentSlot(document, kSlotModified) && !SaveDocument(document)) return false;
    if (tool.launch) tail = DocumentName(document);
  }
  const std::string arguments = BuildToolArguments(tool.command, tail);
  // The shell's result is not reported: a tool that fails to start shows nothing.
  ShellExecuteA(frame, "Open", tool.program, arguments.c_str(), tool.folder[0] ? tool.folder : nullptr, SW_RESTORE);
  if (tool.hide && frame) ShowWindow(frame, SW_MINIMIZE);
  return true;
}

bool InsertMacro(HWND document, int index) {
  if (!document || index < 0 || index >= kListSlots) return false;
  const MacroEntry& macro = editorState.macros[index];
  HWND edit = GetDocumentEdit(document);
  if (!edit || !macro.active || !macro.name[0] || GetDocumentSlot(document, kSlotReadOnly)) {
    support::WarningBeep();
    return false;
  }
  ReplaceSelectionByStream(edit, MacroTextWithLineBreaks(macro.text));
  MarkModified(document, true);
  SetFocus(edit);
  return true;
}

void InstallToolAndMacroServices() {
  DocumentServices services = GetDocumentServices();
  auto otherFrameCommands = services.frameCommand;
  services.frameCommand = [otherFrameCommands](unsigned id) {
    if (id >= ID_TOOL_FIRST && id <= ID_TOOL_LAST) {
      HWND document = activeDocument && IsWindow(activeDocument) ? activeDocument : nullptr;
      RunTool(frameWindow, document, static_cast<int>(id - ID_TOOL_FIRST));
    } else if (otherFrameCommands) {
      otherFrameCommands(id);
    }
  };
  auto otherDocumentCommands = services.documentCommand;
  services.documentCommand = [otherDocumentCommands](HWND document, unsigned id) {
    if (id < ID_MACRO_FIRST || id > ID_MACRO_LAST) return otherDocumentCommands && otherDocumentCommands(document, id);
    InsertMacro(document, static_cast<int>(id - ID_MACRO_FIRST));
    return true;
  };
  SetDocumentServices(services);
}

}  // namespace editor
