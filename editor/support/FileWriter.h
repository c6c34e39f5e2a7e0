// The library's one whole-file writer; its failures are reported in "File I/O Error" boxes.
#pragma once

#include <windows.h>

#include <cstddef>

namespace support {

// Creates or replaces `path` (unshared, normal attributes) and writes `length` bytes of `data`
// into it (nothing when either is missing: the file is then empty). Returns 1 on success. On
// failure shows the notice box titled 60020 with message 60026 (create), 60037 (write), 60041
// (end of file, with the bytes written), 60040 (flush) or 60042 (close), the path and the error
// code of the call that failed, and returns 0. The file is closed exactly once on every path.
int WriteFileData(HWND owner, const char* path, const void* data, std::size_t length);

}  // namespace support
