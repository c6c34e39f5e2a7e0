// The editor's command line: one argument taken whole, never split at blanks.
// Portable: no windows.h.
#pragma once

#include <string>

#include "editor/app/core/EditorStateRecord.h"

namespace editor {

enum class CommandLineKind {
  None,     // empty
  Setup,    // "/setup" or "-setup": the options sheet on its Explorer page before the frame
  SysEdit,  // contains "/l", "-l", "/L" or "-L": open the nine SysEdit files
  List,     // "@name": open the files named in an indirect list
  File,     // a file name
};

struct CommandLineRequest {
  CommandLineKind kind = CommandLineKind::None;
  std::string name;  // the list or file name (quotes removed); empty for the other kinds
};

// Longest text taken from the command line or a second instance's hand-over.
constexpr std::size_t kMaxCommandLineText = 255;

// The text cut to 255 characters with every double quote removed.
std::string RemoveQuotes(const std::string& text);

// Classifies the argument. Leading and trailing blanks are not part of it.
CommandLineRequest ParseCommandLine(const std::string& commandLine);

// Records the request in the state: the setup flag, the SysEdit switch, or the current file
// name with the list or command-line-file flag.
void ApplyCommandLine(const CommandLineRequest& request, EditorState& state);

}  // namespace editor
