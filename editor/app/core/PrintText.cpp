#include "editor/app/core/PrintText.h"

namespace editor {

namespace {

std::string_view FileNamePart(std::string_view name) {
  const std::size_t separator = name.find_last_of("\\/:");
  return separator == std::string_view::npos ? name : name.substr(separator + 1);
}

}  // namespace

std::string ExpandPageMacros(std::string_view text, const PageMacroValues& values) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '$') {
      line += text[i];
      continue;
    }
    if (++i == text.size()) break;
    switch (text[i]) {
      case 'D':
        line += values.longDate;
        break;
      case 'd':
        line += values.shortDate;
        break;
      case 'T':
      case 't':
        line += values.time;
        break;
      case 'F':
        line += values.documentName;
        break;
      case 'f':
        line += FileNamePart(values.documentName);
        break;
      case 'P':
      case 'p':
        line += std::to_string(values.page);
        break;
      default:
        line += text[i];
        break;
    }
  }
  return line;
}

std::string PrintedBodyLine(std::string_view line) {
  const std::string_view text = line.substr(0, line.find_first_of("\r\n"));
  std::string printed;
  printed.reserve(text.size());
  for (const char c : text) {
    printed += c;
    if (c == '&') printed += '&';
  }
  return printed;
}

}  // namespace editor
