#include "editor/app/core/OpenSelection.h"

namespace editor {

std::vector<std::string> SplitOpenSelection(const char* buffer, std::size_t size) {
  std::vector<std::string> strings;
  for (std::size_t at = 0; buffer && at < size && buffer[at] != '\0';) {
    std::size_t end = at;
    while (end < size && buffer[end] != '\0') ++end;
    strings.emplace_back(buffer + at, end - at);
    at = end + 1;
  }
  if (strings.size() <= 1) return strings;
  std::vector<std::string> paths;
  std::string folder;
  for (std::string& text : strings) {
    if (text.find('\\') != std::string::npos) {
      folder = std::move(text);
      if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    } else {
      paths.push_back(folder + "\\" + text);
    }
  }
  return paths;
}

}  // namespace editor
