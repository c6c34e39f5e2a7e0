#include "editor/support/core/FileDetailsText.h"

#include <cstdio>
#include <cstring>

namespace support {

std::string FormatByteSize(std::uint32_t size) {
  char text[32];
  if (size < 1024u) {
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(size));
  } else if (size < 1048576u) {
    std::snprintf(text, sizeof text, "%.1f K", size / 1024.0);
  } else if (size < 1073741824u) {
    std::snprintf(text, sizeof text, "%.1f M", size / 1048576.0);
  } else {
    std::snprintf(text, sizeof text, "%.1f G", size / 1073741824.0);
  }
  std::string result = text;
  const std::size_t point = result.find(".0");
  if (point != std::string::npos) result.erase(point, 2);
  return result;
}

std::string FileSizeText(std::uint32_t size) {
  return FormatByteSize(size) + " Bytes (" + std::to_string(size) + ")";
}

std::string FormatFileTime(const CalendarFields& local) {
  static const char* const kWeekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
                                          "Saturday"};
  static const char* const kMonths[] = {"January", "February", "March", "April", "May", "June", "July",
                                        "August", "September", "October", "November", "December"};
  if (local.dayOfWeek < 0 || local.dayOfWeek > 6 || local.month < 1 || local.month > 12 || local.hour < 0 ||
      local.hour > 23 || local.minute < 0 || local.minute > 59 || local.day < 1 || local.day > 31 ||
      local.year < 0) {
    return {};
  }
  const int hour = local.hour == 0 ? 12 : local.hour > 12 ? local.hour - 12 : local.hour;
  char text[96];
  std::snprintf(text, sizeof text, "%s, %s %d, %d - %d:%02d %s", kWeekdays[local.dayOfWeek],
                kMonths[local.month - 1], local.day, local.year, hour, local.minute, local.hour < 12 ? "AM" : "PM");
  return text;
}

}  // namespace support
