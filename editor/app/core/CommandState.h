// The rules that enable, check and label every menu item and toolbar button of the frame, as a
// function of the active document's state and the options. Portable: no windows.h; the frame
// applies the result to its menu and toolbar.
#pragma once

#include <string>
#include <vector>

#include "editor/app/core/EditorStateRecord.h"

namespace editor {

struct CommandStateInput {
  bool activeDocument = false;   // A
  bool hasSelection = false;     // S
  bool readOnly = false;         // R
  bool modified = false;         // M
  bool hasFile = false;          // F
  bool findDialogOpen = false;   // D
  bool wordWrap = false;         // the active document wraps words
  bool toolbarExists = false;
  bool statusBarExists = false;
  const EditorState* state = nullptr;  // options, recent files, tools, macros; T comes from it
};

struct CommandItemState {
  unsigned id = 0;
  bool enabled = false;
  bool checked = false;
  bool hasText = false;  // the item's text is rewritten
  std::string text;
};

// One entry per command id the frame's menu carries (recent files, tools and macros included).
std::vector<CommandItemState> ComputeCommandState(const CommandStateInput& input);

// The entry for one id, or null.
const CommandItemState* FindCommandState(const std::vector<CommandItemState>& states, unsigned id);

}  // namespace editor
