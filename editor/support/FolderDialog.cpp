#include "editor/support/FolderDialog.h"

#include <shlobj.h>

#include <string>
#include <utility>

#include "common/win32/Handles.h"
#include "editor/support/Strings.h"
#include "editor/support/core/SafeFormat.h"

namespace support {

namespace {

FolderBrowserAnswerer& Answerer() {
  static FolderBrowserAnswerer answerer;
  return answerer;
}

// Opens the browser at the starting folder once it is up.
int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED && start && *reinterpret_cast<const char*>(start))
    SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, start);
  return 0;
}

// Memory handed out by the shell goes back to the shell's allocator.
struct ShellMemory {
  void* block = nullptr;
  ShellMemory() = default;
  ShellMemory(const ShellMemory&) = delete;
  ShellMemory& operator=(const ShellMemory&) = delete;
  ~ShellMemory() { CoTaskMemFree(block); }
};

}  // namespace

void SetFolderBrowserAnswerer(FolderBrowserAnswerer answerer) { Answerer() = std::move(answerer); }

bool BrowseForDirectory(HWND owner, char* path, UINT titleId) {
  if (!path) return false;
  char instruction[256] = "";
  if (titleId) GetString(instruction, titleId);
  char chosen[MAX_PATH] = "";
  CopyText(chosen, sizeof chosen, path);
  if (Answerer()) {
    if (!Answerer()(instruction, chosen)) return false;
    chosen[MAX_PATH - 1] = '\0';
    CopyText(path, MAX_PATH, chosen);
    return true;
  }

  win32::ComScope com;
  ShellMemory displayName;
  displayName.block = CoTaskMemAlloc(MAX_PATH);
  if (!displayName.block) return false;
  const std::string start = chosen;
  BROWSEINFOA browse = {};
  browse.hwndOwner = owner;
  browse.pidlRoot = nullptr;  // the desktop
  browse.pszDisplayName = static_cast<char*>(displayName.block);
  browse.lpszTitle = instruction[0] ? instruction : nullptr;
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  browse.lpfn = BrowseCallback;
  browse.lParam = reinterpret_cast<LPARAM>(start.c_str());
  ShellMemory list;
  list.block = SHBrowseForFolderA(&browse);
  if (!list.block) return false;
  if (!SHGetPathFromIDListA(static_cast<PCIDLIST_ABSOLUTE>(list.block), chosen) || !chosen[0]) return false;
  CopyText(path, MAX_PATH, chosen);
  return true;
}

}  // namespace support
