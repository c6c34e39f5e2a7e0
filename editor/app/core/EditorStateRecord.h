// EditorState: the editor's one application-state record. Every persisted option, the lists,
// the remembered window positions and a few run-time flags. Portable: no windows.h.
// Field order follows the record's layout; option fields carry their registry value names.
#pragma once

#include <cstdint>

#include "editor/app/core/EditorRecords.h"
#include "editor/support/core/Placement.h"

namespace editor {

struct EditorState {
  char currentFileName[kPathLength] = "";    // "Options" "FileSpec"
  std::int32_t commandLineFile = 0;          // run-time: a file name came on the command line
  support::PlacementRecord windowPlacement;  // "DeskTop\Window": the frame
  std::int32_t ToolBar = 1;
  std::int32_t Status = 1;
  std::int32_t Tips = 1;
  std::int32_t TopMost = 0;
  std::int32_t LtGray = 0;
  std::int32_t Sounds = 1;
  std::int32_t TaskTray = 0;
  std::int32_t ReadOnly = 0;
  std::int32_t LoadLast = 0;
  std::int32_t NewDoc = 1;
  std::int32_t Maximized = 1;
  std::int32_t Backup = 1;
  std::int32_t Splash = 1;
  std::int32_t Tabs = 4;                     // 0 or above 16 reads as 4
  std::int32_t FromTop = 0;                  // "Options\Search"
  std::int32_t MatchCase = 0;
  std::int32_t WholeWords = 0;
  std::int32_t sysEditSwitch = 0;            // run-time: open the SysEdit files at start
  std::int32_t AutoSave = 0;
  std::int32_t listFlag = 0;                 // run-time: an indirect list is being opened
  std::int32_t replaceMode = 0;              // run-time: the find dialog is the replace dialog
  std::int32_t WordWrap = 0;
  std::int32_t openMaximised = 0;            // run-time: new documents open maximised
  std::int32_t ShowDate = 1;                 // "Options\TimeStamp"
  std::int32_t LongDate = 1;
  std::int32_t ShowTime = 1;
  std::int32_t DateFirst = 1;
  std::int32_t Ascending = 1;                // "Options\Sort"
  std::int32_t IgnoreCase = 1;
  std::int32_t sortFirstLine = 0;            // run-time
  std::int32_t sortLastLine = 0;             // run-time
  support::PlacementRecord sortPlacement;    // "DeskTop\Sort"
  ShellItemChoices shellItems;               // Explorer page; createStartMenu is the setup flag
  PageSetup pageSetup;                       // "Options\PageSetup"
  support::PlacementRecord findPlacement;    // "DeskTop\Find"
  support::PlacementRecord replacePlacement;  // "DeskTop\Replace"
  support::PlacementRecord goToPlacement;    // "DeskTop\GoTo"
  support::PlacementRecord optionsPlacement;  // "DeskTop\Options": the options sheet
  support::PlacementRecord errorsPlacement;  // "DeskTop\Errors"; show holds its topmost state
  support::PlacementRecord asciiPlacement;   // "DeskTop\ASCII"; show holds its topmost state
  char findText[kPathLength] = "";           // "Options\Search" "Find"
  char replaceText[kPathLength] = "";        // "Options\Search" "Replace"
  char recentFiles[kListSlots][kPathLength] = {};  // "Files\Open" "Open1".."Open9"
  char sysEditFiles[kListSlots][kPathLength] = {};  // "Files\AutoLoad" "Load1".."Load9"
  char fileFilters[kListSlots][kPathLength] = {};  // "Files\FileFilter" "Filter1".."Filter9"
  ToolEntry tools[kListSlots];
  MacroEntry macros[kListSlots];
};

// The setup flag is the first field of the Explorer choices.
inline std::int32_t& SetupFlag(EditorState& state) { return state.shellItems.createStartMenu; }

}  // namespace editor
