#include "editor/app/core/ToolCommand.h"

namespace editor {

std::string BuildToolArguments(const char* command, const std::string& tail) {
  std::string arguments = command ? command : "";
  arguments += ' ';
  const bool quoted = tail.size() >= 2 && tail.front() == '"' && tail.back() == '"';
  if (!quoted && tail.find_first_of(" \t") != std::string::npos) {
    arguments += '"';
    arguments += tail;
    arguments += '"';
  } else {
    arguments += tail;
  }
  return arguments;
}

std::string MacroTextWithLineBreaks(const char* text) {
  std::string result;
  for (const char* c = text ? text : ""; *c; ++c) {
    if (*c == '\r') {
      if (c[1] == '\n') ++c;
      result += "\r\n";
    } else if (*c == '\n') {
      result += "\r\n";
    } else {
      result += *c;
    }
  }
  return result;
}

}  // namespace editor
