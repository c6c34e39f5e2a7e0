// Moving text between documents and files: reading with line-end detection, saving (through
// SafeFileWrite) with backups, Save As with a line-end choice, Save Selection As, Insert File,
// Discard, Refresh, Save All and Open; and the services that plug all this into the frame.
#include <windows.h>

#include <commdlg.h>
#include <richedit.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "common/win32/Handles.h"
#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/FileFilters.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/SafeFileWrite.h"
#include "editor/app/core/FileRules.h"
#include "editor/app/core/LineEnds.h"
#include "editor/app/core/OpenSelection.h"
#include "editor/support/EditorSupport.h"
#include "editor/support/FileDialogs.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

constexpr std::size_t kOpenNamesBuffer = 8192;

// The Open dialog's filter index, kept until the program ends.
int openFilterIndex = 1;

struct FileFacts {
  std::uint64_t size = 0;
  DWORD attributes = 0;
};

// The size and attributes of an existing file; false after "File not found" (or the open
// failure's box when the file is there but cannot be looked at).
bool LookAtFile(HWND owner, const std::string& path, FileFacts& facts) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_INVALID_NAME) {
      InfoBox(owner, IDS_PROGRAM_NAME, MSG_FILE_NOT_FOUND, path);
    } else {
      InfoBox(owner, MSG_FILE_IO_TITLE, MSG_FILE_OPEN_FAILED, path, static_cast<int>(code));
    }
    return false;
  }
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    InfoBox(owner, IDS_PROGRAM_NAME, MSG_FILE_NOT_FOUND, path);
    return false;
  }
  facts.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  facts.attributes = data.dwFileAttributes;
  return true;
}

bool TooLarge(HWND owner, const std::string& path, std::uint64_t size) {
  InfoBox(owner, IDS_PROGRAM_NAME, MSG_FILE_TOO_LARGE, path, size);
  return false;
}

// Reads the whole file (at most `size` + 1 bytes), unshared; false after the failing step's box.
// The size has been checked against the document limit, so the arithmetic cannot overflow.
bool ReadFileBytes(HWND owner, const std::string& path, bool forWriting, std::uint64_t size, std::string& text) {
  const std::size_t room = static_cast<std::size_t>(2 * (size + 1) + 16);
  try {
    text.reserve(room);
    text.assign(static_cast<std::size_t>(size + 1), '\0');
  } catch (const std::bad_alloc&) {
    InfoBox(owner, IDS_PROGRAM_NAME, MSG_CANNOT_ALLOCATE, "text buffer", room);
    return false;
  }
  win32::WaitCursor wait;
  ShowStatus(MSG_READING_FILE, path);
  unsigned failure = 0;
  DWORD code = ERROR_SUCCESS;
  win32::UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ | (forWriting ? GENERIC_WRITE : 0), 0, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD got = 0;
  if (!file) {
    failure = MSG_FILE_OPEN_FAILED;
    code = GetLastError();
  } else if (!ReadFile(file.get(), &text[0], static_cast<DWORD>(text.size()), &got, nullptr)) {
    failure = MSG_FILE_READ_FAILED;
    code = GetLastError();
  } else if (!file.Close()) {
    failure = MSG_FILE_CLOSE_FAILED;
    code = GetLastError();
  }
  wait.Restore();
  if (failure) {
    text = std::string();
    InfoBox(owner, MSG_FILE_IO_TITLE, failure, path, static_cast<int>(code));
    return false;
  }
  text.resize(got);
  return true;
}

// The bytes read as a document's text: cut at the first zero byte (reported through `cut`), the
// convention detected and line ends made CR+LF. Returns the convention.
int ToDocumentText(HWND owner, std::string& text, bool& cut) {
  const std::size_t zero = text.find('\0');
  cut = zero != std::string::npos;
  if (cut) text.resize(zero);
  const int type = DetectLineEnds(text);
  try {
    ToMemoryLineEnds(text, type);
  } catch (const std::bad_alloc&) {
    InfoBox(owner, IDS_PROGRAM_NAME, MSG_CANNOT_ALLOCATE, "text buffer", text.size() * 2);
  }
  return type;
}

void CaretToStart(HWND edit) {
  CHARRANGE start = {0, 0};
  SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
  ShowLineNumber(edit);
}

void AddRecentFile(const std::string& path) {
  if (!autoloadRunning && GetDocumentServices().addRecentFile) GetDocumentServices().addRecentFile(path.c_str());
}

// A path buffer of the dialogs' size holding `text`, or empty when it does not fit (never cut).
void StartPath(char (&path)[MAX_PATH], const std::string& text) {
  CopyText(path, sizeof path, text.size() < sizeof path ? text.c_str() : "");
}

bool WriteSelection(HWND edit, const char* path) {
  CHARRANGE selection = {0, 0};
  SendMessageA(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  std::string text(static_cast<std::size_t>(selection.cpMax - selection.cpMin) + 16, '\0');
  text.resize(static_cast<std::size_t>(SendMessageA(edit, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(&text[0]))));
  win32::WaitCursor wait;
  ShowStatus(MSG_WRITING_FILE, path);
  const FileWriteResult result = WriteFileSafely(path, text, false);
  wait.Restore();
  if (!result) return ReportWriteFailure(frameWindow, path, text.size(), result);
  ShowStatus(MSG_FILE_SAVED, path);
  return true;
}

}  // namespace

bool ReadDocumentFile(HWND document, const char* fileName, bool readOnly) {
  const std::string path = fileName ? fileName : "";
  FileFacts facts;
  if (!LookAtFile(frameWindow, path, facts)) return false;
  if (FileTooLargeToLoad(facts.size)) return TooLarge(frameWindow, path, facts.size);
  bool viewOnly = readOnly;
  if (!viewOnly && (facts.attributes & FILE_ATTRIBUTE_READONLY)) {
    if (!editorState.ReadOnly && !YesNoBox(frameWindow, true, IDS_PROGRAM_NAME, MSG_FILE_OPEN_READ_ONLY, path))
      return false;
    viewOnly = true;
  }
  std::string text;
  if (!ReadFileBytes(frameWindow, path, !viewOnly, facts.size, text)) return false;
  bool cut = false;
  const int type = ToDocumentText(frameWindow, text, cut);
  // Line feeds added in memory count too: the control must hold the whole text, or a save would
  // write it back cut.
  if (FileTooLargeToLoad(text.size())) return TooLarge(frameWindow, path, facts.size);
  viewOnly = viewOnly || cut;  // a cut text must not be saved over the whole file

  HWND edit = GetDocumentEdit(document);
  if (SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0) == 0) {
    SetDocumentText(edit, text);
  } else {  // Refresh, Discard: a filled control is replaced rather than emptied
    edit = ReplaceEditControl(document, GetDocumentSlot(document, kSlotWordWrap) != 0, text);
    if (!edit) return false;
  }
  ShowWindow(edit, SW_SHOW);
  SendMessageA(edit, EM_SETREADONLY, viewOnly ? TRUE : FALSE, 0);
  CaretToStart(edit);
  SetDocumentTitle(document, path.c_str(), false);
  if (cut) ShowStatus(IDS_OPENED_CUT_AT_ZERO, path);
  else ShowStatus(viewOnly ? MSG_FILE_OPENED_FOR_VIEWING : MSG_FILE_OPENED, path);
  SetDocumentSlot(document, kSlotHasFile, 1);
  SetDocumentSlot(document, kSlotModified, 0);
  SetDocumentSlot(document, kSlotReadOnly, viewOnly ? 1 : 0);
  SetDocumentSlot(document, kSlotLineEnd, type);
  MarkTextCut(document, cut);
  SetFocus(edit);
  AddRecentFile(path);
  return true;
}

void MakeBackup(const char* fileName) {
  const DWORD attributes = GetFileAttributesA(fileName ? fileName : "");
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return;
  if (IsOwnBackup(fileName)) return;  // notes.bak would be moved onto itself
  // The previous backup is replaced in the same step, so a move that fails (the file is held
  // open elsewhere) keeps it. A failed move is not reported; the save goes on.
  MoveFileExA(fileName, BackupName(fileName).c_str(), MOVEFILE_REPLACE_EXISTING);
}

bool WriteDocumentFile(HWND document) {
  HWND edit = GetDocumentEdit(document);
  std::string text;
  if (!edit || !GetDocumentText(edit, text)) return false;
  win32::WaitCursor wait;
  ToDiskLineEnds(text, GetDocumentSlot(document, kSlotLineEnd));
  const std::string name = DocumentName(document);
  ShowStatus(MSG_WRITING_FILE, name);
  const FileWriteResult result = WriteFileSafely(name.c_str(), text, editorState.Backup != 0);
  wait.Restore();
  if (!result) return ReportWriteFailure(frameWindow, name.c_str(), text.size(), result);
  SetDocumentSlot(document, kSlotHasFile, 1);
  SetDocumentSlot(document, kSlotModified, 0);
  SetDocumentSlot(document, kSlotReadOnly, 0);
  SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
  MarkTextCut(document, false);  // the file now holds exactly the text shown
  SetDocumentTitle(document, name.c_str(), false);
  ShowStatus(MSG_FILE_SAVED, name);
  SetFocus(edit);
  return true;
}

bool SaveDocument(HWND document) {
  return GetDocumentSlot(document, kSlotHasFile) ? WriteDocumentFile(document) : SaveDocumentAs(document);
}

bool SaveDocumentAs(HWND document) {
  ShowStatus(ID_FILE_SAVE_AS);
  const std::string oldName = DocumentName(document);
  const LONG oldType = GetDocumentSlot(document, kSlotLineEnd);
  const LONG oldReadOnly = GetDocumentSlot(document, kSlotReadOnly);
  char path[MAX_PATH];
  StartPath(path, oldName);
  int filterIndex = static_cast<int>(oldType) + 1;
  if (!SaveAsDialog(frameWindow, path, IDS_LINE_END_TYPES, IDS_SAVE_AS_TITLE, 0, &filterIndex)) return false;
  // The chosen file is not touched before the new text is safely written (WriteDocumentFile).
  const bool modified = GetDocumentSlot(document, kSlotModified) != 0;
  HWND edit = GetDocumentEdit(document);
  SetDocumentTitle(document, path, modified);
  SetDocumentSlot(document, kSlotLineEnd, filterIndex >= 1 && filterIndex <= 3 ? filterIndex - 1 : kWindowsLineEnds);
  SetDocumentSlot(document, kSlotReadOnly, 0);
  SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
  if (!WriteDocumentFile(document)) {
    // A failed save leaves the document as it was before the command.
    SetDocumentTitle(document, oldName.c_str(), modified);
    SetDocumentSlot(document, kSlotLineEnd, oldType);
    SetDocumentSlot(document, kSlotReadOnly, oldReadOnly);
    SendMessageA(edit, EM_SETREADONLY, oldReadOnly ? TRUE : FALSE, 0);
    return false;
  }
  ShowStatus(MSG_SAVED_AS, path);
  AddRecentFile(path);
  return true;
}

bool SaveSelectionAs(HWND document) {
  HWND edit = GetDocumentEdit(document);
  CHARRANGE selection = {0, 0};
  SendMessageA(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  if (selection.cpMin == selection.cpMax) {
    WarningBeep();
    return false;
  }
  ShowStatus(ID_EDIT_SAVE_SELECTION);
  const std::string name = DocumentName(document);
  const std::size_t slash = name.find_last_of('\\');
  char path[MAX_PATH];
  StartPath(path, (slash == std::string::npos ? std::string() : name.substr(0, slash + 1)) + "selected.txt");
  const std::string filter = BuildOpenFilter(IDS_DEFAULT_OPEN_FILTER);
  if (!SaveSelectionDialog(frameWindow, path, filter.c_str(), IDS_SAVE_SELECTION_TITLE, 0)) return false;
  return WriteSelection(edit, path);
}

bool InsertFile(HWND document) {
  HWND edit = GetDocumentEdit(document);
  const std::string filter = BuildOpenFilter(IDS_DEFAULT_OPEN_FILTER);
  char chosen[MAX_PATH];
  StartPath(chosen, DocumentName(document));
  if (!OpenDialog(frameWindow, chosen, filter.c_str(), IDS_INSERT_FILE_TITLE, nullptr)) return false;
  const std::string path = chosen;
  CHARRANGE selection = {0, 0};
  SendMessageA(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  const LRESULT length = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
  const std::uint64_t kept = static_cast<std::uint64_t>(length - (selection.cpMax - selection.cpMin));
  FileFacts facts;
  if (!LookAtFile(frameWindow, path, facts)) return false;
  if (InsertWouldExceedLimit(kept, facts.size)) return TooLarge(frameWindow, path, facts.size);
  std::string text;
  if (!ReadFileBytes(frameWindow, path, false, facts.size, text)) return false;
  const LONG documentType = GetDocumentSlot(document, kSlotLineEnd);
  bool cut = false;
  ToDocumentText(frameWindow, text, cut);
  if (InsertWouldExceedLimit(kept, text.size())) return TooLarge(frameWindow, path, facts.size);
  SetDocumentSlot(document, kSlotLineEnd, documentType);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  CHARRANGE inserted = {selection.cpMin, selection.cpMin};
  SendMessageA(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&inserted));
  inserted.cpMin = selection.cpMin;
  SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&inserted));
  ShowLineNumber(edit);
  ShowStatus(IDS_FILE_INSERTED, path);
  MarkModified(document, true);
  SetFocus(edit);
  return true;
}

bool DiscardChanges(HWND document) {
  const std::string name = DocumentName(document);
  if (!AskDiscardChanges(frameWindow, name.c_str())) return false;
  if (!ReadDocumentFile(document, name.c_str(), GetDocumentSlot(document, kSlotReadOnly) != 0)) return false;
  ShowStatus(MSG_CHANGES_DISCARDED, name);
  return true;
}

bool RefreshDocument(HWND document) {
  const std::string name = DocumentName(document);
  if (!ReadDocumentFile(document, name.c_str(), GetDocumentSlot(document, kSlotReadOnly) != 0)) return false;
  ShowStatus(IDS_REFRESHED, name);
  return true;
}

void SaveAllDocuments() {
  for (HWND document : DocumentWindows()) {
    if (IsWindow(document) && GetDocumentSlot(document, kSlotModified)) SaveDocument(document);
  }
}

bool OpenFiles(HWND owner) {
  bulkOperation = true;
  ShowStatus(ID_FILE_OPEN);
  const std::string filter = BuildOpenFilter(IDS_DEFAULT_OPEN_FILTER);
  std::vector<char> names;
  try {
    names.assign(kOpenNamesBuffer, '\0');
  } catch (const std::bad_alloc&) {
    bulkOperation = false;
    InfoBox(owner, IDS_PROGRAM_NAME, MSG_CANNOT_ALLOCATE, "string buffer", kOpenNamesBuffer);
    return false;
  }
  const std::string title = GetString(IDS_OPEN_TITLE);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.hInstance = instanceHandle;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(openFilterIndex);
  dialog.lpstrFile = names.data();
  dialog.nMaxFile = static_cast<DWORD>(names.size());
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ENABLEHOOK;
  dialog.lpfnHook = GetFileHook();
  if (!RunFileDialog(dialog, false)) {
    bulkOperation = false;
    return false;
  }
  openFilterIndex = static_cast<int>(dialog.nFilterIndex);
  const bool readOnly = (dialog.Flags & OFN_READONLY) != 0;
  int opened = 0;
  for (const std::string& path : SplitOpenSelection(names.data(), names.size())) {
    if (FindOpenDocument(path.c_str())) continue;
    if (OpenDocumentWindow(owner, path.c_str(), readOnly)) ++opened;
  }
  bulkOperation = false;
  return opened > 0;
}

void InstallDocumentServices() {
  DocumentServices services = GetDocumentServices();
  services.newDocument = [] { OpenDocumentWindow(frameWindow, nullptr, false); };
  services.openFile = [](const char* path) {
    if (!FindOpenDocument(path)) OpenDocumentWindow(frameWindow, path, false);
  };
  services.saveDocument = SaveDocument;
  services.recolourDocuments = RecolourDocuments;
  auto others = services.frameCommand;
  services.frameCommand = [others](unsigned id) {
    switch (id) {
      case ID_FILE_OPEN:
        OpenFiles(frameWindow);
        break;
      case ID_FILE_SAVE_ALL:
        SaveAllDocuments();
        break;
      case ID_VIEW_DISPLAY_FONT:
        ChooseDisplayFont();
        break;
      default:
        if (others) others(id);
        break;
    }
  };
  SetDocumentServices(services);
}

}  // namespace editor
