#include "editor/app/core/CommandLine.h"

#include <cctype>
#include <cstring>

namespace editor {

namespace {

std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return std::string();
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

bool EqualsIgnoringCase(const std::string& text, const char* word) {
  const std::size_t length = std::strlen(word);
  if (text.size() != length) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(word[i])))
      return false;
  }
  return true;
}

bool HasSysEditSwitch(const std::string& text) {
  for (const char* sequence : {"/l", "-l", "/L", "-L"}) {
    if (text.find(sequence) != std::string::npos) return true;
  }
  return false;
}

void CopyName(const std::string& name, char (&field)[kPathLength]) {
  const std::size_t length = name.size() < kPathLength - 1 ? name.size() : kPathLength - 1;
  std::memcpy(field, name.data(), length);
  field[length] = '\0';
}

}  // namespace

std::string RemoveQuotes(const std::string& text) {
  std::string result;
  const std::size_t length = text.size() < kMaxCommandLineText ? text.size() : kMaxCommandLineText;
  result.reserve(length);
  for (std::size_t i = 0; i < length; ++i) {
    if (text[i] != '"') result.push_back(text[i]);
  }
  return result;
}

CommandLineRequest ParseCommandLine(const std::string& commandLine) {
  CommandLineRequest request;
  const std::string argument = TrimBlanks(commandLine);
  if (argument.empty()) return request;
  if (EqualsIgnoringCase(argument, "/setup") || EqualsIgnoringCase(argument, "-setup")) {
    request.kind = CommandLineKind::Setup;
    return request;
  }
  const std::string text = RemoveQuotes(argument);
  if (HasSysEditSwitch(text)) {
    request.kind = CommandLineKind::SysEdit;
  } else if (!text.empty() && text[0] == '@') {
    request.kind = CommandLineKind::List;
    request.name = text.substr(1);
  } else if (!text.empty()) {
    request.kind = CommandLineKind::File;
    request.name = text;
  }
  return request;
}

void ApplyCommandLine(const CommandLineRequest& request, EditorState& state) {
  switch (request.kind) {
    case CommandLineKind::None:
      break;
    case CommandLineKind::Setup:
      SetupFlag(state) = 1;
      break;
    case CommandLineKind::SysEdit:
      state.sysEditSwitch = 1;
      break;
    case CommandLineKind::List:
      CopyName(request.name, state.currentFileName);
      state.listFlag = 1;
      break;
    case CommandLineKind::File:
      CopyName(request.name, state.currentFileName);
      state.commandLineFile = 1;
      break;
  }
}

}  // namespace editor
