// Sets of files reopened together: the File menu's nine recent files, indirect list files (one
// file name a line) opened and built, and the nine SysEdit files with their options page.
#pragma once

#include <windows.h>

#include <prsht.h>

#include "editor/app/OptionsSheet.h"

namespace editor {

// Lists built since start-up; the next one is suggested as "List<n>".
extern int listCounter;

// A file read or saved goes to the top of the recent files.
void AddRecentFile(const char* name);
// Recent file `index` (0 to 8): brought to the front when open, else opened; a file no longer on
// the disk is reported and leaves the list, the later entries moving up.
void OpenRecentFile(int index);

// Opens every existing file the list file `listName` names (already open ones come to the
// front); false after the box when the list itself cannot be read.
bool OpenListFile(const char* listName);
// Open a List (150): chooses a list file, then OpenListFile.
bool OpenFileList();
// Build a List (151): a new document listing every open document's file, saved as a list. Refused,
// with nothing made, while an open document has never been saved.
bool BuildFileList();

// Opens the SysEdit files that exist and are not open yet, without touching the recent files or
// the current file name.
void OpenSysEditFiles();

// The SysEdit page of the options sheet.
bool BuildSysEditPage(OptionsSheetSession& session, PROPSHEETPAGEA& page);

// Plugs the recent files, lists and SysEdit files into the frame (DocumentServices).
void InstallFileListServices();

}  // namespace editor
