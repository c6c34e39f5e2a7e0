#include "editor/support/FileWriter.h"

#include "common/win32/Handles.h"
#include "editor/support/MessageBoxes.h"
#include "editor/support/core/MessageTable.h"

namespace support {

namespace {

// Writes everything, in pieces a DWORD can count; a write that moves nothing is a failure.
bool WriteAll(HANDLE file, const void* data, std::size_t length, DWORD& code) {
  const auto* next = static_cast<const unsigned char*>(data);
  constexpr std::size_t kPiece = 1u << 30;
  while (length > 0) {
    const DWORD ask = static_cast<DWORD>(length < kPiece ? length : kPiece);
    DWORD written = 0;
    if (!WriteFile(file, next, ask, &written, nullptr)) {
      code = GetLastError();
      return false;
    }
    if (written == 0) {
      code = ERROR_WRITE_FAULT;
      return false;
    }
    next += written;
    length -= written;
  }
  return true;
}

}  // namespace

int WriteFileData(HWND owner, const char* path, const void* data, std::size_t length) {
  win32::WaitCursor wait;
  unsigned failure = 0;
  DWORD code = ERROR_SUCCESS;  // taken at the failing call, before anything else can change it
  {
    win32::UniqueFile file(CreateFileA(path ? path : "", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
      code = GetLastError();
      failure = MSG_FILE_CREATE_FAILED;
    } else {
      if (data && length > 0) {
        if (!WriteAll(file.get(), data, length, code)) {
          failure = MSG_FILE_WRITE_FAILED;
        } else if (!SetEndOfFile(file.get())) {
          code = GetLastError();
          failure = MSG_FILE_SET_EOF_FAILED;
        } else if (!FlushFileBuffers(file.get())) {
          code = GetLastError();
          failure = MSG_FILE_FLUSH_FAILED;
        }
      }
      if (!failure && !file.Close()) {
        code = GetLastError();
        failure = MSG_FILE_CLOSE_FAILED;
      }
    }  // after a failure the handle is closed here, once
  }
  wait.Restore();
  if (!failure) return 1;
  if (failure == MSG_FILE_SET_EOF_FAILED) return InfoBox(owner, MSG_FILE_IO_TITLE, failure, path, length, code);
  return InfoBox(owner, MSG_FILE_IO_TITLE, failure, path, code);
}

}  // namespace support
