// The text commands of a document (Go To Line, Sort Selection, letter case, character sets,
// Insert Date), the seam of their modal dialogs, and their routing into the frame.
#include "editor/app/TextCommands.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/StatusBar.h"
#include "editor/app/core/SortLines.h"
#include "editor/app/core/TimeStamp.h"
#include "editor/support/EditorSupport.h"
#include "editor/support/IntlText.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;

namespace {

// Posted to a modal dialog after its initialisation, to give the test driver its turn inside
// the dialog's own loop.
constexpr UINT kDriveDialogMessage = WM_APP + 51;

EditorDialogDriver& Driver() {
  static EditorDialogDriver driver;
  return driver;
}

// The common part of the modal dialogs' procedures: the driver's turn.
bool HandleDriverTurn(HWND dialog, UINT message, int templateId) {
  if (message == WM_INITDIALOG && Driver()) PostMessageA(dialog, kDriveDialogMessage, 0, 0);
  if (message != kDriveDialogMessage) return false;
  if (Driver()) Driver()(dialog, templateId);
  return true;
}

INT_PTR RunModal(HWND owner, int templateId, DLGPROC procedure, void* record) {
  RunBeforeModalHook();
  return DialogBoxParamA(instanceHandle, MAKEINTRESOURCEA(templateId), owner, procedure,
                         reinterpret_cast<LPARAM>(record));
}

template <typename Record>
Record* RecordOf(HWND dialog) {
  return reinterpret_cast<Record*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// ---- Go To Line ----

struct GoToLineRecord {
  int lineCount;
  unsigned line;  // in: the caret's line + 1; out: the chosen line
};

INT_PTR CALLBACK GoToLineProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (HandleDriverTurn(dialog, message, IDD_GO_TO_LINE)) return TRUE;
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      auto* record = reinterpret_cast<GoToLineRecord*>(lParam);
      SetDlgItemInt(dialog, IDC_GO_TO_LINE_NUMBER, record->line, FALSE);
      SetDlgItemTextById(dialog, IDC_GO_TO_LINE_PROMPT, IDS_GO_TO_LINE_PROMPT, record->lineCount);
      PlaceAtStoredPosition(dialog, &editorState.goToPlacement, kSheetMargin);
      return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    auto* record = RecordOf<GoToLineRecord>(dialog);
    if (LOWORD(wParam) == IDOK) {
      BOOL valid = FALSE;
      const UINT number = GetDlgItemInt(dialog, IDC_GO_TO_LINE_NUMBER, &valid, FALSE);
      const unsigned line = valid ? number : 0;
      if (line < 1 || line > static_cast<unsigned>(record->lineCount)) {
        InfoBox(dialog, IDS_PROGRAM_NAME, IDS_INVALID_LINE_NUMBER, line, record->lineCount);
        return TRUE;
      }
      record->line = line;
      StoreWindowPosition(dialog, &editorState.goToPlacement);
      EndDialog(dialog, IDOK);
      return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
      StoreWindowPosition(dialog, &editorState.goToPlacement);
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    }
    return FALSE;
  } catch (...) {
    return FALSE;
  }
}

// ---- Sort Selection ----

struct SortRecord {
  bool ascending;
  bool ignoreCase;
  std::size_t count;
  LONG firstLine;
  LONG lastLine;
};

INT_PTR CALLBACK SortProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (HandleDriverTurn(dialog, message, IDD_SORT)) return TRUE;
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      const auto* record = reinterpret_cast<SortRecord*>(lParam);
      SetDlgItemTextById(dialog, IDC_SORT_LINES, IDS_SORT_LINES_SELECTED, record->count,
                         record->firstLine + 1, record->lastLine + 1);
      CheckRadioButton(dialog, IDC_SORT_ASCENDING, IDC_SORT_DESCENDING,
                       record->ascending ? IDC_SORT_ASCENDING : IDC_SORT_DESCENDING);
      CheckDlgButton(dialog, IDC_SORT_IGNORE_CASE, record->ignoreCase ? BST_CHECKED : BST_UNCHECKED);
      PlaceAtStoredPosition(dialog, &editorState.sortPlacement, kSheetMargin);
      return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    if (LOWORD(wParam) == IDOK) {
      auto* record = RecordOf<SortRecord>(dialog);
      record->ascending = IsDlgButtonChecked(dialog, IDC_SORT_ASCENDING) == BST_CHECKED;
      record->ignoreCase = IsDlgButtonChecked(dialog, IDC_SORT_IGNORE_CASE) == BST_CHECKED;
      StoreWindowPosition(dialog, &editorState.sortPlacement);
      EndDialog(dialog, IDOK);
      return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    }
    return FALSE;
  } catch (...) {
    return FALSE;
  }
}

// The locale's sort key of a line: made once per line, so sorting needs no comparison call per
// pair; byte order of the keys is the order CompareString gives.
std::string LocaleSortKey(std::string_view line, DWORD flags) {
  if (line.empty()) return {};
  const int length = static_cast<int>(std::min<std::size_t>(line.size(), 0x7FFFFFF));
  const int size = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | flags, line.data(), length, nullptr, 0);
  if (size <= 0) return std::string(line);
  std::string key(static_cast<std::size_t>(size), '\0');
  LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | flags, line.data(), length, reinterpret_cast<LPSTR>(&key[0]), size);
  while (!key.empty() && key.back() == '\0') key.pop_back();
  return key;
}

bool CheckedSortRequest(HWND edit, const std::string& text, const CHARRANGE& range) {
  const bool startsLine = range.cpMin == 0 || (range.cpMin <= static_cast<LONG>(text.size()) && text[range.cpMin - 1] == '\n');
  const std::string_view selection =
      std::string_view(text).substr(static_cast<std::size_t>(range.cpMin), static_cast<std::size_t>(range.cpMax - range.cpMin));
  if (SortSelectionRefusal(selection, startsLine) == 0) return true;
  InfoBox(GetParent(edit), IDS_SORT_ERROR_TITLE, IDS_SORT_PARTIAL_LINES);
  return false;
}

}  // namespace

bool SortSelectedText(std::string_view selection, bool ascending, bool ignoreCase, std::string& sorted) {
  const DWORD flags = ignoreCase ? NORM_IGNORECASE : 0;
  return SortTextLines(selection, nullptr, [flags](std::string_view line) { return LocaleSortKey(line, flags); },
                       ascending, sorted);
}

EditorDialogDriver SetEditorDialogDriver(EditorDialogDriver driver) {
  EditorDialogDriver previous = std::move(Driver());
  Driver() = std::move(driver);
  return previous;
}

void GoToLine(HWND document) {
  HWND edit = GetDocumentEdit(document);
  if (!edit) return;
  ShowStatus(ID_VIEW_GO_TO_LINE);
  const LONG lineCount = static_cast<LONG>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
  const LONG caretLine = static_cast<LONG>(SendMessageA(edit, EM_EXLINEFROMCHAR, 0, Selection(edit).cpMin));
  GoToLineRecord record = {lineCount, static_cast<unsigned>(caretLine + 1)};
  if (RunModal(frameWindow, IDD_GO_TO_LINE, GoToLineProc, &record) != IDOK) return;
  ShowStatus(IDS_LINE_SELECTED, record.line);
  const LONG start = static_cast<LONG>(SendMessageA(edit, EM_LINEINDEX, record.line - 1, 0));
  Select(edit, start, start);
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
  ShowLineNumber(edit);
}

void SortSelection(HWND document) {
  HWND edit = GetDocumentEdit(document);
  std::string text;
  if (!edit || !GetDocumentText(edit, text)) return;
  CHARRANGE range = Selection(edit);
  range.cpMin = std::clamp<LONG>(range.cpMin, 0, static_cast<LONG>(text.size()));
  range.cpMax = std::clamp<LONG>(range.cpMax, range.cpMin, static_cast<LONG>(text.size()));
  if (!CheckedSortRequest(edit, text, range)) return;
  const std::string_view selection =
      std::string_view(text).substr(static_cast<std::size_t>(range.cpMin), static_cast<std::size_t>(range.cpMax - range.cpMin));

  SortRecord record = {editorState.Ascending != 0, editorState.IgnoreCase != 0, CountSelectedLines(selection), 0, 0};
  record.firstLine = static_cast<LONG>(SendMessageA(edit, EM_EXLINEFROMCHAR, 0, range.cpMin));
  record.lastLine = static_cast<LONG>(SendMessageA(edit, EM_EXLINEFROMCHAR, 0, range.cpMax)) - 1;
  if (RunModal(frameWindow, IDD_SORT, SortProc, &record) != IDOK) {
    ShowStatus(IDS_SORT_CANCELED);
    return;
  }
  editorState.Ascending = record.ascending ? 1 : 0;
  editorState.IgnoreCase = record.ignoreCase ? 1 : 0;
  ShowStatus(IDS_SORT_UNDERWAY);
  win32::WaitCursor wait;
  std::string sorted;
  if (!SortSelectedText(selection, record.ascending, record.ignoreCase, sorted)) {
    wait.Restore();
    InfoBox(frameWindow, IDS_PROGRAM_NAME, MSG_CANNOT_ALLOCATE, "text buffer", selection.size());
    return;
  }
  ReplaceSelectionByStream(edit, sorted);
  Select(edit, range.cpMin, range.cpMax);
  MarkModified(document, true);
  ShowStatus(IDS_SORT_COMPLETED, record.count);
}

void ConvertSelectionCase(HWND document, LetterCase target) {
  HWND edit = GetDocumentEdit(document);
  if (!edit) return;
  const CHARRANGE range = Selection(edit);
  if (range.cpMax <= range.cpMin) return;
  std::string text(static_cast<std::size_t>(range.cpMax - range.cpMin) + 1, '\0');
  const LRESULT copied = SendMessageA(edit, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  const std::size_t count = ConvertLetterCase(text, target);
  if (count == 0) return;
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  Select(edit, range.cpMin, range.cpMax);
  ShowLineNumber(edit);
  ShowStatus(IDS_CASE_CONVERTED, count, count == 1 ? "" : "s", target == LetterCase::Upper ? "upper" : "lower");
}

void ConvertCharacterSet(HWND document, bool toAnsi) {
  HWND edit = GetDocumentEdit(document);
  std::string text;
  if (!edit || !GetDocumentText(edit, text)) return;
  const CHARRANGE range = Selection(edit);
  win32::WaitCursor wait;
  // Both conversions map byte for byte, so converting in place is safe.
  for (std::size_t done = 0; done < text.size();) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 0x40000000));
    if (toAnsi) OemToCharBuffA(&text[done], &text[done], piece);
    else CharToOemBuffA(&text[done], &text[done], piece);
    done += piece;
  }
  edit = ReplaceEditControl(document, GetDocumentSlot(document, kSlotWordWrap) != 0, text);
  if (!edit) return;
  Select(edit, range.cpMin, range.cpMax);
  ShowLineNumber(edit);
  MarkModified(document, true);
  ShowStatus(IDS_CHARSET_CONVERTED, toAnsi ? "ANSI" : "OEM");
}

std::string MakeTimeStamp() {
  std::tm now = {};
  if (!LocalCalendarTime(nullptr, now)) return {};
  return MakeTimeStamp(editorState, ReadIntlSettings(), now);
}

void InsertDate(HWND document) {
  HWND edit = GetDocumentEdit(document);
  if (!edit) return;
  const std::string stamp = MakeTimeStamp();
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(stamp.c_str()));
}

void InstallTextServices() {
  DocumentServices services = GetDocumentServices();
  services.findNotification = HandleFindMessage;
  auto otherFrameCommands = services.frameCommand;
  services.frameCommand = [otherFrameCommands](unsigned id) {
    if (id == ID_EDIT_FIND || id == ID_EDIT_REPLACE) OpenFindDialog(id == ID_EDIT_REPLACE);
    else if (otherFrameCommands) otherFrameCommands(id);
  };
  auto otherDocumentCommands = services.documentCommand;
  services.documentCommand = [otherDocumentCommands](HWND document, unsigned id) {
    switch (id) {
      case ID_VIEW_GO_TO_LINE: GoToLine(document); return true;
      case ID_EDIT_SORT: SortSelection(document); return true;
      case ID_EDIT_LOWERCASE: ConvertSelectionCase(document, LetterCase::Lower); return true;
      case ID_EDIT_UPPERCASE: ConvertSelectionCase(document, LetterCase::Upper); return true;
      case ID_VIEW_OEM_TO_ANSI: ConvertCharacterSet(document, true); return true;
      case ID_VIEW_ANSI_TO_OEM: ConvertCharacterSet(document, false); return true;
      case ID_EDIT_INSERT_DATE: InsertDate(document); return true;
      default: return otherDocumentCommands && otherDocumentCommands(document, id);
    }
  };
  SetDocumentServices(services);
}

}  // namespace editor
