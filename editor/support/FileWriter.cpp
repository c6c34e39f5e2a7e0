#include "FileWriter.h"

#include "MessageBoxes.h"
#include "MessageTable.h"
#include "SupportHandles.h"

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
  WaitCursor wait;
  unsigned failure = 0;
  DWORD code = ERROR_SUCCESS;  // taken at the failing call, before anything else can change it
  {
    FileHandle file(CreateFileA(path ? path : "", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
      code = GetLastError();
      failure = kMsgFileCreate;
    } else {
      if (data && length > 0) {
        if (!WriteAll(file.get(), data, length, code)) {
          failure = kMsgFileWrite;
        } else if (!SetEndOfFile(file.get())) {
          code = GetLastError();
          failure = kMsgFileSetEof;
        } else if (!FlushFileBuffers(file.get())) {
          code = GetLastError();
          failure = kMsgFileFlush;
        }
      }
      if (!failure && !file.Close()) {
        code = GetLastError();
        failure = kMsgFileClose;
      }
    }  // after a failure the handle is closed here, once
  }
  wait.Restore();
  if (!failure) return 1;
  if (failure == kMsgFileSetEof) return InfoBox(owner, kMsgFileIoTitle, failure, path, length, code);
  return InfoBox(owner, kMsgFileIoTitle, failure, path, code);
}
