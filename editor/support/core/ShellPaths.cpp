#include "editor/support/core/ShellPaths.h"

#include "editor/support/core/PathText.h"

namespace support {

namespace {

constexpr const char* kStartMenuSubfolder = "\\Orvane";

}  // namespace

const char* ShellFolderValueName(int kind) {
  switch (kind) {
    case kStartMenuItem: return "Programs";
    case kDesktopItem: return "Desktop";
    case kStartupItem: return "Startup";
    default: return nullptr;
  }
}

std::optional<std::string> ShortcutFolderFromValue(int kind, std::string_view value, std::size_t capacity) {
  if (!ShellFolderValueName(kind)) return std::nullopt;
  while (!value.empty() && value.back() == '\\') value.remove_suffix(1);
  if (value.empty()) return std::nullopt;
  std::string folder(value);
  if (kind == kStartMenuItem) folder += kStartMenuSubfolder;
  if (folder.size() >= capacity) return std::nullopt;
  return folder;
}

std::optional<std::string> ShortcutFilePath(std::string_view folder, std::string_view programName,
                                            std::size_t capacity) {
  if (folder.empty() || programName.empty()) return std::nullopt;
  std::string path(folder);
  path += '\\';
  path += programName;
  path += ".lnk";
  if (path.size() >= capacity) return std::nullopt;
  return path;
}

ProgramRegistration ProgramRegistrationFor(std::string_view modulePath) {
  ProgramRegistration names;
  const std::size_t slash = modulePath.rfind('\\');
  const std::string_view fileName = slash == std::string_view::npos ? modulePath : modulePath.substr(slash + 1);
  names.appPathsKey = std::string(fileName);
  names.folder = DialogInitialFolder(modulePath);
  const std::size_t dot = fileName.rfind('.');
  names.helpValueName = std::string(fileName.substr(0, dot)) + ".hlp";
  return names;
}

}  // namespace support
