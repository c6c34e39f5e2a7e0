// Owning wrappers for the handles the support library opens: each is released exactly once.
#pragma once

#include <windows.h>

#include <utility>

// An open registry key, closed when the wrapper goes.
class RegistryKey {
 public:
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }

  HKEY get() const { return key_; }
  // For the Reg...Ex calls that hand out a key; the wrapper must be empty.
  HKEY* receive() { return &key_; }
  explicit operator bool() const { return key_ != nullptr; }

 private:
  HKEY key_ = nullptr;
};

// A file handle from CreateFile. Close() closes it and reports the result; after Close() the
// wrapper holds nothing, so the handle is never closed twice.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  bool Close() {
    if (!valid()) return true;
    const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
    return CloseHandle(handle) != FALSE;
  }

 private:
  HANDLE handle_;
};

// Memory the system allocated with LocalAlloc on the caller's behalf (FormatMessage).
class LocalMemory {
 public:
  LocalMemory() = default;
  LocalMemory(const LocalMemory&) = delete;
  LocalMemory& operator=(const LocalMemory&) = delete;
  ~LocalMemory() {
    if (memory_) LocalFree(memory_);
  }
  char* get() const { return memory_; }
  char** receive() { return &memory_; }

 private:
  char* memory_ = nullptr;
};

// Shows the wait cursor until the guard goes or Restore() is called.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor() { Restore(); }
  void Restore() {
    if (active_) SetCursor(previous_);
    active_ = false;
  }

 private:
  HCURSOR previous_;
  bool active_ = true;
};
