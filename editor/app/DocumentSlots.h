// The six 32-bit slots of a document window's extra data and their accessors.
#pragma once

#include <windows.h>

namespace editor {

enum DocumentSlot : int {
  kSlotEdit = 0,       // the rich edit control
  kSlotModified = 4,   // the text differs from the file
  kSlotWordWrap = 8,   // words wrap at the window edge
  kSlotReadOnly = 12,  // the text may not be changed
  kSlotHasFile = 16,   // read from or saved to a file
  kSlotLineEnd = 20,   // line-end convention of the file
};
constexpr int kDocumentExtraBytes = 24;

inline LONG GetDocumentSlot(HWND document, DocumentSlot slot) { return GetWindowLongA(document, slot); }
inline void SetDocumentSlot(HWND document, DocumentSlot slot, LONG value) { SetWindowLongA(document, slot, value); }
// Window handles keep their meaning in 32 bits, so the edit control fits its slot.
inline HWND GetDocumentEdit(HWND document) {
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(GetWindowLongA(document, kSlotEdit)));
}
inline void SetDocumentEdit(HWND document, HWND edit) {
  SetWindowLongA(document, kSlotEdit, static_cast<LONG>(reinterpret_cast<LONG_PTR>(edit)));
}

// Registers the document window class (numeric class 1000, icon 1002, 24 bytes of slots).
bool RegisterDocumentClass(HINSTANCE instance);
// A document window as a client-window child; its title is its name. Null when it fails.
HWND CreateDocumentWindow(const char* title);

}  // namespace editor
