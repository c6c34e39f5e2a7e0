#include "editor/app/core/FileList.h"

#include <cctype>

namespace editor {

namespace {

constexpr std::size_t kPieceLength = 255;

void TakePiece(const std::string& piece, std::vector<std::string>& names) {
  const std::string line = piece.substr(0, piece.find('\n'));
  if (line.empty()) return;
  const unsigned char first = static_cast<unsigned char>(line[0]);
  if (std::isspace(first) || first == '#' || first == ';') return;
  names.push_back(line);
}

}  // namespace

std::vector<std::string> ParseFileList(std::string_view content) {
  std::vector<std::string> names;
  std::string piece;
  for (std::size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    const bool lineEnd = c == '\r' && (i + 1 == content.size() || content[i + 1] == '\n');
    if (lineEnd) continue;  // text reading drops the return of a line end (and one at the end)
    piece += c;
    if (c == '\n' || piece.size() == kPieceLength) {
      TakePiece(piece, names);
      piece.clear();
    }
  }
  if (!piece.empty()) TakePiece(piece, names);
  return names;
}

std::string BuildFileListText(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) {
    text += name;
    text += "\r\n";
  }
  return text;
}

}  // namespace editor
