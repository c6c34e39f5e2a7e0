#include "ToolbarLayout.h"

#include <algorithm>
#include <array>

#include "quillet_ids.h"

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

// Ids that are longer than any command cannot be one.
constexpr std::size_t kMaxIdDigits = 6;

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

std::string EncodeToolbarLayout(const ToolbarLayout& layout) {
  std::string text;
  const std::size_t count = std::min(layout.size(), kMaxToolbarLayoutEntries);
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) text += ',';
    text += std::to_string(layout[i]);
  }
  return text;
}

std::optional<ToolbarLayout> ParseToolbarLayout(const char* text) {
  if (!text) return std::nullopt;
  ToolbarLayout layout;
  if (*text == '\0') return layout;
  const char* cursor = text;
  for (;;) {
    long value = 0;
    std::size_t digits = 0;
    while (*cursor >= '0' && *cursor <= '9') {
      if (++digits > kMaxIdDigits) return std::nullopt;
      value = value * 10 + (*cursor - '0');
      ++cursor;
    }
    if (digits == 0) return std::nullopt;
    const int command = static_cast<int>(value);
    if (command != 0) {
      if (!FindToolbarButton(command)) return std::nullopt;
      if (std::find(layout.begin(), layout.end(), command) != layout.end()) return std::nullopt;
    }
    if (layout.size() == kMaxToolbarLayoutEntries) return std::nullopt;
    layout.push_back(command);
    if (*cursor == '\0') return layout;
    if (*cursor != ',') return std::nullopt;
    ++cursor;
  }
}
