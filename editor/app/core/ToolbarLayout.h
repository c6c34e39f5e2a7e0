// The toolbar's button table and the rule for a layout the toolbar may show. Portable: no
// windows.h.
//
// A layout is the toolbar's buttons from left to right as command ids, 0 for a separator.
#pragma once

#include <cstddef>
#include <vector>

namespace editor {

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

// The table entry at `index` (below kToolbarEntryCount), or null.
const ToolbarEntry* ToolbarEntryAt(std::size_t index);
// The button entry of `command`, or null for 0 and for commands without a button.
const ToolbarEntry* FindToolbarButton(int command);

using ToolbarLayout = std::vector<int>;

// The standard toolbar: the first 35 table entries.
ToolbarLayout StandardToolbarLayout();

// Whether the toolbar may show `layout`: separators (0) and buttons of the table, each button
// at most once.
bool IsToolbarLayout(const ToolbarLayout& layout);

}  // namespace editor
