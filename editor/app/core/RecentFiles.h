// The File menu's nine recent files: slot 1 (index 0) is the most recent, an empty text is a
// free slot. Portable: no windows.h.
#pragma once

#include "editor/app/core/EditorRecords.h"

namespace editor {

using RecentFileSlots = char[kListSlots][kPathLength];

// Whether two file names are the same name in any letter case (the letters of the ANSI code
// page's Latin alphabet included).
bool SameFileName(const char* a, const char* b);

// Puts `name` (at most 255 characters kept) into slot 1. A name already listed, in any letter
// case, moves up from its slot and takes the new letter case; a new name pushes every entry
// down and the one in slot 9 drops off. An empty name changes nothing.
void AddRecentFile(RecentFileSlots& slots, const char* name);

// Empties slot `index` (0 to 8): every later entry moves up by one and slot 9 becomes free.
void RemoveRecentFile(RecentFileSlots& slots, int index);

}  // namespace editor
