// Questions about files and the system that the editor asks without showing anything.
#pragma once

#include <windows.h>

#include <cstdint>

namespace support {

// 1 when a directory search finds the path; with `wantWritable`, 1 only when the file found also
// lacks the read-only attribute; else (and for a null path) 0.
int FileFound(const char* path, bool wantWritable);

// The file's size in bytes from the C library's file status (any size, over 4 GB too), or -1
// when the status cannot be read.
std::int64_t GetFileSizeByName(const char* path);

// 1 when the system's event log lets the program open an event source with an empty name on
// this machine (closed at once), else 0.
int ProbeEventSource();

// 0 when the dialog has no control `control`, else 1 after enabling or disabling it.
int EnableDlgItem(HWND dialog, int control, bool enable);

}  // namespace support
