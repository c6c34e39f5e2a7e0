#include "editor/app/core/ToolbarLayout.h"

#include <algorithm>
#include <array>

#include "resources/quillet_ids.h"

namespace editor {

namespace {

constexpr ToolbarEntry Separator() { return {0, 0, ToolbarEntryStyle::Separator}; }
constexpr ToolbarEntry Button(int image, int command) {
  return {image, command, ToolbarEntryStyle::Button};
}

// clang-format off
constexpr std::array<ToolbarEntry, kToolbarEntryCount> kToolbarEntries = {{
  // 0-11
  Separator(),
  Button(TOOLBAR_IMAGE_NEW, ID_FILE_NEW),
  Separator(),
  Button(TOOLBAR_IMAGE_OPEN, ID_FILE_OPEN),
  Button(TOOLBAR_IMAGE_SAVE, ID_FILE_SAVE),
  Separator(),
  Button(TOOLBAR_IMAGE_CLOSE, ID_FILE_CLOSE),
  Button(TOOLBAR_IMAGE_SAVE_AS, ID_FILE_SAVE_AS),
  Separator(),
  Button(TOOLBAR_IMAGE_PRINT, ID_FILE_PRINT),
  Button(TOOLBAR_IMAGE_PROPERTIES, ID_FILE_PROPERTIES),
  Separator(),
  // 12-24
  Button(TOOLBAR_IMAGE_UNDO, ID_EDIT_UNDO),
  Separator(),
  Button(TOOLBAR_IMAGE_CUT, ID_EDIT_CUT),
  Button(TOOLBAR_IMAGE_COPY, ID_EDIT_COPY),
  Button(TOOLBAR_IMAGE_PASTE, ID_EDIT_PASTE),
  Separator(),
  Button(TOOLBAR_IMAGE_DELETE, ID_EDIT_DELETE),
  Separator(),
  Button(TOOLBAR_IMAGE_CLIPBOARD, ID_EDIT_SHOW_CLIPBOARD),
  Separator(),
  Button(TOOLBAR_IMAGE_FIND, ID_EDIT_FIND),
  Button(TOOLBAR_IMAGE_REPLACE, ID_EDIT_REPLACE),
  Button(TOOLBAR_IMAGE_GO_TO, ID_VIEW_GO_TO_LINE),
  // 25-34
  Separator(),
  Button(TOOLBAR_IMAGE_TILE_VERTICALLY, ID_WINDOWS_TILE_VERTICALLY),
  Button(TOOLBAR_IMAGE_TILE_HORIZONTALLY, ID_WINDOWS_TILE_HORIZONTALLY),
  Button(TOOLBAR_IMAGE_CASCADE, ID_WINDOWS_CASCADE),
  Separator(),
  Button(TOOLBAR_IMAGE_FONT, ID_VIEW_DISPLAY_FONT),
  Button(TOOLBAR_IMAGE_OPTIONS, ID_FILE_OPTIONS),
  Separator(),
  Button(TOOLBAR_IMAGE_HELP, ID_HELP_CONTENTS),
  Button(TOOLBAR_IMAGE_ABOUT, ID_HELP_ABOUT),
  // 35-42: only through customisation
  Button(TOOLBAR_IMAGE_TOPMOST, ID_VIEW_ALWAYS_ON_TOP),
  Button(TOOLBAR_IMAGE_SORT, ID_EDIT_SORT),
  Button(TOOLBAR_IMAGE_SAVE_ALL, ID_FILE_SAVE_ALL),
  Button(TOOLBAR_IMAGE_CLOSE_ALL, ID_WINDOWS_CLOSE_ALL),
  Button(TOOLBAR_IMAGE_CHART, ID_WINDOWS_ASCII_CHART),
  Button(TOOLBAR_IMAGE_ERRORS, ID_WINDOWS_ERROR_CODES),
  Button(TOOLBAR_IMAGE_REFRESH, ID_VIEW_REFRESH),
  Button(TOOLBAR_IMAGE_TIMESTAMP, ID_EDIT_INSERT_DATE),
}};
// clang-format on

}  // namespace

const ToolbarEntry* ToolbarEntryAt(std::size_t index) {
  return index < kToolbarEntries.size() ? &kToolbarEntries[index] : nullptr;
}

const ToolbarEntry* FindToolbarButton(int command) {
  if (command == 0) return nullptr;
  for (const ToolbarEntry& entry : kToolbarEntries)
    if (entry.style == ToolbarEntryStyle::Button && entry.command == command) return &entry;
  return nullptr;
}

ToolbarLayout StandardToolbarLayout() {
  ToolbarLayout layout;
  for (std::size_t i = 0; i < kStandardToolbarEntryCount; ++i)
    layout.push_back(kToolbarEntries[i].command);
  return layout;
}

bool IsToolbarLayout(const ToolbarLayout& layout) {
  for (auto at = layout.begin(); at != layout.end(); ++at) {
    if (*at == 0) continue;
    if (!FindToolbarButton(*at) || std::find(layout.begin(), at, *at) != at) return false;
  }
  return true;
}

}  // namespace editor
