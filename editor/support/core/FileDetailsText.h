// The size and time texts of the file properties box. Portable: the Windows side reads the
// directory entry and converts its times to local calendar fields.
#pragma once

#include <cstdint>
#include <string>

namespace support {

// A file size in bytes, K, M or G with one decimal, a ".0" dropped: 1023, "1 K", "1.5 K",
// "10 M".
std::string FormatByteSize(std::uint32_t size);

// The size line of the box: the short size, " Bytes", and the exact size: "1.5 K Bytes (1536)".
std::string FileSizeText(std::uint32_t size);

// Local calendar fields of a file time, as the system's calendar conversion gives them.
struct CalendarFields {
  int year = 1601;
  int month = 1;      // 1 to 12
  int dayOfWeek = 0;  // 0 Sunday to 6 Saturday
  int day = 1;
  int hour = 0;       // 0 to 23
  int minute = 0;
};

// "Monday, January 5, 1998 - 3:07 PM": English names whatever the user's language, a 12-hour
// clock (hour 0 shows as 12). Empty for fields out of range.
std::string FormatFileTime(const CalendarFields& local);

}  // namespace support
