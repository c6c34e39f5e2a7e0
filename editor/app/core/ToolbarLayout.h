// The toolbar's button table and the text form of a toolbar layout kept in the settings.
// Portable: no windows.h.
//
// A layout is the toolbar's buttons from left to right as command ids, 0 for a separator. Its
// text form is the ids in decimal separated by commas ("0,101,0,102,110"); the empty text is a
// toolbar without buttons.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

enum class ToolbarEntryStyle { Button, Separator };

// One entry of the button table: image in the toolbar strip, command, style. Every entry starts
// enabled. Separators carry image 0 and command 0.
struct ToolbarEntry {
  int image;
  int command;
  ToolbarEntryStyle style;
};

// The whole table; the first kStandardToolbarEntryCount entries form the standard toolbar, the
// rest are offered only by customisation.
constexpr std::size_t kToolbarEntryCount = 43;
constexpr std::size_t kStandardToolbarEntryCount = 35;
// A layout longer than this (customisation lets the user add any number of separators) is cut
// to it when stored, so that its text always fits the buffer it is read back into.
constexpr std::size_t kMaxToolbarLayoutEntries = 128;
constexpr std::size_t kToolbarLayoutTextCapacity = 1024;

// The table entry at `index` (below kToolbarEntryCount), or null.
const ToolbarEntry* ToolbarEntryAt(std::size_t index);
// The button entry of `command`, or null for 0 and for commands without a button.
const ToolbarEntry* FindToolbarButton(int command);

using ToolbarLayout = std::vector<int>;

// The standard toolbar: the first 35 table entries.
ToolbarLayout StandardToolbarLayout();

// The text form of a layout (at most kMaxToolbarLayoutEntries entries are written).
std::string EncodeToolbarLayout(const ToolbarLayout& layout);

// The layout of a text form, or nothing when the text is not one: anything but decimal ids and
// single commas, an id without a button, a button named twice, or too many entries.
std::optional<ToolbarLayout> ParseToolbarLayout(const char* text);
