// The document window: an MDI child holding one rich edit control, its state in six slots. Its
// procedure (DocumentWindowProc) sizes the control, tracks activation and the maximised state,
// turns the control's notifications into the modified mark, the line indicator and the context
// menu, and hands commands to HandleDocumentCommand (DocumentCommands.cpp).
#include <windows.h>

#include <richedit.h>

#include <cstring>
#include <new>
#include <string>

#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/core/FileRules.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

int untitledCounter = 0;
bool autoloadRunning = false;

namespace {

// Styles of the edit control: with word wrap, and without it (horizontal scrolling added).
constexpr DWORD kWrappingEditStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                     ES_NOHIDESEL | ES_WANTRETURN | ES_DISABLENOSCROLL | ES_SAVESEL;
constexpr DWORD kScrollingEditStyle = kWrappingEditStyle | WS_HSCROLL | ES_AUTOHSCROLL;
static_assert(kWrappingEditStyle == 0x5020B144 && kScrollingEditStyle == 0x5030B1C4, "edit control styles");

// Set when WM_CREATE failed because the edit control could not be made (not the window).
bool editControlFailed = false;

void FitEditToClient(HWND document) {
  RECT client;
  GetClientRect(document, &client);
  if (HWND edit = GetDocumentEdit(document)) MoveWindow(edit, 0, 0, client.right, client.bottom, TRUE);
}

LRESULT MsgCreate(HWND document) {
  for (int slot = kSlotEdit; slot <= kSlotLineEnd; slot += 4) SetDocumentSlot(document, static_cast<DocumentSlot>(slot), 0);
  SetDocumentSlot(document, kSlotWordWrap, editorState.WordWrap ? 1 : 0);
  HWND edit = CreateEditControl(document, editorState.WordWrap != 0, false);
  if (!edit) {
    editControlFailed = true;
    return -1;
  }
  SetDocumentEdit(document, edit);
  FitEditToClient(document);
  return 0;
}

void MsgSize(HWND document, WPARAM kind) {
  FitEditToClient(document);
  if (kind == SIZE_RESTORED) editorState.openMaximised = 0;
  if (kind == SIZE_MAXIMIZED) editorState.openMaximised = 1;
  UpdateCommandState();
}

void MsgActivate(HWND document, LPARAM activated) {
  if (reinterpret_cast<HWND>(activated) == document) {
    activeDocument = document;
    activeEdit = GetDocumentEdit(document);
  } else if (activeDocument == document) {
    activeDocument = nullptr;
    activeEdit = nullptr;
  }
  ShowLineNumber(activeEdit);
  UpdateCommandState();
}

constexpr const char* kTextCutProperty = "QuilletTextCut";

void MsgDestroy(HWND document) {
  RemovePropA(document, kTextCutProperty);
  if (activeDocument == document) {
    activeDocument = nullptr;
    activeEdit = nullptr;
  }
}

// Change tracking and the control's complaints; nothing while a bulk operation runs or for a
// read-only document.
void MsgEditNotification(HWND document, unsigned code) {
  if (!activeDocument || GetDocumentSlot(document, kSlotReadOnly)) return;
  switch (code) {
    case EN_SETFOCUS:
    case EN_KILLFOCUS:
      UpdateCommandState();
      break;
    case EN_CHANGE:
      if (!bulkOperation && !GetDocumentSlot(document, kSlotModified)) MarkModified(document, true);
      break;
    case EN_ERRSPACE:
      InfoBox(frameWindow, IDS_PROGRAM_NAME, IDS_OUT_OF_BUFFER_SPACE);
      break;
    case EN_MAXTEXT:
      MarkModified(document, true);
      InfoBox(frameWindow, IDS_PROGRAM_NAME, IDS_TEXT_BUFFER_FULL);
      break;
    default:
      break;
  }
}

// Keys and clicks in the control move the caret: the line indicator follows. A right click
// opens the context menu 10 pixels to the right of the pointer.
LRESULT MsgNotify(HWND document, const NMHDR* header) {
  if (!header || header->code != EN_MSGFILTER) return 0;
  const auto* filter = reinterpret_cast<const MSGFILTER*>(header);
  HWND edit = GetDocumentEdit(document);
  switch (filter->msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      ShowLineNumber(edit);
      break;
    case WM_RBUTTONDOWN: {
      ShowLineNumber(edit);
      POINT at = {static_cast<short>(LOWORD(filter->lParam)), static_cast<short>(HIWORD(filter->lParam))};
      ClientToScreen(edit, &at);
      at.x += 10;
      TrackDocumentMenu(at);
      return 1;  // the control needs no right click of its own
    }
    default:
      break;
  }
  return 0;
}

void MsgCommand(HWND document, WPARAM wParam, LPARAM lParam) {
  HWND edit = GetDocumentEdit(document);
  if (lParam && reinterpret_cast<HWND>(lParam) == edit) {
    MsgEditNotification(document, HIWORD(wParam));
    return;
  }
  HandleDocumentCommand(document, LOWORD(wParam));
  UpdateCommandState();
}

LRESULT HandleDocumentMessage(HWND document, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return MsgCreate(document);
    case WM_SIZE:
      MsgSize(document, wParam);
      break;  // the client window also needs the size for its own bookkeeping
    case WM_MDIACTIVATE:
      MsgActivate(document, lParam);
      return 0;
    case WM_SETFOCUS:
      if (HWND edit = GetDocumentEdit(document)) SetFocus(edit);
      UpdateCommandState();
      return 0;
    case WM_CLOSE:
      CloseDocument(document);
      return 0;
    case WM_NOTIFY:
      return MsgNotify(document, reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
      MsgCommand(document, wParam, lParam);
      return 0;
    case WM_DESTROY:
      MsgDestroy(document);
      return 0;
    default:
      break;
  }
  return DefMDIChildProcA(document, message, wParam, lParam);
}

LRESULT CALLBACK DocumentWindowProc(HWND document, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return HandleDocumentMessage(document, message, wParam, lParam);
  } catch (...) {
    return message == WM_CREATE ? -1 : 0;
  }
}

void DestroyDocument(HWND document) {
  SendMessageA(mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
}

}  // namespace

HWND CreateEditControl(HWND document, bool wordWrap, bool readOnly) {
  HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit", "", wordWrap ? kWrappingEditStyle : kScrollingEditStyle, 0,
                              0, 0, 0, document, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_DOCUMENT_EDIT)),
                              instanceHandle, nullptr);
  if (!edit) return nullptr;
  SendMessageA(edit, EM_EXLIMITTEXT, 0, kEditTextLimit);
  SendMessageA(edit, WM_SETFONT,
               reinterpret_cast<WPARAM>(displayFont ? static_cast<HGDIOBJ>(displayFont.get()) : GetStockObject(ANSI_VAR_FONT)),
               FALSE);
  SendMessageA(edit, EM_SETBKGNDCOLOR, 0, GetSysColor(editorState.LtGray ? COLOR_BTNFACE : COLOR_WINDOW));
  SendMessageA(edit, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
  return edit;
}

HWND ReplaceEditControl(HWND document, bool wordWrap, std::string_view text) {
  HWND old = GetDocumentEdit(document);
  if (old) {
    SendMessageA(old, EM_SETEVENTMASK, 0, 0);
    SetDocumentEdit(document, nullptr);
    DestroyWindow(old);
  }
  HWND edit = CreateEditControl(document, wordWrap, GetDocumentSlot(document, kSlotReadOnly) != 0);
  if (activeDocument == document) activeEdit = edit;
  if (!edit) {
    InfoBox(frameWindow, IDS_PROGRAM_NAME, IDS_EDIT_CONTROL_FAILED);
    return nullptr;
  }
  // Sized before it takes the text: Wine's control lays a large text out again on every resize.
  // Visible as when a file is opened: a hidden control lays the whole text out again when shown.
  SetDocumentEdit(document, edit);
  FitEditToClient(document);
  SetDocumentText(edit, text);
  SetEditEventMask(edit);
  return edit;
}

void SetEditEventMask(HWND edit) { SendMessageA(edit, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_KEYEVENTS | ENM_MOUSEEVENTS); }

CHARRANGE Selection(HWND edit) {
  CHARRANGE range = {0, 0};
  SendMessageA(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range;
}

void Select(HWND edit, LONG from, LONG to) {
  CHARRANGE range = {from, to};
  SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

bool RegisterDocumentClass(HINSTANCE instance) {
  WNDCLASSA windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = DocumentWindowProc;
  windowClass.cbWndExtra = kDocumentExtraBytes;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_DOCUMENT));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.lpszClassName = MAKEINTATOM(kDocumentClassAtom);
  return RegisterClassA(&windowClass) != 0;
}

HWND CreateDocumentWindow(const char* title) {
  if (!mdiClient) return nullptr;
  MDICREATESTRUCTA create = {};
  create.szClass = MAKEINTATOM(kDocumentClassAtom);
  create.szTitle = title;
  create.hOwner = instanceHandle;
  create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
  create.style = editorState.openMaximised ? WS_MAXIMIZE : 0;
  editControlFailed = false;
  return reinterpret_cast<HWND>(SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

HWND OpenDocumentWindow(HWND owner, const char* fileName, bool readOnly) {
  const bool named = fileName && *fileName;
  // The running editor keeps its own settings file: it may only be looked at.
  if (named && !readOnly && iniPath[0] && lstrcmpiA(fileName, iniPath) == 0) {
    if (!YesNoBox(owner, true, IDS_PROGRAM_NAME, IDS_INI_FILE_READ_ONLY, fileName)) return nullptr;
    readOnly = true;
  }
  std::string title = named ? std::string(fileName) : std::string();
  if (!named) {
    char untitled[64] = "";
    FormatStringById(untitled, IDS_UNTITLED_NAME, ++untitledCounter);
    title = untitled;
  }
  HWND document = CreateDocumentWindow(title.c_str());
  if (!document) {
    if (editControlFailed) InfoBox(owner, IDS_PROGRAM_NAME, IDS_EDIT_CONTROL_FAILED);
    else InfoBox(owner, IDS_PROGRAM_NAME, MSG_CLIENT_WINDOW_FAILED, static_cast<int>(GetLastError()));
    return nullptr;
  }
  HWND edit = GetDocumentEdit(document);
  if (named) {
    if (!ReadDocumentFile(document, fileName, readOnly)) {
      DestroyDocument(document);
      return nullptr;
    }
    // FileSpec holds 255 characters: a longer name is not kept rather than kept cut.
    if (!autoloadRunning) {
      const std::size_t length = std::strlen(fileName);
      CopyText(editorState.currentFileName, sizeof editorState.currentFileName,
               length < sizeof editorState.currentFileName ? fileName : "");
    }
  }
  ShowWindow(document, SW_SHOW);
  ShowWindow(edit, SW_SHOW);
  // A maximised document fills the client window: nothing there to scroll to. (Wine leaves
  // the client's scroll bars up when the first document of a new frame opens maximised.)
  if (IsZoomed(document)) ShowScrollBar(mdiClient, SB_BOTH, FALSE);
  SetEditEventMask(edit);
  CHARRANGE start = {0, 0};
  SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
  SetFocus(edit);
  ShowLineNumber(edit);
  return document;
}

HWND FindOpenDocument(const char* fileName) {
  if (!fileName || !*fileName) return nullptr;
  for (HWND document : DocumentWindows()) {
    if (lstrcmpiA(DocumentName(document).c_str(), fileName) != 0) continue;
    if (IsIconic(document)) SendMessageA(mdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(document), 0);
    SendMessageA(mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(document), 0);
    BringWindowToTop(document);
    if (HWND edit = GetDocumentEdit(document)) SetFocus(edit);
    WarningBeep();
    return document;
  }
  return nullptr;
}

bool CloseDocument(HWND document) {
  if (!ConfirmClose(document)) return false;
  DestroyDocument(document);
  if (statusWindow) SendMessageA(statusWindow, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(""));
  return true;
}

std::string DocumentName(HWND document) {
  const int length = GetWindowTextLengthA(document);
  std::string title(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
  title.resize(static_cast<std::size_t>(GetWindowTextA(document, &title[0], length + 1)));
  return TitleToFileName(title);
}

void SetDocumentTitle(HWND document, const char* name, bool modified) {
  std::string title = name ? name : "";
  if (modified) title += '*';
  SetWindowTextA(document, title.c_str());
}

void MarkModified(HWND document, bool modified) {
  SetDocumentSlot(document, kSlotModified, modified ? 1 : 0);
  SetDocumentTitle(document, DocumentName(document).c_str(), modified);
}

void MarkTextCut(HWND document, bool cut) {
  if (cut) SetPropA(document, kTextCutProperty, reinterpret_cast<HANDLE>(1));
  else RemovePropA(document, kTextCutProperty);
}

bool IsTextCut(HWND document) { return GetPropA(document, kTextCutProperty) != nullptr; }

bool GetDocumentText(HWND edit, std::string& text) {
  const LRESULT length = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
  const std::size_t size = static_cast<std::size_t>(length > 0 ? length : 0) + 16;
  try {
    text.assign(size, '\0');
  } catch (const std::bad_alloc&) {
    text.clear();
    ErrorBox(MSG_CANNOT_ALLOCATE, "text buffer", size);
    return false;
  }
  const LRESULT copied = SendMessageA(edit, WM_GETTEXT, size, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return true;
}

namespace {

struct StreamSource {
  const char* next;
  std::size_t left;
};

DWORD CALLBACK StreamInPiece(DWORD_PTR cookie, LPBYTE buffer, LONG capacity, LONG* given) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  const std::size_t piece = source->left < static_cast<std::size_t>(capacity) ? source->left : capacity;
  std::memcpy(buffer, source->next, piece);
  source->next += piece;
  source->left -= piece;
  *given = static_cast<LONG>(piece);
  return 0;
}

void StreamIn(HWND edit, std::string_view text, WPARAM format) {
  StreamSource source = {text.data(), text.size()};
  EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&source), 0, StreamInPiece};
  SendMessageA(edit, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
}

}  // namespace

void SetDocumentText(HWND edit, std::string_view text) {
  const LRESULT mask = SendMessageA(edit, EM_SETEVENTMASK, 0, 0);
  StreamIn(edit, text, SF_TEXT);
  SendMessageA(edit, EM_SETEVENTMASK, 0, mask);
}

void ReplaceSelectionByStream(HWND edit, std::string_view text) { StreamIn(edit, text, SF_TEXT | SFF_SELECTION); }

void RecolourDocuments() {
  const COLORREF colour = GetSysColor(editorState.LtGray ? COLOR_BTNFACE : COLOR_WINDOW);
  for (HWND document : DocumentWindows()) {
    if (HWND edit = GetDocumentEdit(document)) SendMessageA(edit, EM_SETBKGNDCOLOR, 0, colour);
  }
}

}  // namespace editor
