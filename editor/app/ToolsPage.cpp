// The Tools page of the options sheet: one tool at a time, chosen in the list, edited on the
// sheet's copy; the program's icon beside it; "..." for the program and the working folder.
#include <windows.h>

#include <shellapi.h>

#include <cstring>
#include <string>

#include "common/win32/Handles.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/Tools.h"
#include "editor/support/EditorSupport.h"
#include "editor/support/FolderDialog.h"
#include "resources/quillet_ids.h"

namespace editor {

namespace {

// The tool shown; 0 each time the sheet opens.
int currentTool = 0;
// The icon taken from the shown program's file (null while the page shows icon 2840).
win32::UniqueIcon programIcon;

LRESULT SendItem(HWND page, int control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendDlgItemMessageA(page, control, message, wParam, lParam);
}

bool Checked(HWND page, int control) { return IsDlgButtonChecked(page, control) == BST_CHECKED; }
void Check(HWND page, int control, bool on) { CheckDlgButton(page, control, on ? BST_CHECKED : BST_UNCHECKED); }

void TakeText(HWND page, int control, char* field, int size) { GetDlgItemTextA(page, control, field, size); }

// The first icon of the program file, or icon 2840 when it has none.
void ShowProgramIcon(HWND page, const char* program) {
  HICON icon = nullptr;
  if (program[0]) {
    icon = ExtractIconA(instanceHandle, program, 0);
    if (reinterpret_cast<UINT_PTR>(icon) <= 1) icon = nullptr;  // 1: not an executable file
  }
  HICON shown = icon ? icon : LoadIconA(instanceHandle, MAKEINTRESOURCEA(IDI_TOOL));
  SendItem(page, IDC_TOOLS_PICTURE, STM_SETICON, reinterpret_cast<WPARAM>(shown));
  programIcon.reset(icon);  // the previous one goes once the picture no longer shows it
}

void FillToolsPage(HWND page, const EditorState& copy) {
  SendItem(page, IDC_TOOLS_NAME, EM_LIMITTEXT, kEntryNameLength - 1);
  for (int control : {IDC_TOOLS_PROGRAM, IDC_TOOLS_COMMAND, IDC_TOOLS_FOLDER})
    SendItem(page, control, EM_LIMITTEXT, kPathLength - 1);
  SendItem(page, IDC_TOOLS_LIST, CB_RESETCONTENT);
  for (const ToolEntry& entry : copy.tools) {
    const char* shown = entry.name[0] ? entry.name : "Undefined";
    SendItem(page, IDC_TOOLS_LIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown));
  }
  SendItem(page, IDC_TOOLS_LIST, CB_SETCURSEL, currentTool);
  const ToolEntry& tool = copy.tools[currentTool];
  ShowProgramIcon(page, tool.program);
  SetDlgItemTextA(page, IDC_TOOLS_NAME, tool.name);
  SetDlgItemTextA(page, IDC_TOOLS_PROGRAM, tool.program);
  SetDlgItemTextA(page, IDC_TOOLS_COMMAND, tool.command);
  SetDlgItemTextA(page, IDC_TOOLS_FOLDER, tool.folder);
  Check(page, IDC_TOOLS_ACTIVE, tool.active != 0);
  Check(page, IDC_TOOLS_LAUNCH, tool.launch != 0);
  Check(page, IDC_TOOLS_HIDE, tool.hide != 0);
  Check(page, IDC_TOOLS_SAVE, tool.save != 0);
}

// An active tool needs a name and a program: a missing one is refused with its box, the stored
// text goes back into its box and the focus stays there.
bool Refuse(HWND page, int control, const char* stored, unsigned message) {
  support::InfoBox(page, IDS_PROGRAM_NAME, message);
  support::SelectDlgEdit(page, control, stored);
  return false;
}

bool ReadToolsPage(HWND page, EditorState& copy) {
  ToolEntry& tool = copy.tools[currentTool];
  tool.active = Checked(page, IDC_TOOLS_ACTIVE) ? 1 : 0;
  tool.launch = Checked(page, IDC_TOOLS_LAUNCH) ? 1 : 0;
  tool.hide = Checked(page, IDC_TOOLS_HIDE) ? 1 : 0;
  tool.save = Checked(page, IDC_TOOLS_SAVE) ? 1 : 0;
  char name[kEntryNameLength] = "";
  TakeText(page, IDC_TOOLS_NAME, name, sizeof name);
  if (tool.active && !name[0]) return Refuse(page, IDC_TOOLS_NAME, tool.name, IDS_TOOL_NAME_MISSING);
  std::strcpy(tool.name, name);
  char program[kPathLength] = "";
  TakeText(page, IDC_TOOLS_PROGRAM, program, sizeof program);
  if (tool.active && !program[0]) return Refuse(page, IDC_TOOLS_PROGRAM, tool.program, IDS_TOOL_PROGRAM_MISSING);
  std::strcpy(tool.program, program);
  TakeText(page, IDC_TOOLS_COMMAND, tool.command, sizeof tool.command);
  TakeText(page, IDC_TOOLS_FOLDER, tool.folder, sizeof tool.folder);
  return true;
}

void ChooseTool(HWND page, EditorState& copy) {
  const int chosen = static_cast<int>(SendItem(page, IDC_TOOLS_LIST, CB_GETCURSEL));
  if (chosen < 0 || chosen >= kListSlots || chosen == currentTool) return;
  if (!ReadToolsPage(page, copy)) {
    SendItem(page, IDC_TOOLS_LIST, CB_SETCURSEL, currentTool);
    return;
  }
  currentTool = chosen;
  FillToolsPage(page, copy);
}

void BrowseProgram(HWND page, ToolEntry& tool) {
  TakeText(page, IDC_TOOLS_PROGRAM, tool.program, sizeof tool.program);
  char path[support::kFileNameBuffer] = "";
  support::CopyText(path, sizeof path, tool.program);
  if (!support::ChooseFileDialog(page, path, IDS_TOOL_PROGRAM_FILTER, IDS_TOOL_PROGRAM_TITLE, nullptr)) return;
  if (std::strlen(path) >= sizeof tool.program) {  // a path the field cannot hold is not cut
    support::WarningBeep();
    return;
  }
  std::strcpy(tool.program, path);
  SetDlgItemTextA(page, IDC_TOOLS_PROGRAM, tool.program);
  ShowProgramIcon(page, tool.program);
}

void BrowseFolder(HWND page, ToolEntry& tool) {
  TakeText(page, IDC_TOOLS_FOLDER, tool.folder, sizeof tool.folder);
  char path[MAX_PATH] = "";
  support::CopyText(path, sizeof path, tool.folder);
  if (!support::BrowseForDirectory(page, path, 0)) return;
  if (std::strlen(path) >= sizeof tool.folder) {
    support::WarningBeep();
    return;
  }
  std::strcpy(tool.folder, path);
  SetDlgItemTextA(page, IDC_TOOLS_FOLDER, tool.folder);
}

void DeleteTool(HWND page, EditorState& copy) {
  ToolEntry& tool = copy.tools[currentTool];
  if (support::YesNoBox(page, true, IDS_PROGRAM_NAME, IDS_DELETE_TOOL, tool.name) != 1) return;  // 1: Yes
  tool = ToolEntry();
  FillToolsPage(page, copy);
}

INT_PTR ToolsCommand(HWND page, WPARAM wParam, EditorState& copy) {
  switch (LOWORD(wParam)) {
    case IDC_TOOLS_LIST:
      if (HIWORD(wParam) == CBN_SELCHANGE) ChooseTool(page, copy);
      return TRUE;
    case IDC_TOOLS_BROWSE_PROGRAM:
      BrowseProgram(page, copy.tools[currentTool]);
      return TRUE;
    case IDC_TOOLS_BROWSE_FOLDER:
      BrowseFolder(page, copy.tools[currentTool]);
      return TRUE;
    case IDC_TOOLS_DELETE:
      DeleteTool(page, copy);
      return TRUE;
    default:
      return FALSE;
  }
}

const ResourcePageDefinition kToolsPageDefinition = {IDD_TOOLS_PAGE, 300, FillToolsPage, ReadToolsPage,
                                                     ID_TOOLS_CUSTOMIZE, ToolsCommand};

}  // namespace

bool BuildToolsPage(OptionsSheetSession& session, PROPSHEETPAGEA& page) {
  currentTool = 0;
  return BuildResourcePage(session, kToolsPageDefinition, page);
}

}  // namespace editor
