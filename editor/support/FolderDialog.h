// The system's folder browser, and the seam through which tests answer it.
#pragma once

#include <windows.h>

#include <functional>

namespace support {

// The shell's folder browser rooted at the desktop and limited to file-system folders, with the
// text of `titleId` (none for 0) as its instruction, opening at the folder in `path` when there
// is one. True when a folder was chosen: its path (kFileNameBuffer characters at most) is then
// in `path`; otherwise `path` is left as it was.
bool BrowseForDirectory(HWND owner, char* path, UINT titleId);

// Answers the folder browser in place of the user: gets the instruction and the path buffer
// (MAX_PATH characters, holding the starting folder), writes the chosen folder and returns true,
// or returns false for Cancel. An empty function brings the real browser back.
using FolderBrowserAnswerer = std::function<bool(const char* instruction, char* path)>;
void SetFolderBrowserAnswerer(FolderBrowserAnswerer answerer);

}  // namespace support
