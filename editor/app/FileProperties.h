// File > Properties: a small modal box about the active document's file on disk, built in
// memory and filled from its directory entry and the file types registered with the system.
#pragma once

#include <windows.h>

#include <functional>

#include "editor/support/DialogTemplate.h"

namespace editor {

constexpr std::size_t kDetailTextSize = 256;

// What the box shows about one file. Texts end with a terminator; the record is cleared first.
struct FileDetails {
  char name[kDetailTextSize];       // after the last backslash
  char location[kDetailTextSize];   // up to and including the last backslash
  char type[kDetailTextSize];       // the registered description, or "Document"
  char shortName[kDetailTextSize];  // the 8.3 name (else the name), upper case
  HICON icon;                       // the type's icon, or the system's default icon
  bool iconOwned;                   // the icon was extracted for this record: destroy it
  DWORD size;                       // the low 32 bits of the size
  char sizeText[kDetailTextSize];
  bool readOnly;
  FILETIME created, accessed, modified;  // as stored (UTC)
  char createdText[kDetailTextSize], modifiedText[kDetailTextSize], accessedText[kDetailTextSize];
};

// 1 with the record filled, or 0 (record cleared) when the file cannot be found.
int GetFileDetails(const char* path, FileDetails* details);

// The icon and description of a registered extension ("txt" or ".txt"); DefaultFileType when
// the type, its description or its icon cannot be had. `typeText` (256 bytes) may be null.
// `owned` tells whether the caller must destroy the icon.
HICON GetFileTypeInfo(const char* extension, char* typeText, bool* owned = nullptr);
// The system's default application icon (shared, never destroyed), and "Document".
HICON DefaultFileType(char* typeText);

// "Monday, January 5, 1998 - 3:07 PM" in local time into `buffer` (256 bytes): 1, or 0 with an
// empty text for a zero time.
int FormatFileTime(const FILETIME& time, char* buffer);

// The box's template: 23 controls, or an empty block after the allocation error box.
support::TemplateBlock BuildFilePropertiesTemplate();

// Shows the box for `path` modally: 1, or 0 when the template cannot be built.
int FilePropertiesDialog(HWND owner, const char* path);
INT_PTR CALLBACK FilePropertiesProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
void FilePropertiesInit(HWND box, const char* path);

// Test seam: called once with the box when it is up, in place of the user; it reads the box and
// presses OK or Esc. Returns the previous driver; empty means the real user.
using FilePropertiesDriver = std::function<void(HWND box)>;
FilePropertiesDriver SetFilePropertiesDriver(FilePropertiesDriver driver);

}  // namespace editor
