#include "editor/support/core/SafeFormat.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace support {

std::int64_t FormatArg::AsSigned() const {
  switch (kind_) {
    case Kind::Signed:
      return wide_ ? signed_ : static_cast<std::int32_t>(signed_);
    case Kind::Unsigned:
      return wide_ ? static_cast<std::int64_t>(unsigned_)
                   : static_cast<std::int32_t>(static_cast<std::uint32_t>(unsigned_));
    case Kind::Real:
      // Out-of-range doubles would be undefined to convert.
      if (real_ >= -9.2e18 && real_ <= 9.2e18) return static_cast<std::int64_t>(real_);
      return 0;
    case Kind::Text:
      break;
  }
  return 0;
}

std::uint64_t FormatArg::AsUnsigned() const {
  switch (kind_) {
    case Kind::Signed:
      return wide_ ? static_cast<std::uint64_t>(signed_)
                   : static_cast<std::uint32_t>(static_cast<std::int32_t>(signed_));
    case Kind::Unsigned:
      return wide_ ? unsigned_ : static_cast<std::uint32_t>(unsigned_);
    case Kind::Real:
      if (real_ >= 0.0 && real_ <= 1.8e19) return static_cast<std::uint64_t>(real_);
      return 0;
    case Kind::Text:
      break;
  }
  return 0;
}

double FormatArg::AsReal() const {
  switch (kind_) {
    case Kind::Signed:
      return static_cast<double>(signed_);
    case Kind::Unsigned:
      return static_cast<double>(unsigned_);
    case Kind::Real:
      return real_;
    case Kind::Text:
      break;
  }
  return 0.0;
}

namespace {

// Width and precision beyond this could only make huge texts that are cut anyway.
constexpr int kMaxFieldWidth = 1024;

// Runs snprintf for one conversion whose specification is `spec`, with one value.
template <typename T>
std::string FormatOne(const std::string& spec, T value) {
  char small[128];
  const int needed = std::snprintf(small, sizeof small, spec.c_str(), value);
  if (needed < 0) return {};
  if (static_cast<std::size_t>(needed) < sizeof small) return std::string(small, needed);
  std::vector<char> large(static_cast<std::size_t>(needed) + 1);
  std::snprintf(large.data(), large.size(), spec.c_str(), value);
  return std::string(large.data(), needed);
}

bool IsFlag(char c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class ArgCursor {
 public:
  ArgCursor(const FormatArg* begin, const FormatArg* end) : next_(begin), end_(end) {}
  const FormatArg* Next() { return next_ == end_ ? nullptr : next_++; }

 private:
  const FormatArg* next_;
  const FormatArg* end_;
};

// Reads a width or precision: digits, or "*" taken from the arguments. -1 when absent.
int ReadField(const char*& p, ArgCursor& args, bool& leftAlign) {
  if (*p == '*') {
    ++p;
    const FormatArg* arg = args.Next();
    long long value = arg ? arg->AsSigned() : 0;
    if (value < 0) {
      leftAlign = true;  // printf: a negative "*" width means "-" and its magnitude
      value = -value;
    }
    return value > kMaxFieldWidth ? kMaxFieldWidth : static_cast<int>(value);
  }
  if (!IsDigit(*p)) return -1;
  long long value = 0;
  while (IsDigit(*p)) {
    if (value <= kMaxFieldWidth) value = value * 10 + (*p - '0');
    ++p;
  }
  return value > kMaxFieldWidth ? kMaxFieldWidth : static_cast<int>(value);
}

void SkipLengthModifier(const char*& p) {
  if (p[0] == 'I' && p[1] == '6' && p[2] == '4') {
    p += 3;
  } else if (p[0] == 'I' && p[1] == '3' && p[2] == '2') {
    p += 3;
  } else {
    while (*p == 'h' || *p == 'l' || *p == 'L' || *p == 'q' || *p == 'j' || *p == 'z' ||
           *p == 't' || *p == 'I') {
      ++p;
    }
  }
}

}  // namespace

std::string FormatText(const char* format, FormatArgs argList, std::size_t maxLength) {
  std::string out;
  if (!format) return out;
  ArgCursor args(argList.begin(), argList.end());
  const char* p = format;
  while (*p && out.size() < maxLength) {
    if (*p != '%') {
      out += *p++;
      continue;
    }
    const char* start = p++;
    if (*p == '%') {
      out += '%';
      ++p;
      continue;
    }
    std::string flags;
    while (IsFlag(*p)) flags += *p++;
    bool leftAlign = false;
    const int width = ReadField(p, args, leftAlign);
    if (leftAlign && flags.find('-') == std::string::npos) flags += '-';
    int precision = -1;
    bool hasPrecision = false;
    if (*p == '.') {
      ++p;
      hasPrecision = true;
      bool ignored = false;
      precision = ReadField(p, args, ignored);
      if (precision < 0) precision = 0;
    }
    SkipLengthModifier(p);
    const char conversion = *p;
    if (conversion == '\0') {  // a format cut off in the middle is shown as it stands
      out.append(start, p);
      break;
    }
    ++p;

    std::string spec = "%" + flags;
    if (width >= 0) spec += std::to_string(width);
    if (hasPrecision) spec += "." + std::to_string(precision);

    const FormatArg* arg = nullptr;
    switch (conversion) {
      case 'd':
      case 'i':
      case 'u':
      case 'x':
      case 'X':
      case 'o':
      case 'c':
      case 's':
      case 'f':
      case 'F':
      case 'e':
      case 'E':
      case 'g':
      case 'G':
      case 'a':
      case 'A':
      case 'p':
        arg = args.Next();
        if (!arg) continue;  // missing argument: prints nothing
        break;
      case 'n':
        continue;  // never writes through an argument
      default:
        out.append(start, p);  // unknown conversion: copied unchanged
        continue;
    }

    // A text given for a number (or the reverse) is shown in the field as a text.
    if (arg->kind() == FormatArg::Kind::Text && conversion != 's') {
      out += FormatOne(spec + "s", arg->AsText());
      continue;
    }
    switch (conversion) {
      case 'd':
      case 'i':
        out += FormatOne(spec + "lld", static_cast<long long>(arg->AsSigned()));
        break;
      case 'u':
      case 'x':
      case 'X':
      case 'o':
        out += FormatOne(spec + "ll" + conversion, static_cast<unsigned long long>(arg->AsUnsigned()));
        break;
      case 'p':
        out += FormatOne(spec + "llX", static_cast<unsigned long long>(arg->AsUnsigned()));
        break;
      case 'c': {
        const char c = static_cast<char>(arg->AsUnsigned() & 0xFF);
        if (c == '\0') break;  // a terminator would end the text early
        out += FormatOne(spec + "c", c);
        break;
      }
      case 's':
        if (arg->kind() == FormatArg::Kind::Text) {
          out += FormatOne(spec + "s", arg->AsText());
        } else if (arg->kind() == FormatArg::Kind::Real) {
          out += FormatOne(std::string("%g"), arg->AsReal());
        } else if (arg->kind() == FormatArg::Kind::Signed) {
          out += std::to_string(arg->AsSigned());
        } else {
          out += std::to_string(arg->AsUnsigned());
        }
        break;
      default:  // the floating conversions
        out += FormatOne(spec + conversion, arg->AsReal());
        break;
    }
  }
  if (out.size() > maxLength) out.resize(maxLength);
  return out;
}

std::size_t CopyText(char* buffer, std::size_t capacity, const char* text) {
  if (!buffer || capacity == 0) return 0;
  std::size_t length = text ? std::strlen(text) : 0;
  if (length > capacity - 1) length = capacity - 1;
  if (length) std::memcpy(buffer, text, length);
  buffer[length] = '\0';
  return length;
}

}  // namespace support
