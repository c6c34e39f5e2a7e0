#include "editor/app/core/RecentFiles.h"

#include <cstring>

#include "editor/support/core/SafeFormat.h"

namespace editor {

namespace {

// Upper case of a letter of code page 1252; other bytes as they are.
unsigned char FoldCase(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A:  // s caron
    case 0x9C:  // oe
    case 0x9E:  // z caron
      return static_cast<unsigned char>(c - 16);
    case 0xFF:  // y diaeresis
      return 0x9F;
    default:
      return c;
  }
}

}  // namespace

bool SameFileName(const char* a, const char* b) {
  for (;; ++a, ++b) {
    if (FoldCase(static_cast<unsigned char>(*a)) != FoldCase(static_cast<unsigned char>(*b))) return false;
    if (*a == '\0') return true;
  }
}

void AddRecentFile(RecentFileSlots& slots, const char* name) {
  if (!name || !*name) return;
  char entry[kPathLength] = {};
  support::CopyText(entry, sizeof entry, name);  // the name may be one of the slots
  int found = kListSlots - 1;                     // not listed: the last slot makes room
  for (int slot = 0; slot < kListSlots; ++slot) {
    if (slots[slot][0] && SameFileName(slots[slot], entry)) {
      found = slot;
      break;
    }
  }
  std::memmove(slots[1], slots[0], static_cast<std::size_t>(found) * kPathLength);
  std::memcpy(slots[0], entry, sizeof entry);
}

void RemoveRecentFile(RecentFileSlots& slots, int index) {
  if (index < 0 || index >= kListSlots) return;
  std::memmove(slots[index], slots[index + 1], static_cast<std::size_t>(kListSlots - 1 - index) * kPathLength);
  std::memset(slots[kListSlots - 1], 0, kPathLength);
}

}  // namespace editor
