// The Macros page of the options sheet: one macro at a time, chosen in the list, edited on the
// sheet's copy.
#include <windows.h>

#include <cstring>

#include "editor/app/Tools.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

namespace {

// The macro shown; 0 each time the sheet opens.
int currentMacro = 0;

LRESULT SendItem(HWND page, int control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendDlgItemMessageA(page, control, message, wParam, lParam);
}

void FillMacrosPage(HWND page, const EditorState& copy) {
  SendItem(page, IDC_MACROS_NAME, EM_LIMITTEXT, kEntryNameLength - 1);
  SendItem(page, IDC_MACROS_TEXT, EM_LIMITTEXT, kMacroTextLength - 1);
  SendItem(page, IDC_MACROS_LIST, CB_RESETCONTENT);
  for (const MacroEntry& entry : copy.macros) {
    const char* shown = entry.name[0] ? entry.name : "Undefined";
    SendItem(page, IDC_MACROS_LIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown));
  }
  SendItem(page, IDC_MACROS_LIST, CB_SETCURSEL, currentMacro);
  const MacroEntry& macro = copy.macros[currentMacro];
  SetDlgItemTextA(page, IDC_MACROS_NAME, macro.name);
  SetDlgItemTextA(page, IDC_MACROS_TEXT, macro.text);
  CheckDlgButton(page, IDC_MACROS_ACTIVE, macro.active ? BST_CHECKED : BST_UNCHECKED);
}

// An active macro needs a name and a text: a missing one is refused with its box, the stored
// text goes back into its box, selected, and the focus stays there.
bool Refuse(HWND page, int control, const char* stored, unsigned message) {
  support::InfoBox(page, IDS_PROGRAM_NAME, message);
  support::SelectDlgEdit(page, control, stored);
  return false;
}

bool ReadMacrosPage(HWND page, EditorState& copy) {
  MacroEntry& macro = copy.macros[currentMacro];
  macro.active = IsDlgButtonChecked(page, IDC_MACROS_ACTIVE) == BST_CHECKED ? 1 : 0;
  char name[kEntryNameLength] = "";
  GetDlgItemTextA(page, IDC_MACROS_NAME, name, sizeof name);
  if (macro.active && !name[0]) return Refuse(page, IDC_MACROS_NAME, macro.name, IDS_MACRO_NAME_MISSING);
  std::strcpy(macro.name, name);
  char text[kMacroTextLength] = "";
  GetDlgItemTextA(page, IDC_MACROS_TEXT, text, sizeof text);
  if (macro.active && !text[0]) return Refuse(page, IDC_MACROS_TEXT, macro.text, IDS_MACRO_TEXT_MISSING);
  std::strcpy(macro.text, text);
  return true;
}

void ChooseMacro(HWND page, EditorState& copy) {
  const int chosen = static_cast<int>(SendItem(page, IDC_MACROS_LIST, CB_GETCURSEL));
  if (chosen < 0 || chosen >= kListSlots || chosen == currentMacro) return;
  if (!ReadMacrosPage(page, copy)) {
    SendItem(page, IDC_MACROS_LIST, CB_SETCURSEL, currentMacro);
    return;
  }
  currentMacro = chosen;
  FillMacrosPage(page, copy);
}

void DeleteMacro(HWND page, EditorState& copy) {
  MacroEntry& macro = copy.macros[currentMacro];
  if (support::YesNoBox(page, true, IDS_PROGRAM_NAME, IDS_DELETE_MACRO, macro.name) != 1) return;  // 1: Yes
  macro = MacroEntry();
  FillMacrosPage(page, copy);
}

INT_PTR MacrosCommand(HWND page, WPARAM wParam, EditorState& copy) {
  switch (LOWORD(wParam)) {
    case IDC_MACROS_LIST:
      if (HIWORD(wParam) == CBN_SELCHANGE) ChooseMacro(page, copy);
      return TRUE;
    case IDC_MACROS_DELETE:
      DeleteMacro(page, copy);
      return TRUE;
    default:
      return FALSE;
  }
}

const ResourcePageDefinition kMacrosPageDefinition = {IDD_MACROS_PAGE, 1000, FillMacrosPage, ReadMacrosPage,
                                                      ID_MACROS_CUSTOMIZE, MacrosCommand};

}  // namespace

bool BuildMacrosPage(OptionsSheetSession& session, PROPSHEETPAGEA& page) {
  currentMacro = 0;
  return BuildResourcePage(session, kMacrosPageDefinition, page);
}

}  // namespace editor
