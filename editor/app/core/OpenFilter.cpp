#include "editor/app/core/OpenFilter.h"

#include "editor/support/core/FilterText.h"

namespace editor {

std::string JoinOpenFilter(const std::string_view* slots, std::size_t count, std::string_view fallback) {
  std::string joined;
  for (std::size_t i = 0; i < count; ++i) joined += slots[i];
  if (joined.empty()) {
    joined = fallback;
  } else {
    joined += kAllFilesFilter;
  }
  return support::ToSystemFilter(joined);
}

}  // namespace editor
