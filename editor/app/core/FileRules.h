// Rules about document files that need no Win32: the size a document may have, backup names
// and file names from window titles. Portable: no windows.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace editor {

// The edit control's text limit, in characters.
constexpr std::uint64_t kDocumentTextLimit = 0xA00000;

// A file of `size` bytes is too large to load when size + 1 reaches the limit: 10,485,758 bytes
// is the largest file that loads. Any 64-bit size is answered without overflow.
bool FileTooLargeToLoad(std::uint64_t size);

// Inserting `insertLength` characters into a document of `documentLength` would make a document
// too large to load again (the same rule on the sum, without overflow).
bool InsertWouldExceedLimit(std::uint64_t documentLength, std::uint64_t insertLength);

// The backup name of a file: the path with the extension of its file name (from the name's last
// "." on) replaced by ".bak", or ".bak" appended when the name has none. A dot in a folder name
// is not an extension. Separators are "\", "/" and the ":" of a drive.
std::string BackupName(std::string_view path);

// True when the file is its own backup name (notes.bak, NOTES.BAK): backing it up would move the
// file onto itself.
bool IsOwnBackup(std::string_view path);

// A document window's title without the one trailing "*" that marks it modified.
std::string TitleToFileName(std::string_view title);

}  // namespace editor
