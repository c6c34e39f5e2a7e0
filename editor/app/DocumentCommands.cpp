// The commands a document window handles itself (editing, Duplicate, Read Only, Word Wrap, the
// file commands), its context menu, and the frame's Display Font command.
#include <windows.h>

#include <commdlg.h>
#include <richedit.h>

#include <string>

#include "common/win32/Handles.h"
#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

FontChooser fontChooser;

void CaretToStart(HWND edit) {
  Select(edit, 0, 0);
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
  ShowLineNumber(edit);
}

// Only plain text is ever pasted, whatever else the clipboard holds.
void Paste(HWND edit) {
  win32::ClipboardScope clipboard(edit, 5);
  if (!clipboard.open() || !IsClipboardFormatAvailable(CF_TEXT)) return;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return;
  win32::GlobalLockGuard<const char> locked(data);
  if (!locked.get()) return;
  // The block may lack its terminator: never read past its size.
  const std::string text(locked.get(), strnlen(locked.get(), GlobalSize(data)));
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  ShowLineNumber(edit);
  SetFocus(edit);
}

// An empty selection deletes the character at the caret; a carriage return goes together with
// its line feed.
void Delete(HWND edit) {
  const CHARRANGE selection = Selection(edit);
  if (selection.cpMin == selection.cpMax) {
    const LONG length = static_cast<LONG>(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0));
    if (selection.cpMin >= length) return;
    char next[3] = "";
    TEXTRANGEA range = {{selection.cpMin, selection.cpMin + 1}, next};
    SendMessageA(edit, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    Select(edit, selection.cpMin, selection.cpMin + (next[0] == '\r' ? 2 : 1));
  }
  SendMessageA(edit, WM_CLEAR, 0, 0);
}

void Duplicate(HWND document) {
  std::string text;
  if (!GetDocumentText(GetDocumentEdit(document), text)) return;
  const LONG lineEnds = GetDocumentSlot(document, kSlotLineEnd);
  HWND copy = OpenDocumentWindow(frameWindow, nullptr, false);
  if (!copy) return;
  HWND edit = GetDocumentEdit(copy);
  SetDocumentText(edit, text);
  SetDocumentSlot(copy, kSlotLineEnd, lineEnds);
  MarkModified(copy, true);
  CaretToStart(edit);
}

bool FileIsWritable(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

void ToggleReadOnly(HWND document) {
  if (!ConfirmClose(document)) return;
  HWND edit = GetDocumentEdit(document);
  const std::string name = DocumentName(document);
  if (!GetDocumentSlot(document, kSlotReadOnly)) {
    ShowStatus(MSG_SET_FOR_VIEWING, name);
    SendMessageA(edit, EM_SETREADONLY, TRUE, 0);
    SetDocumentSlot(document, kSlotReadOnly, 1);
  } else if (IsTextCut(document)) {
    WarningBeep();
    ShowStatus(IDS_OPENED_CUT_AT_ZERO, name);
  } else if (iniPath[0] && lstrcmpiA(name.c_str(), iniPath) == 0) {
    InfoBox(frameWindow, IDS_PROGRAM_NAME, IDS_INI_FILE_IN_USE, name);
  } else if (FileIsWritable(name)) {
    ShowStatus(MSG_SET_FOR_EDITING, name);
    SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
    SetDocumentSlot(document, kSlotReadOnly, 0);
  } else {
    InfoBox(frameWindow, MSG_FILE_IO_TITLE, MSG_FILE_WRITE_PROTECTED, name);
  }
}

// The control is made again with the other style; text, modified mark and read-only state stay.
void ToggleWordWrap(HWND document) {
  const LONG modified = GetDocumentSlot(document, kSlotModified);
  std::string text;
  if (!GetDocumentText(GetDocumentEdit(document), text)) return;
  const bool wordWrap = !GetDocumentSlot(document, kSlotWordWrap);
  bulkOperation = true;
  HWND edit = ReplaceEditControl(document, wordWrap, text);
  bulkOperation = false;
  if (!edit) return;
  SetDocumentSlot(document, kSlotWordWrap, wordWrap ? 1 : 0);
  SetDocumentSlot(document, kSlotModified, modified);
  CaretToStart(edit);
  SetFocus(edit);
  RequestFrameLayout();
}

// Commands that change the text do nothing to a read-only document, whatever sent them.
bool ChangesText(unsigned id) {
  switch (id) {
    case ID_EDIT_UNDO:
    case ID_EDIT_CUT:
    case ID_EDIT_PASTE:
    case ID_EDIT_DELETE:
    case ID_EDIT_INSERT_FILE:
      return true;
    default:
      return false;
  }
}

bool RunSystemFontChooser(CHOOSEFONTA& choice) {
  RunBeforeModalHook();
  return ChooseFontA(&choice) != FALSE;
}

}  // namespace

bool HandleDocumentCommand(HWND document, unsigned id) {
  HWND edit = GetDocumentEdit(document);
  if (!edit) return false;
  if (ChangesText(id) && GetDocumentSlot(document, kSlotReadOnly)) return true;
  switch (id) {
    case ID_EDIT_UNDO:
      SendMessageA(edit, EM_UNDO, 0, 0);
      SetFocus(edit);
      return true;
    case ID_EDIT_CUT:
      SendMessageA(edit, WM_CUT, 0, 0);
      SetFocus(edit);
      return true;
    case ID_EDIT_COPY:
      SendMessageA(edit, WM_COPY, 0, 0);
      SetFocus(edit);
      return true;
    case ID_EDIT_PASTE:
      Paste(edit);
      return true;
    case ID_EDIT_DELETE:
      Delete(edit);
      return true;
    case ID_EDIT_SELECT_ALL:
      Select(edit, 0, -1);
      ShowLineNumber(edit);
      return true;
    case ID_WINDOWS_DUPLICATE:
      Duplicate(document);
      return true;
    case ID_EDIT_READ_ONLY:
      ToggleReadOnly(document);
      return true;
    case ID_VIEW_WORD_WRAP:
      ToggleWordWrap(document);
      return true;
    case ID_FILE_CLOSE:
      CloseDocument(document);
      return true;
    case ID_FILE_SAVE:
      SaveDocument(document);
      return true;
    case ID_FILE_SAVE_AS:
      SaveDocumentAs(document);
      return true;
    case ID_EDIT_SAVE_SELECTION:
      SaveSelectionAs(document);
      return true;
    case ID_EDIT_INSERT_FILE:
      InsertFile(document);
      return true;
    case ID_FILE_DISCARD:
      DiscardChanges(document);
      return true;
    case ID_VIEW_REFRESH:
      RefreshDocument(document);
      return true;
    default:
      return GetDocumentServices().documentCommand && GetDocumentServices().documentCommand(document, id);
  }
}

HMENU BuildDocumentMenu() {
  HMENU menu = LoadMenuA(instanceHandle, MAKEINTRESOURCEA(IDR_DOCUMENT_MENU));
  if (!menu) return nullptr;
  HMENU popup = GetSubMenu(menu, 0);
  const std::vector<CommandItemState> states = ComputeCommandState(CurrentCommandStateInput());
  for (int i = 0, count = GetMenuItemCount(popup); i < count; ++i) {
    const UINT id = GetMenuItemID(popup, i);
    if (const CommandItemState* state = FindCommandState(states, id))
      EnableMenuItem(popup, id, MF_BYCOMMAND | (state->enabled ? MF_ENABLED : MF_GRAYED));
  }
  return menu;
}

void TrackDocumentMenu(POINT screen) {
  win32::UniqueMenu menu(BuildDocumentMenu());
  if (!menu) return;
  TrackPopupMenu(GetSubMenu(menu.get(), 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, frameWindow, nullptr);
}

void SetFontChooser(FontChooser chooser) { fontChooser = std::move(chooser); }

bool RunFontChooser(CHOOSEFONTA& choice) { return fontChooser ? fontChooser(choice) : RunSystemFontChooser(choice); }

void ChooseDisplayFont() {
  ShowStatus(ID_VIEW_DISPLAY_FONT);
  LOGFONTA chosen = DisplayFontRecord();
  CHOOSEFONTA choice = {};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = frameWindow;
  choice.lpLogFont = &chosen;
  choice.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  if (!RunFontChooser(choice)) return;
  win32::UniqueFont font(CreateFontIndirectA(&chosen));
  if (!font) {
    ErrorBox(MSG_FONT_FAILED, chosen.lfFaceName, static_cast<int>(chosen.lfHeight), static_cast<int>(GetLastError()));
    return;
  }
  DisplayFontRecord() = chosen;
  displayFont = std::move(font);
  SaveSettings();
  for (HWND document : DocumentWindows()) {
    HWND edit = GetDocumentEdit(document);
    if (!edit) continue;
    ShowWindow(edit, SW_HIDE);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(displayFont.get()), TRUE);
    ShowWindow(edit, SW_SHOW);
  }
  if (GetDocumentServices().displayFontChanged) GetDocumentServices().displayFontChanged(chosen.lfFaceName);
}

}  // namespace editor
