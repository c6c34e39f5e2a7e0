#include "editor/app/core/FrameRules.h"

#include "resources/quillet_ids.h"

namespace editor {

CommandOwner ClassifyCommand(unsigned id) {
  if ((id >= ID_FILE_RECENT_FIRST && id <= ID_FILE_RECENT_LAST) || (id >= ID_TOOL_FIRST && id <= ID_TOOL_LAST))
    return CommandOwner::Frame;
  if (id >= ID_MACRO_FIRST && id <= ID_MACRO_LAST) return CommandOwner::Document;
  switch (id) {
    // clang-format off
    case ID_FILE_NEW: case ID_FILE_OPEN: case ID_FILE_SAVE_ALL: case ID_FILE_PAGE_SETUP:
    case ID_FILE_PRINTER_SETUP: case ID_FILE_OPTIONS: case ID_FILE_EXIT:
    case ID_EDIT_FIND: case ID_EDIT_REPLACE: case ID_EDIT_SHOW_CLIPBOARD:
    case ID_VIEW_TOOLBAR: case ID_VIEW_STATUS_BAR: case ID_VIEW_CUSTOMIZE_TOOLBAR:
    case ID_VIEW_DISPLAY_FONT: case ID_VIEW_PRINTER_FONT: case ID_VIEW_MINIMIZE: case ID_VIEW_ALWAYS_ON_TOP:
    case ID_TOOLS_CUSTOMIZE: case ID_MACROS_CUSTOMIZE:
    case ID_WINDOWS_TILE_VERTICALLY: case ID_WINDOWS_TILE_HORIZONTALLY: case ID_WINDOWS_CASCADE:
    case ID_WINDOWS_ARRANGE_ICONS: case ID_WINDOWS_CLOSE_ALL: case ID_WINDOWS_OPEN_LIST:
    case ID_WINDOWS_BUILD_LIST: case ID_WINDOWS_ERROR_CODES: case ID_WINDOWS_ASCII_CHART:
    case ID_WINDOWS_SYSEDIT_FILES:
    case ID_HELP_CONTENTS: case ID_HELP_SEARCH: case ID_HELP_HOW_TO_USE: case ID_HELP_SETUP: case ID_HELP_ABOUT:
      return CommandOwner::Frame;
    case ID_FILE_PROPERTIES: case ID_FILE_CLOSE: case ID_FILE_SAVE: case ID_FILE_SAVE_AS: case ID_FILE_DISCARD:
    case ID_FILE_PRINT:
    case ID_EDIT_UNDO: case ID_EDIT_CUT: case ID_EDIT_COPY: case ID_EDIT_PASTE: case ID_EDIT_DELETE:
    case ID_EDIT_SELECT_ALL: case ID_EDIT_SAVE_SELECTION: case ID_EDIT_INSERT_FILE: case ID_EDIT_INSERT_DATE:
    case ID_EDIT_SORT: case ID_EDIT_LOWERCASE: case ID_EDIT_UPPERCASE: case ID_EDIT_READ_ONLY:
    case ID_VIEW_WORD_WRAP: case ID_VIEW_GO_TO_LINE: case ID_VIEW_OEM_TO_ANSI: case ID_VIEW_ANSI_TO_OEM:
    case ID_VIEW_REFRESH: case ID_WINDOWS_DUPLICATE:
      return CommandOwner::Document;
    // clang-format on
    default:
      return CommandOwner::Default;
  }
}

StartUpOpening ChooseStartUpOpening(const EditorState& state, bool currentFileExists) {
  if (state.commandLineFile && currentFileExists) return StartUpOpening::CommandLineFile;
  if (state.sysEditSwitch) return StartUpOpening::SysEditFiles;
  if (state.listFlag) return StartUpOpening::FileList;
  if (state.LoadLast && state.currentFileName[0] != '\0' && currentFileExists) return StartUpOpening::LastFile;
  if (state.NewDoc) return StartUpOpening::NewDocument;
  return StartUpOpening::Nothing;
}

}  // namespace editor
