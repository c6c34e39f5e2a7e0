#include "editor/app/FileFilters.h"

#include <cstring>
#include <string_view>

#include "editor/app/EditorState.h"
#include "editor/app/core/OpenFilter.h"
#include "editor/support/Strings.h"

namespace editor {

std::string BuildOpenFilter(unsigned fallbackStringId) {
  std::string_view slots[kListSlots];
  bool anyFilter = false;
  for (int i = 0; i < kListSlots; ++i) {
    const char* slot = editorState.fileFilters[i];
    slots[i] = std::string_view(slot, strnlen(slot, kPathLength));
    anyFilter = anyFilter || !slots[i].empty();
  }
  // The fallback is fetched only when it is needed: a missing one is reported.
  const std::string fallback = anyFilter ? std::string() : support::GetString(fallbackStringId);
  return JoinOpenFilter(slots, kListSlots, fallback);
}

}  // namespace editor
