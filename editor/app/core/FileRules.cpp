#include "editor/app/core/FileRules.h"

#include <cctype>

namespace editor {

namespace {

// Where the file name starts: after the last separator.
std::size_t FileNameStart(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\/:");
  return separator == std::string_view::npos ? 0 : separator + 1;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

}  // namespace

bool FileTooLargeToLoad(std::uint64_t size) { return size >= kDocumentTextLimit - 1; }

bool InsertWouldExceedLimit(std::uint64_t documentLength, std::uint64_t insertLength) {
  if (documentLength >= kDocumentTextLimit || insertLength >= kDocumentTextLimit) return true;
  return FileTooLargeToLoad(documentLength + insertLength);  // both below the limit: no overflow
}

std::string BackupName(std::string_view path) {
  const std::size_t nameStart = FileNameStart(path);
  const std::size_t dot = path.rfind('.');
  const std::size_t stemEnd = (dot != std::string_view::npos && dot >= nameStart) ? dot : path.size();
  std::string name(path.substr(0, stemEnd));
  name += ".bak";
  return name;
}

bool IsOwnBackup(std::string_view path) { return SameIgnoringCase(BackupName(path), path); }

std::string TitleToFileName(std::string_view title) {
  if (!title.empty() && title.back() == '*') title.remove_suffix(1);
  return std::string(title);
}

}  // namespace editor
