// Quillet's frame window. Map of the windows:
//   frameWindow    "QuilletAppClass", FrameWindowProc (this file): menu 1000, owns everything
//   mdiClient      "MDICLIENT", id 1001: holds the document windows (window menu "&Windows")
//   toolbarWindow  id 1002, statusWindow id 1003: the bars (Toolbar.cpp, StatusBar.cpp)
//   documents      numeric class 1000, DocumentWindowProc (DocumentWindow.cpp)
//   splash/About   numeric class 500, SplashWindowProc (Splash.cpp)
//   options sheet  modal property sheet (OptionsSheet.cpp)
#include "editor/app/Frame.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstring>
#include <vector>

#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/Splash.h"
#include "editor/app/StatusBar.h"
#include "editor/app/Toolbar.h"
#include "editor/app/TrayIcon.h"
#include "editor/app/core/CommandLine.h"
#include "editor/app/core/FrameRules.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

DocumentServices documentServices;

// Whether the frame's closing steps (FinishShutDown) have run: they run once per frame, whichever
// way it ends (Exit or the close box, the end of the session, DestroyWindow from outside).
bool shutDownFinished = false;

// The text SendOpenRequest is handing to the frame right now; the pointer form of the open
// request is honoured for this text only.
const char* ownOpenRequest = nullptr;

bool SaveThroughServices(HWND document) {
  // Without a way to save, a "Yes" cannot be honoured: the document is kept.
  return documentServices.saveDocument ? documentServices.saveDocument(document) : false;
}

enum class CloseMode {
  Ask,            // each modified document is asked about; Cancel stops and keeps the rest
  AskUnstoppable, // each is asked about, but they all go (the frame is being destroyed)
  Silently,       // the questions were answered before (the end of the session)
};

// Closes every document as the mode says; false when a question was cancelled.
bool CloseAllDocuments(CloseMode mode) {
  bulkOperation = true;
  for (HWND document : DocumentWindows()) {
    if (!IsWindow(document)) continue;
    if (mode == CloseMode::AskUnstoppable) ConfirmClose(document);
    if (mode == CloseMode::Ask && !ConfirmClose(document)) {
      bulkOperation = false;
      UpdateCommandState();
      return false;
    }
    SendMessageA(mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
  }
  bulkOperation = false;
  UpdateCommandState();
  return true;
}

// Steps after the documents are gone: placement, toolbar layout, splash, tray, tool windows,
// and the quit message. Once per frame.
void FinishShutDown() {
  if (shutDownFinished) return;
  shutDownFinished = true;
  if (frameWindow) StoreWindowPosition(frameWindow, &editorState.windowPlacement);
  if (toolbarWindow) SaveToolbarLayout("Custom");
  CloseSplashWindow();
  if (editorState.TaskTray && frameWindow) RemoveTrayIcon();
  if (documentServices.closeToolWindows) documentServices.closeToolWindows();
  PostQuitMessage(0);
}

bool FileExists(const char* path) {
  if (!path || !*path) return false;
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void OpenAtStartUp() {
  const bool exists = FileExists(editorState.currentFileName);
  switch (ChooseStartUpOpening(editorState, exists)) {
    case StartUpOpening::CommandLineFile:
    case StartUpOpening::LastFile:
      if (documentServices.openFile) documentServices.openFile(editorState.currentFileName);
      break;
    case StartUpOpening::SysEditFiles:
      if (documentServices.openSysEditFiles) documentServices.openSysEditFiles();
      break;
    case StartUpOpening::FileList:
      if (documentServices.openFileList) documentServices.openFileList(editorState.currentFileName);
      break;
    case StartUpOpening::NewDocument:
      if (documentServices.newDocument) documentServices.newDocument();
      break;
    case StartUpOpening::Nothing:
      break;
  }
}

// ---- Message handlers ----

// The creation parameter is editorState itself, which the frame reads directly.
LRESULT MsgCreate(HWND frame) {
  frameWindow = frame;
  shutDownFinished = false;
  SetWindowTextById(frame, IDS_PROGRAM_NAME);
  if (!CreateToolbarWindow(frame)) {
    ShutDown();
    return -1;
  }
  displayFont.reset(CreateFontIndirectA(&DisplayFontRecord()));

  CLIENTCREATESTRUCT client = {};
  client.hWindowMenu = GetSubMenu(GetMenu(frame), WINDOWS_MENU_INDEX);
  client.idFirstChild = FIRST_DOCUMENT_CHILD_ID;
  mdiClient = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                              WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0, frame,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MDI_CLIENT)), instanceHandle, &client);
  if (!mdiClient) {
    InfoBox(frame, IDS_PROGRAM_NAME, MSG_CHILD_WINDOW_FAILED, IDC_MDI_CLIENT, static_cast<int>(GetLastError()));
    ShutDown();
    return -1;
  }
  if (!CreateStatusBar(frame)) {
    InfoBox(frame, IDS_PROGRAM_NAME, MSG_CHILD_WINDOW_FAILED, IDC_STATUS_BAR, static_cast<int>(GetLastError()));
    ShutDown();
    return -1;
  }
  if (!editorState.Status) ShowWindow(statusWindow, SW_HIDE);
  UpdateCommandState();
  findMessageId = RegisterWindowMessageA("commdlg_FindReplace");
  return 0;
}

void MsgSize(HWND frame, WPARAM kind) {
  if (kind == SIZE_MINIMIZED) {
    if (editorState.TaskTray) MinimizeToTray();
    return;
  }
  if (kind == SIZE_RESTORED || kind == SIZE_MAXIMIZED) {
    if (editorState.TaskTray && !IsWindowVisible(frame)) ShowWindow(frame, SW_SHOW);
    LayoutFrame();
    InvalidateRect(frame, nullptr, TRUE);
  }
}

// The focus goes to the first document (icon titles have an owner); else it stays here.
void MsgSetFocus() {
  ApplyFrameTopMost();
  if (!mdiClient) return;
  for (HWND child = GetWindow(mdiClient, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!GetWindow(child, GW_OWNER)) {
      SetFocus(child);
      return;
    }
  }
}

void MsgClose(HWND frame) {
  if (ShutDown()) DestroyWindow(frame);
}

// Normally ShutDown has run (close, end of session). A frame destroyed from outside cannot be
// kept, but each modified document is still asked about before it goes.
void MsgDestroy() {
  if (shutDownFinished) return;
  CloseAllDocuments(CloseMode::AskUnstoppable);
  FinishShutDown();
}

void MsgNcDestroy() {
  frameWindow = nullptr;
  mdiClient = nullptr;
  toolbarWindow = nullptr;
  statusWindow = nullptr;
  activeDocument = nullptr;
  activeEdit = nullptr;
}

// Only the save questions: the session may still be cancelled, so nothing closes here.
LRESULT MsgQueryEndSession() {
  for (HWND document : DocumentWindows()) {
    if (!ConfirmClose(document)) return FALSE;
  }
  return TRUE;
}

// The session really ends: close what is open (the questions were answered) and keep every
// setting, because the message loop never finishes.
void MsgEndSession(WPARAM ending) {
  if (!ending) return;
  CloseAllDocuments(CloseMode::Silently);
  FinishShutDown();
  SaveSettings();
}

void MsgGetMinMaxInfo(MINMAXINFO* info) {
  info->ptMinTrackSize.x = kFrameMinWidth;
  info->ptMinTrackSize.y = kFrameMinHeight;
}

LRESULT MsgNotify(HWND frame, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleToolbarNotify(reinterpret_cast<NMHDR*>(lParam), result)) return result;
  return DefFrameProcA(frame, mdiClient, WM_NOTIFY, wParam, lParam);
}

void MsgDropFiles(HDROP drop) {
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    char name[1025] = "";
    if (DragQueryFileA(drop, i, name, sizeof name)) OpenDroppedFile(name);
  }
  DragFinish(drop);
}

// A second instance's command line arrives as copied data tagged with the open-request number.
bool MsgCopyData(const COPYDATASTRUCT* data) {
  if (!data || data->dwData != kOpenRequestMessage || !data->lpData) return false;
  const std::size_t size = data->cbData < kMaxCommandLineText ? data->cbData : kMaxCommandLineText;
  std::string text(static_cast<const char*>(data->lpData), size);
  text.resize(std::strlen(text.c_str()));
  OpenDroppedFile(text.c_str());
  return true;
}

// The pointer form of the open request: only the text SendOpenRequest hands over from this
// thread. A pointer posted or sent from anywhere else is never read (another program's address
// means nothing here); other processes hand their text over with WM_COPYDATA.
void MsgOpenRequest(LPARAM lParam) {
  const char* text = reinterpret_cast<const char*>(lParam);
  if (!text || text != ownOpenRequest || InSendMessageEx(nullptr) != ISMEX_NOSEND) return;
  ownOpenRequest = nullptr;
  OpenDroppedFile(text);
}

LRESULT HandleFrameMessage(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  if (findMessageId != 0 && message == findMessageId) {
    if (documentServices.findNotification) documentServices.findNotification(lParam);
    return 0;
  }
  switch (message) {
    case WM_CREATE:
      return MsgCreate(frame);
    case WM_DESTROY:
      MsgDestroy();
      return 0;
    case WM_NCDESTROY:
      MsgNcDestroy();
      break;
    case WM_SIZE:
      MsgSize(frame, wParam);
      return 0;
    case WM_SETFOCUS:
      MsgSetFocus();
      return 0;
    case WM_PAINT:
      ValidateRect(frame, nullptr);
      return 0;
    case WM_CLOSE:
      MsgClose(frame);
      return 0;
    case WM_QUERYENDSESSION:
      return MsgQueryEndSession();
    case WM_ENDSESSION:
      MsgEndSession(wParam);
      return 0;
    case WM_SYSCOLORCHANGE:
      RecreateWindowBrush();
      break;
    case WM_GETMINMAXINFO:
      MsgGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_NOTIFY:
      return MsgNotify(frame, wParam, lParam);
    case WM_COMMAND:
      RouteCommand(frame, wParam, lParam);
      UpdateCommandState();
      return 0;
    case WM_INITMENU:
      UpdateCommandState();
      return 0;
    case WM_MENUSELECT:
      ShowMenuHint(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DROPFILES:
      MsgDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_COPYDATA:
      return MsgCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE : FALSE;
    case kTrayCallbackMessage:
      return HandleTrayCallback(wParam, lParam);
    case kOpenRequestMessage:
      MsgOpenRequest(lParam);
      return 0;
    default:
      break;
  }
  return DefFrameProcA(frame, mdiClient, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK FrameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return HandleFrameMessage(frame, message, wParam, lParam);
  } catch (...) {
    // Nothing of ours throws; a failing allocation must still not unwind into the system.
    return message == WM_CREATE ? -1 : 0;
  }
}

bool RegisterFrameClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = FrameWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_QUILLET));
  windowClass.hIconSm = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_QUILLET_SMALL), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINFRAME);
  windowClass.lpszClassName = kFrameClassName;
  return RegisterClassExA(&windowClass) != 0;
}

HWND CreateFrameWindow(int show) {
  const PlacementRecord& at = editorState.windowPlacement;
  HWND frame = CreateWindowExA(editorState.TopMost ? WS_EX_TOPMOST : 0, kFrameClassName, "Quillet",
                               WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, at.left, at.top, at.width, at.height, nullptr,
                               nullptr, instanceHandle, &editorState);
  if (!frame) {
    ErrorBox(MSG_WINDOW_FAILED, "Quillet", static_cast<int>(GetLastError()));
    frameWindow = nullptr;
    return nullptr;
  }
  frameWindow = frame;
  ShowWindow(frame, show);
  UpdateWindow(frame);
  editorState.openMaximised = editorState.Maximized;
  OpenAtStartUp();
  UpdateCommandState();
  DragAcceptFiles(frame, TRUE);
  if (editorState.TaskTray) AddTrayIcon();
  return frame;
}

bool ShutDown() {
  if (!CloseAllDocuments(CloseMode::Ask)) return false;
  FinishShutDown();
  return true;
}

bool CloseAllDocumentWindows() { return CloseAllDocuments(CloseMode::Ask); }

void OpenDroppedFile(const char* name) {
  const std::string path = RemoveQuotes(name ? name : "");
  if (path.empty()) return;
  if (FindOpenDocument(path.c_str())) return;
  if (documentServices.openFile) documentServices.openFile(path.c_str());
}

void SendOpenRequest(HWND frame, const char* text) {
  if (!frame || !text) return;
  ownOpenRequest = text;
  SendMessageA(frame, kOpenRequestMessage, 0, reinterpret_cast<LPARAM>(text));
  ownOpenRequest = nullptr;
}

std::vector<HWND> DocumentWindows() {
  std::vector<HWND> documents;
  if (!mdiClient) return documents;
  for (HWND child = GetWindow(mdiClient, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!GetWindow(child, GW_OWNER) && GetClassWord(child, GCW_ATOM) == kDocumentClassAtom) documents.push_back(child);
  }
  return documents;
}

bool ConfirmClose(HWND document) {
  if (!document || !GetDocumentSlot(document, kSlotModified)) return true;
  const std::string name = DocumentName(document);
  if (editorState.AutoSave && GetDocumentSlot(document, kSlotHasFile)) return SaveThroughServices(document);
  switch (AskSaveChanges(frameWindow, name.c_str())) {
    case kSaveAnswerYes:
      return SaveThroughServices(document);
    case kSaveAnswerNo:
      return true;
    default:
      return false;
  }
}

void SetDocumentServices(const DocumentServices& services) { documentServices = services; }
const DocumentServices& GetDocumentServices() { return documentServices; }

}  // namespace editor
