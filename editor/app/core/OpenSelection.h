// The names an Open dialog that allows several files hands back. Portable: no windows.h.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace editor {

// The full paths in a multi-select result of `size` bytes: one string when a single file was
// chosen (its full path), else a folder followed by names. A string that holds a "\" is the
// folder (a trailing "\" is removed); every other string is a name joined to it as folder\name.
// The list ends at an empty string or at the end of the buffer.
std::vector<std::string> SplitOpenSelection(const char* buffer, std::size_t size);

}  // namespace editor
