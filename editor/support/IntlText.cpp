#include "editor/support/IntlText.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace support {

namespace {

constexpr const char* kIntl = "Intl";

std::string ProfileText(const char* key, const char* fallback, std::size_t length) {
  char value[kIntlTextLength + 1] = "";
  GetProfileStringA(kIntl, key, fallback, value, static_cast<DWORD>(length + 1));
  return value;
}

char timeBuffer[kIntlResultLength + 1];
char dateBuffer[kIntlResultLength + 1];

const char* Deliver(const std::string& text, char (&buffer)[kIntlResultLength + 1], char* output) {
  const std::size_t length = text.size() < kIntlResultLength ? text.size() : kIntlResultLength;
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  if (!output) return buffer;
  std::memcpy(output, buffer, length + 1);
  return output;
}

}  // namespace

IntlSettings ReadIntlSettings() {
  IntlSettings intl;
  intl.iTime = static_cast<int>(GetProfileIntA(kIntl, "iTime", 0));
  intl.iTLZero = static_cast<int>(GetProfileIntA(kIntl, "iTLZero", 0));
  intl.sTime = ProfileText("sTime", ":", kIntlTextLength);
  intl.s1159 = ProfileText("s1159", "", kIntlTextLength);
  intl.s2359 = ProfileText("s2359", "", kIntlTextLength);
  intl.sShortDate = ProfileText("sShortDate", "mm/dd/yy", kIntlPictureLength);
  intl.sLongDate = ProfileText("sLongDate", "ddd, mmm d, yyyy", kIntlPictureLength);
  intl.sDate = ProfileText("sDate", "/", kIntlPictureLength);
  return intl;
}

const char* FormatTimeText(const std::time_t* time, char* output) {
  std::tm local = {};
  const std::string text = LocalCalendarTime(time, local) ? FormatTimeText(ReadIntlSettings(), local) : std::string();
  return Deliver(text, timeBuffer, output);
}

const char* FormatDateText(const std::time_t* time, bool longDate, char* output) {
  std::tm local = {};
  const std::string text =
      LocalCalendarTime(time, local) ? FormatDateText(ReadIntlSettings(), local, longDate) : std::string();
  return Deliver(text, dateBuffer, output);
}

}  // namespace support
