// Writing a whole file so that a failure never costs the file on disk: the new text goes to a
// temporary file in the same folder, is flushed, and only then replaces the file.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

namespace editor {

// How a write ended: `message` is 0 on success, else the id of the failing step's text (create
// 60026, write 60037, end of file 60041, flush 60040, close 60042) with the system code.
struct FileWriteResult {
  unsigned message = 0;
  DWORD code = ERROR_SUCCESS;
  explicit operator bool() const { return message == 0; }
};

// Replaces `path` with `data`. A file with the read-only attribute (or a folder) is refused as a
// create failure with ERROR_ACCESS_DENIED before anything is written. With `backup` the previous
// file becomes its backup (MakeBackup) once the new text is safely on disk. The replaced file
// keeps its attributes. On any failure the file and its backup are as they were.
FileWriteResult WriteFileSafely(const char* path, std::string_view data, bool backup);

// The "File I/O Error" box for a failed write of `path` (`length` bytes): returns false.
bool ReportWriteFailure(HWND owner, const char* path, std::size_t length, const FileWriteResult& result);

}  // namespace editor
