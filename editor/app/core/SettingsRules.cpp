#include "editor/app/core/SettingsRules.h"

#include <cctype>

namespace editor {

std::int32_t NormalizeTabs(std::uint32_t stored) {
  return (stored == 0 || stored > 16) ? 4 : static_cast<std::int32_t>(stored);
}

std::string LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

ProgramPaths ComputeProgramPaths(const std::string& modulePath) {
  ProgramPaths paths;
  const std::string lower = LowerCase(modulePath);
  // Only a "." of the file name itself starts the extension, not one of a folder.
  const std::size_t slash = lower.find_last_of("\\/:");
  const std::size_t dot = lower.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return paths;
  const std::string base = lower.substr(0, dot);
  if (base.size() + 4 > 255) return paths;
  paths.ini = base + ".ini";
  paths.help = base + ".hlp";
  paths.log = base + ".log";
  return paths;
}

std::string FirstRunSysEditFile(int slot, const std::string& format, const std::string& windowsFolder) {
  std::string folder = windowsFolder;
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  if (slot == 1 || slot == 2) folder = folder.size() >= 2 && folder[1] == ':' ? folder.substr(0, 2) : std::string();
  std::string result;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's') {
      result += folder;
      ++i;
    } else {
      result.push_back(format[i]);
    }
  }
  if (result.size() > 255) result.resize(255);
  return LowerCase(result);
}

void ApplyFirstRunPlacements(EditorState& state, const support::ScreenBounds& screen) {
  const support::ScreenPoint frame = support::CenteredOrigin(screen, 640, 400);
  state.windowPlacement.width = 640;
  state.windowPlacement.height = 400;
  state.windowPlacement.left = frame.x;
  state.windowPlacement.top = frame.y;
  const support::ScreenPoint sheet = support::CenteredOrigin(screen, 500, 375);
  state.optionsPlacement.left = sheet.x;
  state.optionsPlacement.top = sheet.y;
}

}  // namespace editor
