// The SysEdit page of the options sheet: nine boxes for the files the SysEdit mode opens, each
// with a "..." button that picks the file.
#include "editor/app/FileLists.h"
#include "editor/support/EditorSupport.h"
#include "editor/support/FileDialogs.h"
#include "resources/quillet_ids.h"

namespace editor {

namespace {

constexpr int kSysEditTextLimit = kPathLength - 1;

void FillSysEditPage(HWND page, const EditorState& copy) {
  for (int slot = 0; slot < kListSlots; ++slot) {
    SendDlgItemMessageA(page, IDC_SYSEDIT_FILE_1 + slot, EM_LIMITTEXT, kSysEditTextLimit, 0);
    SetDlgItemTextA(page, IDC_SYSEDIT_FILE_1 + slot, copy.sysEditFiles[slot]);
  }
}

void ReadSysEditBox(HWND page, int slot, EditorState& copy) {
  GetDlgItemTextA(page, IDC_SYSEDIT_FILE_1 + slot, copy.sysEditFiles[slot], kPathLength);
}

bool ReadSysEditPage(HWND page, EditorState& copy) {
  for (int slot = 0; slot < kListSlots; ++slot) ReadSysEditBox(page, slot, copy);
  return true;
}

// "..." of a slot: the file chooser starting from what the box holds.
void ChooseSysEditFile(HWND page, int slot, EditorState& copy) {
  ReadSysEditBox(page, slot, copy);
  char path[support::kFileNameBuffer];
  support::CopyText(path, sizeof path, copy.sysEditFiles[slot]);
  if (!support::ChooseFileDialog(page, path, IDS_SYSEDIT_FILE_FILTER, IDS_SYSEDIT_FILE_TITLE, nullptr)) return;
  support::CopyText(copy.sysEditFiles[slot], kPathLength, path);
  SetDlgItemTextA(page, IDC_SYSEDIT_FILE_1 + slot, copy.sysEditFiles[slot]);
}

INT_PTR SysEditCommand(HWND page, WPARAM wParam, EditorState& copy) {
  const int control = LOWORD(wParam);
  if (HIWORD(wParam) != BN_CLICKED || control < IDC_SYSEDIT_BROWSE_1 || control > IDC_SYSEDIT_BROWSE_9) return FALSE;
  ChooseSysEditFile(page, control - IDC_SYSEDIT_BROWSE_1, copy);
  return TRUE;
}

const ResourcePageDefinition kSysEditPageDefinition = {IDD_SYSEDIT_PAGE,         120, FillSysEditPage, ReadSysEditPage,
                                                       ID_WINDOWS_SYSEDIT_FILES, SysEditCommand};

}  // namespace

bool BuildSysEditPage(OptionsSheetSession& session, PROPSHEETPAGEA& page) {
  return BuildResourcePage(session, kSysEditPageDefinition, page);
}

}  // namespace editor
