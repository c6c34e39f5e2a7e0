// The common open and save file dialogs, with one seam through which tests answer them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace framework {

struct FileDialogRequest {
  bool save = false;        // save dialog rather than open dialog
  HWND owner = nullptr;     // no parent window when null
  std::string fileName;     // proposed text of the file-name box
  std::string filter;       // filter text: pairs of zero-terminated strings, as the system takes it
  std::string defaultExtension;
  DWORD flags = 0;          // extra OPENFILENAME flags
  std::string chosenPath;   // out: the full path chosen
};

// Shows the dialog; true with `chosenPath` set when the user ends it with OK.
bool RunFileDialog(FileDialogRequest& request);

// Replaces the dialog (tests): the answerer sees the request, fills `chosenPath` and answers
// OK (true) or Cancel (false). An empty function restores the real dialog.
using FileDialogAnswerer = std::function<bool(FileDialogRequest&)>;
void SetFileDialogAnswerer(FileDialogAnswerer answerer);

}  // namespace framework
