#include "editor/app/core/CommandState.h"

#include <cstdio>

#include "resources/quillet_ids.h"

namespace editor {

namespace {

struct Conditions {
  bool A, S, R, M, F, D, T;
};

// clang-format off
const unsigned kAlwaysEnabled[] = {
  ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_PAGE_SETUP, ID_FILE_PRINTER_SETUP, ID_FILE_OPTIONS,
  ID_VIEW_DISPLAY_FONT, ID_VIEW_PRINTER_FONT, ID_WINDOWS_OPEN_LIST, ID_WINDOWS_SYSEDIT_FILES,
  ID_FILE_EXIT, ID_EDIT_SHOW_CLIPBOARD, ID_WINDOWS_ERROR_CODES, ID_WINDOWS_ASCII_CHART,
  ID_TOOLS_CUSTOMIZE, ID_MACROS_CUSTOMIZE, ID_VIEW_MINIMIZE, ID_VIEW_ALWAYS_ON_TOP,
  ID_HELP_CONTENTS, ID_HELP_SEARCH, ID_HELP_HOW_TO_USE, ID_HELP_SETUP, ID_HELP_ABOUT,
  ID_VIEW_STATUS_BAR, ID_VIEW_TOOLBAR,
};
const unsigned kNeedActive[] = {
  ID_FILE_CLOSE, ID_FILE_SAVE_AS, ID_FILE_SAVE_ALL, ID_FILE_PRINT, ID_WINDOWS_BUILD_LIST,
  ID_EDIT_SELECT_ALL, ID_WINDOWS_DUPLICATE, ID_VIEW_GO_TO_LINE, ID_WINDOWS_TILE_VERTICALLY,
  ID_WINDOWS_TILE_HORIZONTALLY, ID_WINDOWS_CASCADE, ID_WINDOWS_ARRANGE_ICONS, ID_WINDOWS_CLOSE_ALL,
};
const unsigned kNeedWritable[] = {
  ID_EDIT_UNDO, ID_EDIT_PASTE, ID_EDIT_DELETE, ID_EDIT_INSERT_FILE, ID_VIEW_OEM_TO_ANSI,
  ID_VIEW_ANSI_TO_OEM,
};
const unsigned kNeedWritableSelection[] = {ID_EDIT_CUT, ID_EDIT_SORT, ID_EDIT_LOWERCASE, ID_EDIT_UPPERCASE};
const unsigned kNeedSelection[] = {ID_EDIT_COPY, ID_EDIT_SAVE_SELECTION};
// clang-format on

void Add(std::vector<CommandItemState>& states, unsigned id, bool enabled, bool checked = false) {
  CommandItemState item;
  item.id = id;
  item.enabled = enabled;
  item.checked = checked;
  states.push_back(item);
}

void AddText(std::vector<CommandItemState>& states, unsigned id, bool enabled, const char* format, int n,
             const char* name) {
  char text[kPathLength + 16];
  std::snprintf(text, sizeof text, format, n, name);
  CommandItemState item;
  item.id = id;
  item.enabled = enabled;
  item.hasText = true;
  item.text = text;
  states.push_back(item);
}

}  // namespace

std::vector<CommandItemState> ComputeCommandState(const CommandStateInput& input) {
  static const EditorState kDefaults;
  const EditorState& state = input.state ? *input.state : kDefaults;
  const bool A = input.activeDocument;
  const Conditions c{A, A && input.hasSelection, A && input.readOnly, A && input.modified,
                     A && input.hasFile, input.findDialogOpen, state.ShowDate != 0 || state.ShowTime != 0};

  std::vector<CommandItemState> states;
  states.reserve(100);
  for (unsigned id : kAlwaysEnabled) {
    bool checked = false;
    if (id == ID_VIEW_TOOLBAR) checked = input.toolbarExists && state.ToolBar != 0;
    if (id == ID_VIEW_STATUS_BAR) checked = input.statusBarExists && state.Status != 0;
    if (id == ID_VIEW_ALWAYS_ON_TOP) checked = state.TopMost != 0;
    Add(states, id, true, checked);
  }
  for (unsigned id : kNeedActive) Add(states, id, c.A);
  Add(states, ID_FILE_PROPERTIES, c.A && c.F);
  Add(states, ID_FILE_SAVE, c.A && !c.R && c.M);
  Add(states, ID_FILE_DISCARD, c.A && !c.R && c.M && c.F);
  for (unsigned id : kNeedWritable) Add(states, id, c.A && !c.R);
  for (unsigned id : kNeedWritableSelection) Add(states, id, c.A && c.S && !c.R);
  for (unsigned id : kNeedSelection) Add(states, id, c.A && c.S);
  Add(states, ID_EDIT_INSERT_DATE, c.A && !c.R && c.T);
  Add(states, ID_EDIT_FIND, c.A && !c.D);
  Add(states, ID_EDIT_REPLACE, c.A && !c.R && !c.D);
  Add(states, ID_VIEW_REFRESH, c.A && c.F && !c.M);
  Add(states, ID_EDIT_READ_ONLY, c.A && c.F, c.A && c.F && c.R);
  Add(states, ID_VIEW_WORD_WRAP, c.A, c.A && input.wordWrap);
  Add(states, ID_VIEW_CUSTOMIZE_TOOLBAR, input.toolbarExists && state.ToolBar != 0);

  for (int n = 1; n <= kListSlots; ++n) {
    const char* path = state.recentFiles[n - 1];
    AddText(states, ID_FILE_RECENT_FIRST + n - 1, path[0] != '\0', "&%d  %s", n, path[0] ? path : "Unused");
  }
  for (int n = 1; n <= kListSlots; ++n) {
    const ToolEntry& tool = state.tools[n - 1];
    const bool named = tool.name[0] != '\0';
    AddText(states, ID_TOOL_FIRST + n - 1, !c.D && named && tool.active != 0, "&%d  %s...", n,
            named ? tool.name : "Undefined");
  }
  for (int n = 1; n <= kListSlots; ++n) {
    const MacroEntry& macro = state.macros[n - 1];
    const bool named = macro.name[0] != '\0';
    AddText(states, ID_MACRO_FIRST + n - 1, !c.D && named && macro.active != 0 && c.A, "&%d  %s...", n,
            named ? macro.name : "Undefined");
  }
  return states;
}

const CommandItemState* FindCommandState(const std::vector<CommandItemState>& states, unsigned id) {
  for (const CommandItemState& item : states) {
    if (item.id == id) return &item;
  }
  return nullptr;
}

}  // namespace editor
