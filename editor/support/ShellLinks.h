// The program in the shell: shortcuts to it in the Start menu, on the desktop and in the Startup
// folder, made through the shell's link object in the folders the user's "Shell Folders" name,
// and the registry entries that let the shell and the help system find it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "editor/support/core/ShellPaths.h"

namespace support {

// The per-user key whose values name the shell's folders.
constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The kind's shortcut folder (see ShortcutFolderFromValue) into `path`: 1, or 0 with `path` empty
// when the key or value is missing, empty, not a terminated text, or longer than 256 bytes.
int GetShellFolder(int kind, char* path, std::size_t capacity);
template <std::size_t N>
int GetShellFolder(int kind, char (&path)[N]) {
  return GetShellFolder(kind, path, N);
}

// 1 when the kind's shortcut file exists; 0 when it does not or its folder cannot be found.
int ShellItemExists(int kind);

// Saves the kind's shortcut (target: the program's module path; description: the program's
// name), replacing one that is there and making the Start menu's own folder when missing. 1, or
// 0: silently when the folder cannot be found, else after the "Setup" box naming the failing
// method and its result code.
int CreateShellItem(HWND owner, int kind);

// Deletes the kind's shortcut: 1, or 0: silently when the folder cannot be found, else after the
// "Setup" box "Could not be deleted" with the system's error code.
int RemoveShellItem(HWND owner, int kind);

// Writes the program's version under HKEY_LOCAL_MACHINE "Software\Orvane\<title>\Version", its
// App Paths key and its help-file entry, from `modulePath` (null: the running program's). Every
// failure is ignored.
void RegisterProgramPaths(const char* title, const char* version, const char* modulePath = nullptr);

// The running program's module path, lower-cased; empty when it cannot be had.
std::string ProgramModulePath();

}  // namespace support
