#include "editor/support/core/IntlFormat.h"

#include <vector>

#include "editor/support/core/Tokens.h"

namespace support {

namespace {

// strftime rejects (or, in some runtimes, aborts on) fields out of range; such a time gives an
// empty text instead.
bool CalendarFieldsValid(const std::tm& t) {
  return t.tm_min >= 0 && t.tm_min <= 59 && t.tm_hour >= 0 && t.tm_hour <= 23 && t.tm_mday >= 1 &&
         t.tm_mday <= 31 && t.tm_mon >= 0 && t.tm_mon <= 11 && t.tm_wday >= 0 && t.tm_wday <= 6 &&
         t.tm_year >= -1900 && t.tm_year <= 8099;
}

// One strftime conversion; every format used here yields a few dozen characters at most.
std::string Strftime(const char* format, const std::tm& local) {
  char buffer[96];
  const std::size_t length = std::strftime(buffer, sizeof buffer, format, &local);
  return std::string(buffer, length);
}

std::string Cut(std::string text, std::size_t length) {
  if (text.size() > length) text.resize(length);
  return text;
}

std::string WithoutLeadingZero(std::string text) {
  if (!text.empty() && text[0] == '0') text.erase(0, 1);
  return text;
}

// The piece of one picture token: d/D day, m/M month, y/Y year, by the token's length.
std::string DatePiece(const std::string& token, const std::tm& local) {
  const std::size_t length = token.size();
  switch (token[0]) {
    case 'd':
    case 'D':
      if (length == 2) return Strftime("%d ", local);
      if (length == 3) return Strftime("%a ", local);
      if (length == 4) return Strftime("%A ", local);
      return WithoutLeadingZero(Strftime("%d ", local));
    case 'm':
    case 'M':
      if (length == 2) return Strftime("%m ", local);
      if (length == 3) return Strftime("%b ", local);
      if (length == 4) return Strftime("%B ", local);
      return WithoutLeadingZero(Strftime("%m ", local));
    case 'y':
    case 'Y':
      return Strftime(length == 4 ? "%Y " : "%y ", local);
    default:
      return token;
  }
}

}  // namespace

std::string FormatTimeText(const IntlSettings& intl, const std::tm& local) {
  if (!CalendarFieldsValid(local)) return {};
  const bool twentyFourHours = intl.iTime != 0;
  std::string text = Strftime(twentyFourHours ? "%H" : "%I", local);
  text += Cut(intl.sTime, kIntlTextLength);
  text += Strftime("%M", local);
  const std::string& suffix = twentyFourHours || local.tm_hour >= 12 ? intl.s2359 : intl.s1159;
  if (!suffix.empty()) text += ' ' + Cut(suffix, kIntlTextLength);
  if (intl.iTLZero == 0) text = WithoutLeadingZero(text);
  return Cut(text, kIntlResultLength);
}

std::string FormatDateText(const IntlSettings& intl, const std::tm& local, bool longDate) {
  if (!CalendarFieldsValid(local)) return {};
  const std::string separator = Cut(intl.sDate, kIntlPictureLength);
  const std::string delimiters = longDate ? "', " : separator;
  const std::string picture = Cut(longDate ? intl.sLongDate : intl.sShortDate, kIntlPictureLength);
  std::vector<char> buffer(picture.begin(), picture.end());
  buffer.push_back('\0');

  std::string text;
  char* position = nullptr;
  for (char* token = NextToken(buffer.data(), delimiters.c_str(), position);
       token && text.size() < kIntlResultLength;
       token = NextToken(nullptr, delimiters.c_str(), position)) {
    if (!longDate && !text.empty()) text += separator;
    text += DatePiece(token, local);
  }
  return Cut(text, kIntlResultLength);
}

bool LocalCalendarTime(const std::time_t* time, std::tm& local) {
  const std::time_t moment = time ? *time : std::time(nullptr);
  const std::tm* fields = std::localtime(&moment);  // the editor has one thread
  if (!fields) return false;
  local = *fields;
  return true;
}

}  // namespace support
