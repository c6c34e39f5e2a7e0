#include "editor/app/SafeFileWrite.h"

#include <cstdio>
#include <string>

#include "common/win32/Handles.h"
#include "editor/app/Documents.h"
#include "editor/app/core/FileRules.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

namespace {

// The folder part of a path, separator included; empty for a bare name.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A new, empty, unshared file beside `path` with a short name (so that a path near the system's
// limit still has room for it).
win32::UniqueFile CreateTemporaryBeside(const std::string& path, std::string& tempPath, DWORD& code) {
  const std::string folder = FolderOf(path);
  const DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
  code = ERROR_FILE_EXISTS;
  for (DWORD attempt = 0; attempt < 64; ++attempt) {
    char name[16];
    std::snprintf(name, sizeof name, "~ql%04lx.tmp", static_cast<unsigned long>((seed + attempt * 7919u) & 0xFFFF));
    tempPath = folder + name;
    win32::UniqueFile file(CreateFileA(tempPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) return file;
    code = GetLastError();
    if (code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS) break;
  }
  tempPath.clear();
  return win32::UniqueFile();
}

// Writes everything, in pieces a DWORD can count; a write that moves nothing is a failure.
bool WriteAll(HANDLE file, std::string_view data, DWORD& code) {
  while (!data.empty()) {
    const DWORD ask = static_cast<DWORD>(data.size() < (1u << 30) ? data.size() : (1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, data.data(), ask, &written, nullptr)) {
      code = GetLastError();
      return false;
    }
    if (written == 0) {
      code = ERROR_WRITE_FAULT;
      return false;
    }
    data.remove_prefix(written);
  }
  return true;
}

// Fills the temporary file; the first failing step's message and code.
FileWriteResult FillTemporary(win32::UniqueFile& file, std::string_view data) {
  DWORD code = ERROR_SUCCESS;
  if (!WriteAll(file.get(), data, code)) return {MSG_FILE_WRITE_FAILED, code};
  if (!SetEndOfFile(file.get())) return {MSG_FILE_SET_EOF_FAILED, GetLastError()};
  if (!FlushFileBuffers(file.get())) return {MSG_FILE_FLUSH_FAILED, GetLastError()};
  if (!file.Close()) return {MSG_FILE_CLOSE_FAILED, GetLastError()};
  return {};
}

}  // namespace

FileWriteResult WriteFileSafely(const char* path, std::string_view data, bool backup) {
  const std::string target = path ? path : "";
  const DWORD attributes = GetFileAttributesA(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return {MSG_FILE_CREATE_FAILED, ERROR_ACCESS_DENIED};

  std::string tempPath;
  DWORD code = ERROR_SUCCESS;
  win32::UniqueFile temp = CreateTemporaryBeside(target, tempPath, code);
  if (!temp) return {MSG_FILE_CREATE_FAILED, code};
  const FileWriteResult filled = FillTemporary(temp, data);
  if (!filled) {
    temp.Close();
    DeleteFileA(tempPath.c_str());
    return filled;
  }

  const std::string backupName = BackupName(target);
  if (backup && exists) MakeBackup(target.c_str());
  const bool movedToBackup = backup && exists && GetFileAttributesA(target.c_str()) == INVALID_FILE_ATTRIBUTES;
  if (!MoveFileExA(tempPath.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    code = GetLastError();
    if (movedToBackup) MoveFileA(backupName.c_str(), target.c_str());
    DeleteFileA(tempPath.c_str());
    return {MSG_FILE_CREATE_FAILED, code};
  }
  if (exists) SetFileAttributesA(target.c_str(), attributes);
  return {};
}

bool ReportWriteFailure(HWND owner, const char* path, std::size_t length, const FileWriteResult& result) {
  if (result.message == MSG_FILE_SET_EOF_FAILED)
    support::InfoBox(owner, MSG_FILE_IO_TITLE, result.message, path, length, static_cast<int>(result.code));
  else
    support::InfoBox(owner, MSG_FILE_IO_TITLE, result.message, path, static_cast<int>(result.code));
  return false;
}

}  // namespace editor
