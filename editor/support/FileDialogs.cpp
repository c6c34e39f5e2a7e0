#include "editor/support/FileDialogs.h"

#include <cstring>
#include <string>

#include "editor/support/MessageBoxes.h"
#include "editor/support/Strings.h"
#include "editor/support/WindowPlacement.h"
#include "editor/support/core/FilterText.h"
#include "editor/support/core/PathText.h"

namespace support {

namespace {

constexpr int kDialogMargin = 35;

FileDialogAnswerer& Answerer() {
  static FileDialogAnswerer answerer;
  return answerer;
}

// The explorer-style dialog is the parent of the hook's child dialog.
UINT_PTR HookNotify(HWND child, const OFNOTIFYA* notice, PlacementRecord* record) {
  HWND dialog = GetParent(child);
  switch (notice->hdr.code) {
    case CDN_INITDONE:
      PlaceAtStoredPosition(dialog, record, kDialogMargin);
      break;
    case CDN_FILEOK:
      StoreWindowPosition(dialog, record);
      SetWindowLongPtrA(child, DWLP_MSGRESULT, 0);  // the name is never rejected
      break;
    default:
      break;
  }
  return 0;
}

UINT_PTR CALLBACK GetFileHookProc(HWND child, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_NOTIFY) return 0;
  return HookNotify(child, reinterpret_cast<const OFNOTIFYA*>(lParam), &dialogPositions.getFile);
}

UINT_PTR CALLBACK PutFileHookProc(HWND child, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_NOTIFY) return 0;
  return HookNotify(child, reinterpret_cast<const OFNOTIFYA*>(lParam), &dialogPositions.putFile);
}

// The filter index each wrapper but SaveAsDialog remembers for the run.
DWORD saveSelectionIndex = 1, saveListIndex = 1, openIndex = 1, chooseFileIndex = 1;

enum class DialogKind { Open, Save };

// Everything one wrapper call hands to the dialog.
struct DialogRequest {
  DialogKind kind;
  HWND owner;
  char* path;
  std::string filter;  // in the system's form
  UINT titleId;
  UINT defaultExtId;
  DWORD* filterIndex;
  int* readOnly;       // Open dialogs only; null hides the box
};

std::string TextOfId(UINT id) { return id ? GetString(id) : std::string(); }

bool RunWrapper(const DialogRequest& request) {
  if (!request.path || request.filter.empty()) return false;
  const std::string title = TextOfId(request.titleId);
  const std::string defaultExt = TextOfId(request.defaultExtId);
  const std::string folder = DialogInitialFolder(request.path);
  const bool save = request.kind == DialogKind::Save;

  char name[kFileNameBuffer] = "";
  if (save && std::strlen(request.path) < sizeof name) std::strcpy(name, request.path);

  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = request.owner;
  dialog.lpstrFilter = request.filter.c_str();
  dialog.nFilterIndex = *request.filterIndex == 0 ? 1 : *request.filterIndex;
  dialog.lpstrFile = name;
  dialog.nMaxFile = sizeof name;
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_PATHMUSTEXIST;
  if (save) {
    dialog.Flags |= OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    dialog.lpfnHook = PutFileHook();
  } else {
    dialog.Flags |= OFN_FILEMUSTEXIST;
    if (!request.readOnly) dialog.Flags |= OFN_HIDEREADONLY;
    else if (*request.readOnly) dialog.Flags |= OFN_READONLY;
    dialog.lpfnHook = GetFileHook();
  }

  const bool chosen = RunFileDialog(dialog, save);
  if (request.owner && IsWindow(request.owner)) {
    InvalidateRect(request.owner, nullptr, TRUE);
    UpdateWindow(request.owner);
  }
  if (!chosen || strnlen(name, sizeof name) == sizeof name) return false;  // no terminator: never copy
  std::strcpy(request.path, name);
  *request.filterIndex = dialog.nFilterIndex;
  if (request.readOnly) *request.readOnly = (dialog.Flags & OFN_READONLY) ? 1 : 0;
  return true;
}

std::string FilterOfId(UINT id) { return ToSystemFilter(TextOfId(id)); }

// A filter text in the system's form, up to and including its double zero.
std::string FilterOfText(const char* text) {
  if (!text || !*text) return std::string();
  const char* end = text;
  while (end[0] || end[1]) ++end;
  return std::string(text, end + 2);
}

}  // namespace

bool RunFileDialog(OPENFILENAMEA& dialog, bool save) {
  if (Answerer()) return Answerer()(dialog, save);
  RunBeforeModalHook();
  return (save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog)) != FALSE;
}

void SetFileDialogAnswerer(FileDialogAnswerer answerer) { Answerer() = std::move(answerer); }

LPOFNHOOKPROC GetFileHook() { return GetFileHookProc; }
LPOFNHOOKPROC PutFileHook() { return PutFileHookProc; }

bool SaveAsDialog(HWND owner, char* path, UINT filterId, UINT titleId, UINT defaultExtId, int* filterIndex) {
  DWORD index = (filterIndex && *filterIndex > 0) ? static_cast<DWORD>(*filterIndex) : 1;
  const bool chosen = RunWrapper({DialogKind::Save, owner, path, FilterOfId(filterId), titleId, defaultExtId, &index, nullptr});
  if (chosen && filterIndex) *filterIndex = static_cast<int>(index);
  return chosen;
}

bool SaveSelectionDialog(HWND owner, char* path, const char* filterText, UINT titleId, UINT defaultExtId) {
  return RunWrapper({DialogKind::Save, owner, path, FilterOfText(filterText), titleId, defaultExtId,
                     &saveSelectionIndex, nullptr});
}

bool SaveListDialog(HWND owner, char* path, UINT filterId, UINT titleId, UINT defaultExtId) {
  return RunWrapper({DialogKind::Save, owner, path, FilterOfId(filterId), titleId, defaultExtId, &saveListIndex, nullptr});
}

bool OpenDialog(HWND owner, char* path, const char* filterText, UINT titleId, int* readOnly) {
  return RunWrapper({DialogKind::Open, owner, path, FilterOfText(filterText), titleId, 0, &openIndex, readOnly});
}

bool ChooseFileDialog(HWND owner, char* path, UINT filterId, UINT titleId, int* readOnly) {
  return RunWrapper({DialogKind::Open, owner, path, FilterOfId(filterId), titleId, 0, &chooseFileIndex, readOnly});
}

}  // namespace support
