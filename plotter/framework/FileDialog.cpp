#include "plotter/framework/FileDialog.h"

#include <commdlg.h>

#include <vector>

namespace framework {

namespace {
FileDialogAnswerer& Answerer() {
  static FileDialogAnswerer answerer;
  return answerer;
}
}  // namespace

void SetFileDialogAnswerer(FileDialogAnswerer answerer) { Answerer() = std::move(answerer); }

bool RunFileDialog(FileDialogRequest& request) {
  if (Answerer()) return Answerer()(request);

  std::vector<char> path(MAX_PATH * 4, '\0');
  request.fileName.copy(path.data(), path.size() - 1);
  std::string filter = request.filter;
  filter.append(2, '\0');  // the list ends with an empty string

  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = request.owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = path.data();
  ofn.nMaxFile = static_cast<DWORD>(path.size());
  ofn.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
  ofn.Flags = request.flags;

  const BOOL ok = request.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!ok) return false;
  request.chosenPath = path.data();
  return true;
}

}  // namespace framework
