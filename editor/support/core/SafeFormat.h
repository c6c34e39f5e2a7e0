// printf-style formatting of message texts with typed arguments. Each argument carries its
// type, so a conversion that does not match its argument, a missing argument or a "%n" can
// neither crash nor write memory; the result is bounded. Portable: no windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <type_traits>

namespace support {

class FormatArg {
 public:
  enum class Kind { Signed, Unsigned, Real, Text };

  template <typename T, typename = std::enable_if_t<std::is_integral_v<T>>>
  FormatArg(T value)  // NOLINT(google-explicit-constructor): arguments convert implicitly
      : kind_(std::is_signed_v<T> ? Kind::Signed : Kind::Unsigned),
        wide_(sizeof(T) > 4),
        signed_(static_cast<std::int64_t>(value)),
        unsigned_(static_cast<std::uint64_t>(value)) {}
  template <typename T, typename = std::enable_if_t<std::is_enum_v<T>>, typename = void>
  FormatArg(T value)  // NOLINT: enumerators print as their numbers
      : FormatArg(static_cast<std::underlying_type_t<T>>(value)) {}
  FormatArg(double value) : kind_(Kind::Real), real_(value) {}  // NOLINT
  FormatArg(const char* text) : kind_(Kind::Text), text_(text) {}  // NOLINT
  FormatArg(const std::string& text) : kind_(Kind::Text), text_(text.c_str()) {}  // NOLINT

  Kind kind() const { return kind_; }
  // The value as the C library would see it through a signed or an unsigned conversion:
  // 32-bit arguments are reinterpreted at 32 bits, as with a varargs call.
  std::int64_t AsSigned() const;
  std::uint64_t AsUnsigned() const;
  double AsReal() const;
  const char* AsText() const { return text_ ? text_ : ""; }

 private:
  Kind kind_;
  bool wide_ = false;
  std::int64_t signed_ = 0;
  std::uint64_t unsigned_ = 0;
  double real_ = 0.0;
  const char* text_ = nullptr;
};

using FormatArgs = std::initializer_list<FormatArg>;

// Formats `format` with `args` and returns at most `maxLength` characters. Conversions:
// d i u x X o c s f F e E g G a A p and %%, with flags, width, precision ("*" included) and any
// length modifier (h l ll L q j z t I I32 I64), which are accepted and ignored because the
// argument knows its width. An argument of the wrong kind is shown as best it can be (a text
// for a number prints the text, a number for %s prints the number); a missing one prints
// nothing; "%n" prints nothing and writes nothing; an unknown conversion is copied as it stands.
std::string FormatText(const char* format, FormatArgs args, std::size_t maxLength);

// Copies `text` into `buffer` (at most capacity - 1 characters and a terminator) and returns
// the number of characters copied. Does nothing and returns 0 for a null buffer or no room.
std::size_t CopyText(char* buffer, std::size_t capacity, const char* text);

}  // namespace support
