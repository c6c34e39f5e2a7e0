// The document window: an MDI child holding one rich edit control, its state in six slots.
// This is the frame's minimum: creation, sizing, activation tracking and closing.
#include <windows.h>

#include <richedit.h>

#include "editor/app/DocumentSlots.h"
#include "editor/app/EditorState.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "resources/quillet_ids.h"

namespace editor {


namespace {

LRESULT MsgCreate(HWND document) {
  HWND edit = CreateWindowExA(0, "RichEdit", "",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                  ES_AUTOHSCROLL | ES_NOHIDESEL,
                              0, 0, 0, 0, document, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_DOCUMENT_EDIT)),
                              instanceHandle, nullptr);
  if (!edit) return -1;
  SetDocumentEdit(document, edit);
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(displayFont ? displayFont.get() : GetStockObject(ANSI_VAR_FONT)),
               FALSE);
  return 0;
}

void MsgSize(HWND document) {
  RECT client;
  GetClientRect(document, &client);
  if (HWND edit = GetDocumentEdit(document)) MoveWindow(edit, 0, 0, client.right, client.bottom, TRUE);
}

void MsgActivate(HWND document, LPARAM activated) {
  if (reinterpret_cast<HWND>(activated) == document) {
    activeDocument = document;
    activeEdit = GetDocumentEdit(document);
  } else if (activeDocument == document) {
    activeDocument = nullptr;
    activeEdit = nullptr;
  }
  UpdateCommandState();
}

void MsgDestroy(HWND document) {
  if (activeDocument == document) {
    activeDocument = nullptr;
    activeEdit = nullptr;
  }
}

LRESULT HandleDocumentMessage(HWND document, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return MsgCreate(document);
    case WM_SIZE:
      MsgSize(document);
      break;  // the client window also needs the size for its own bookkeeping
    case WM_MDIACTIVATE:
      MsgActivate(document, lParam);
      return 0;
    case WM_SETFOCUS:
      if (HWND edit = GetDocumentEdit(document)) SetFocus(edit);
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

}  // namespace

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
  return reinterpret_cast<HWND>(SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

}  // namespace editor
