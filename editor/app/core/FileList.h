// Indirect file lists: plain text naming one file per line. Portable: no windows.h.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace editor {

// The file names a list file's content names, in order. The content is read as a text file
// (carriage return + line feed is one line end) in pieces of at most 255 characters, each piece
// counting as a line; empty lines and lines that begin with white space, "#" or ";" are
// comments.
std::vector<std::string> ParseFileList(std::string_view content);

// The text of a built list: each name followed by a carriage return and line feed, for any
// number of names.
std::string BuildFileListText(const std::vector<std::string>& names);

}  // namespace editor
