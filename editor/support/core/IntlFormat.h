// Dates and times in the user's regional style without the system's locale formatting: the
// classic [Intl] settings (hour clock, separators, suffixes and date pictures) are turned into
// C-library strftime pieces and applied to one broken-down local time. Portable: the Windows
// side reads the settings from WIN.INI and the clock, and hands both in.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>

namespace support {

constexpr std::size_t kIntlTextLength = 255;    // "sTime", "s1159", "s2359" as read
constexpr std::size_t kIntlPictureLength = 80;  // "sShortDate", "sLongDate", "sDate" as read
constexpr std::size_t kIntlResultLength = 255;  // a date or time text (256-byte buffers)

// The [Intl] values with their defaults for missing keys. Longer texts are cut to the lengths
// above when used.
struct IntlSettings {
  int iTime = 0;    // 0: 12-hour clock
  int iTLZero = 0;  // 0: no leading zero on the hour
  std::string sTime = ":";
  std::string s1159;
  std::string s2359;
  std::string sShortDate = "mm/dd/yy";
  std::string sLongDate = "ddd, mmm d, yyyy";
  std::string sDate = "/";
};

// The time as hour, separator, minute and the suffix of its half of the day (the 24-hour clock
// takes "s2359" for every time). Separators and suffixes are literal text, "%" included. At
// most kIntlResultLength characters; empty for calendar fields out of range.
std::string FormatTimeText(const IntlSettings& intl, const std::tm& local);

// The date by the long or short picture: each token of the picture becomes a strftime piece by
// its first letter and length (pieces end in a blank that stays); other tokens are copied as
// they are; short dates put "sDate" between tokens. At most kIntlResultLength characters.
std::string FormatDateText(const IntlSettings& intl, const std::tm& local, bool longDate);

// Local calendar fields of `time`, or of now when it is null (the clock read once, so a date
// and a time made from the result belong to the same moment). False when the conversion fails.
bool LocalCalendarTime(const std::time_t* time, std::tm& local);

}  // namespace support
