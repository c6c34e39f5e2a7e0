// The Open dialog's filter list from the nine file filter slots ("Text Files|*.txt;*.log|").
// Portable: no windows.h.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace editor {

// What is appended after the slots when any of them holds a filter.
constexpr std::string_view kAllFilesFilter = "All Files|*.*|";

// The slots joined in order, followed by "All Files|*.*|"; when every slot is empty, the
// fallback text instead. Then in the system's form (ToSystemFilter): empty when the slots and
// the fallback are all empty.
std::string JoinOpenFilter(const std::string_view* slots, std::size_t count, std::string_view fallback);

}  // namespace editor
