#include "editor/support/FileTests.h"

#include <sys/stat.h>

namespace support {

int FileFound(const char* path, bool wantWritable) {
  if (!path) return 0;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  FindClose(search);
  if (wantWritable && (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY)) return 0;
  return 1;
}

std::int64_t GetFileSizeByName(const char* path) {
  if (!path) return -1;
  struct _stat64 status;
  if (_stat64(path, &status) != 0) return -1;
  return static_cast<std::int64_t>(status.st_size);
}

int ProbeEventSource() {
  HANDLE source = RegisterEventSourceA(nullptr, "");
  if (!source) return 0;
  DeregisterEventSource(source);
  return 1;
}

int EnableDlgItem(HWND dialog, int control, bool enable) {
  HWND item = dialog ? GetDlgItem(dialog, control) : nullptr;
  if (!item) return 0;
  EnableWindow(item, enable ? TRUE : FALSE);
  return 1;
}

}  // namespace support
