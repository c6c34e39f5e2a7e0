// The fixed-size records kept inside EditorState: page setup, shell shortcut choices, tools and
// macros. Portable: no windows.h, so the state rules can be tested natively.
#pragma once

#include <cstdint>

#include "editor/support/core/Placement.h"

namespace editor {

constexpr int kListSlots = 9;            // recent files, SysEdit files, filters, tools, macros
constexpr int kPathLength = 256;         // paths and list entries, terminator included
constexpr int kEntryNameLength = 36;     // tool and macro names (35 characters)
constexpr int kMacroTextLength = 2048;   // macro texts (2,047 characters)

// How documents are printed; margins in thousandths of an inch. `position` is where the options
// sheet stands while the Printing page is shown; it is not stored with the page setup.
struct PageSetup {
  std::int32_t leftMargin = 500;
  std::int32_t topMargin = 500;
  std::int32_t rightMargin = 500;
  std::int32_t bottomMargin = 500;
  char header[kPathLength] = "File: $F - $D - $T";
  char footer[kPathLength] = "- Page $P -";
  std::int32_t showHeader = 1;
  std::int32_t centerHeader = 1;
  std::int32_t showFooter = 1;
  std::int32_t centerFooter = 1;
  std::int32_t landscape = 0;
  support::PlacementRecord* position = nullptr;
};

// The Explorer page's working choices (never stored). `createStartMenu` is first: the "/setup"
// argument sets it before the options sheet opens.
struct ShellItemChoices {
  std::int32_t createStartMenu = 0;
  std::int32_t removeStartMenu = 0;
  std::int32_t createDesktop = 0;
  std::int32_t removeDesktop = 0;
  std::int32_t createStartup = 0;
  std::int32_t removeStartup = 0;
  support::PlacementRecord* position = nullptr;
};

// One user tool: "Tools\Tool-%02d".
struct ToolEntry {
  std::int32_t active = 0;
  char name[kEntryNameLength] = "";
  char program[kPathLength] = "";
  char command[kPathLength] = "";
  char folder[kPathLength] = "";
  std::int32_t launch = 0;
  std::int32_t hide = 0;
  std::int32_t save = 0;
};

// One text macro: "Options\Macros\Macro%d".
struct MacroEntry {
  std::int32_t active = 0;
  char name[kEntryNameLength] = "";
  char text[kMacroTextLength] = "";
};

}  // namespace editor
