#include "plotter/spectrum/core/TextScan.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <system_error>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace spectrum {

// The number reader sits in the loaders' innermost loop: inlined, it saves a call per number.
#if defined(__GNUC__)
#define ALWAYS_INLINE inline __attribute__((always_inline))
#else
#define ALWAYS_INLINE inline
#endif

namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Which way a number that from_chars found out of range went: the decimal exponent of its first
// non-zero digit plus the stated exponent is positive for overflow and negative for underflow
// (a double's range ends far from 10^0 at both sides).
bool IsOverflow(std::string_view mantissa, long long exponent) {
  long long integerDigits = 0;
  for (char c : mantissa) {
    if (c == '.') break;
    ++integerDigits;
  }
  long long index = 0;
  for (char c : mantissa) {
    if (c == '.') continue;
    if (c != '0') return integerDigits - 1 - index + exponent > 0;
    ++index;
  }
  return false;
}

// Appends the digits at p to `mantissa` (wrapping past 19 digits; the caller refuses those) and
// returns the first byte after them.
ALWAYS_INLINE const char* AccumulateDigits(const char* p, const char* end, std::uint64_t& mantissa) {
  std::uint64_t value = mantissa;
  for (; p < end; ++p) {
    const unsigned digit = static_cast<unsigned char>(*p) - static_cast<unsigned>('0');
    if (digit > 9) break;
    value = value * 10 + digit;
  }
  mantissa = value;
  return p;
}

// Clinger's fast path: a mantissa up to 2^53 is exact in a double, and so is 10^k for k <= 22, so
// one multiplication or division gives the correctly rounded value. Only where doubles are
// computed in double precision (not on the x87); false when it does not apply. No sign.
ALWAYS_INLINE bool ReadSimpleDecimal(const char* p, const char* end, double& value, const char*& stop) {
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD == 0
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const char* const start = p;
  std::uint64_t mantissa = 0;
  p = AccumulateDigits(p, end, mantissa);
  int exponent = 0;
  bool point = false;
  if (p < end && *p == '.') {
    point = true;
    const char* const fraction = ++p;
    p = AccumulateDigits(p, end, mantissa);
    exponent = -static_cast<int>(p - fraction);
  }
  const std::ptrdiff_t digits = (p - start) - (point ? 1 : 0);
  // Up to 19 digits do not overflow (more wrap, and are refused); at least one is needed.
  if (digits < 1 || digits > 19 || mantissa > (std::uint64_t{1} << 53)) return false;
  if (p < end && (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D')) {
    const char* q = p + 1;
    bool negative = false;
    if (q < end && (*q == '+' || *q == '-')) negative = *q++ == '-';
    if (q < end && IsDigit(*q)) {
      int stated = 0;
      for (; q < end && IsDigit(*q); ++q) {
        if (stated > 1000) return false;
        stated = stated * 10 + (*q - '0');
      }
      exponent += negative ? -stated : stated;
      p = q;
    }
  }
  if (exponent < -22 || exponent > 22) return false;
  const double digitsValue = static_cast<double>(mantissa);
  value = exponent < 0 ? digitsValue / kPowersOfTen[-exponent] : digitsValue * kPowersOfTen[exponent];
  stop = p;
  return true;
#else
  (void)p, (void)end, (void)value, (void)stop;
  return false;
#endif
}

// Which bytes of a text of up to kMappedBytes are scan spaces, one bit per byte: lets the word
// loops jump from word to word instead of testing every byte (the loaders' hot path).
constexpr std::size_t kMappedBytes = 256;
struct SpaceMap {
  std::uint64_t bits[kMappedBytes / 64];
};

#if defined(__SSE2__)
unsigned SpaceMask16(const char* p) {
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i blank = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(' '));
  // \t \n \v \f \r: byte - 9 below 5, unsigned.
  const __m128i fromTab = _mm_sub_epi8(bytes, _mm_set1_epi8('\t'));
  const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(fromTab, _mm_set1_epi8(4)), fromTab);
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(blank, control)));
}
#endif

void MapSpaces(const char* text, std::size_t size, SpaceMap& map) {
  for (std::size_t word = 0; word < kMappedBytes / 64; ++word) {
    const std::size_t first = word * 64;
    const std::size_t last = std::min(size, first + 64);
    std::uint64_t bits = 0;  // built in a register, stored once
    std::size_t i = first;
#if defined(__SSE2__)
    for (; i + 16 <= last; i += 16) bits |= static_cast<std::uint64_t>(SpaceMask16(text + i)) << (i - first);
    if (i < last && size >= 16) {
      // The last 16 bytes of the text, overlapping bytes already mapped: no read past its end.
      const unsigned tail = SpaceMask16(text + size - 16) >> (16 - (last - i));
      bits |= static_cast<std::uint64_t>(tail) << (i - first);
      i = last;
    }
#endif
    for (; i < last; ++i) {
      if (IsScanSpace(static_cast<unsigned char>(text[i]))) bits |= std::uint64_t{1} << (i - first);
    }
    map.bits[word] = bits;
  }
}

int LowestBit(std::uint64_t value) {
#if defined(__GNUC__)
  return __builtin_ctzll(value);
#else
  int n = 0;
  while ((value & 1) == 0) value >>= 1, ++n;
  return n;
#endif
}

// The first byte at or after `from` that is (space true) or is not (false) a scan space; `size`
// when there is none.
std::size_t NextByte(const SpaceMap& map, std::size_t from, std::size_t size, bool space) {
  while (from < size) {
    std::uint64_t bits = space ? map.bits[from / 64] : ~map.bits[from / 64];
    bits &= ~std::uint64_t{0} << (from % 64);
    if (bits != 0) {
      const std::size_t at = from - from % 64 + static_cast<std::size_t>(LowestBit(bits));
      return at < size ? at : size;
    }
    from = from - from % 64 + 64;
  }
  return size;
}

// Hands each word of `text`, split as a row of sscanf "%Ns" conversions splits it (width 0 = no
// limit), to take(begin, end) until it returns false or maxWords words were taken.
template <typename Take>
void ForEachWord(std::string_view text, int maxWords, std::size_t maxWidth, Take take) {
  const char* data = text.data();
  const std::size_t size = text.size();
  const std::size_t width = maxWidth != 0 ? maxWidth : size;
  if (size <= kMappedBytes) {
    SpaceMap map;
    MapSpaces(data, size, map);
    std::size_t p = 0;
    for (int count = 0; count < maxWords; ++count) {
      p = NextByte(map, p, size, false);
      if (p == size) return;
      const std::size_t limit = size - p > width ? p + width : size;
      const std::size_t end = NextByte(map, p, limit, true);
      if (!take(data + p, data + end)) return;
      p = end;
    }
    return;
  }
  const char* p = data;
  const char* stop = data + size;
  for (int count = 0; count < maxWords; ++count) {
    while (p < stop && IsScanSpace(static_cast<unsigned char>(*p))) ++p;
    if (p == stop) return;
    const char* start = p;
    const char* limit = static_cast<std::size_t>(stop - p) > width ? p + width : stop;
    while (p < limit && !IsScanSpace(static_cast<unsigned char>(*p))) ++p;
    if (!take(start, p)) return;
  }
}

int PopCount(std::uint64_t value) {
#if defined(__POPCNT__)
  return __builtin_popcountll(value);
#else
  // Bit sums in ever wider fields (the builtin would call a library routine here).
  value -= (value >> 1) & 0x5555555555555555u;
  value = (value & 0x3333333333333333u) + ((value >> 2) & 0x3333333333333333u);
  value = (value + (value >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
  return static_cast<int>((value * 0x0101010101010101u) >> 56);
#endif
}

// Counts the words of a text of at most kMappedBytes bytes from its space map in a few word
// operations: the number of runs of non-spaces, when no run is longer than `width` (so none
// splits) and, with endAtX, no "x" is in the text. -1 when that does not hold.
int CountPlainWords(const char* text, std::size_t size, const SpaceMap& map, std::size_t width, bool endAtX) {
  if (endAtX && std::memchr(text, 'x', size) != nullptr) return -1;
  // Non-space bits, in four registers (kept out of arrays: they would go through memory).
  auto inText = [size](std::size_t word) {
    const std::size_t first = word * 64;
    return size >= first + 64 ? ~std::uint64_t{0} : size <= first ? 0 : (std::uint64_t{1} << (size - first)) - 1;
  };
  const std::uint64_t w0 = ~map.bits[0] & inText(0);
  const std::uint64_t w1 = ~map.bits[1] & inText(1);
  const std::uint64_t w2 = ~map.bits[2] & inText(2);
  const std::uint64_t w3 = ~map.bits[3] & inText(3);
  if (width != 0 && width < size) {
    // Bits that start a run of more than `width` non-spaces, by doubling the run length tested.
    std::uint64_t r0 = w0, r1 = w1, r2 = w2, r3 = w3;
    for (std::size_t tested = 1; tested < width + 1;) {
      const unsigned shift = static_cast<unsigned>(std::min({tested, width + 1 - tested, std::size_t{63}}));
      r0 &= (r0 >> shift) | (r1 << (64 - shift));
      r1 &= (r1 >> shift) | (r2 << (64 - shift));
      r2 &= (r2 >> shift) | (r3 << (64 - shift));
      r3 &= r3 >> shift;
      tested += shift;
    }
    if ((r0 | r1 | r2 | r3) != 0) return -1;
  }
  return PopCount(w0 & ~(w0 << 1)) + PopCount(w1 & ~((w1 << 1) | (w0 >> 63))) +
         PopCount(w2 & ~((w2 << 1) | (w1 >> 63))) + PopCount(w3 & ~((w3 << 1) | (w2 >> 63)));
}

}  // namespace

int ScanWords(std::string_view text, std::string_view* words, int maxWords, std::size_t maxWidth) {
  int count = 0;
  ForEachWord(text, maxWords, maxWidth, [&](const char* begin, const char* end) {
    words[count++] = std::string_view(begin, static_cast<std::size_t>(end - begin));
    return true;
  });
  return count;
}

int ScanNumberWords(std::string_view text, double* values, int maxWords, std::size_t maxWidth,
                    bool endAtX) {
  int count = 0;
  if (values == nullptr) {
    if (text.size() <= kMappedBytes) {
      SpaceMap map;
      MapSpaces(text.data(), text.size(), map);
      const int plain = CountPlainWords(text.data(), text.size(), map, maxWidth, endAtX);
      if (plain >= 0) return std::min(plain, maxWords);
    }
    ForEachWord(text, maxWords, maxWidth, [&](const char* begin, const char* end) {
      if (endAtX && end - begin == 1 && *begin == 'x') return false;
      ++count;
      return true;
    });
    return count;
  }
  // Reading the numbers walks over their characters anyway: find each word's end from there.
  const char* p = text.data();
  const char* const end = p + text.size();
  const std::size_t width = maxWidth != 0 ? maxWidth : text.size();
  while (count < maxWords) {
    while (p < end && IsScanSpace(static_cast<unsigned char>(*p))) ++p;
    if (p == end) break;
    const char* const limit = static_cast<std::size_t>(end - p) > width ? p + width : end;
    if (endAtX && *p == 'x' && (p + 1 == limit || IsScanSpace(static_cast<unsigned char>(p[1])))) break;
    // A sign and a short number are read here, anything else in full; the number cannot run
    // past the word, as it holds no scan space and is read within the width.
    const bool negative = *p == '-';
    const char* stop = p;
    double value = 0.0;
    if (ReadSimpleDecimal(p + (negative || *p == '+' ? 1 : 0), limit, value, stop)) {
      values[count++] = negative ? -value : value;
    } else {
      values[count++] = ReadDecimalPrefix(p, limit, &stop);
    }
    p = stop > p ? stop : p;
    while (p < limit && !IsScanSpace(static_cast<unsigned char>(*p))) ++p;
  }
  return count;
}

int ReadWholeNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsScanSpace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Accumulate as a negative number so that INT_MIN is reachable without overflow.
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 - (text[i] - '0');
    if (value < static_cast<long long>(INT_MIN) - 1) value = static_cast<long long>(INT_MIN) - 1;
  }
  if (negative) return value < INT_MIN ? INT_MIN : static_cast<int>(value);
  return -value > INT_MAX ? INT_MAX : static_cast<int>(-value);
}

double ReadDecimal(std::string_view text) {
  const char* stop = nullptr;
  return ReadDecimalPrefix(text.data(), text.data() + text.size(), &stop);
}

double ReadDecimalPrefix(const char* begin, const char* end, const char** stop) {
  const char* p = begin;
  *stop = begin;
  while (p < end && IsScanSpace(static_cast<unsigned char>(*p))) ++p;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';

  // The common cases: short numbers directly; else from_chars, which reads the same forms except
  // a d/D exponent, and takes no "inf" or "nan" when a digit or a point comes first.
  if (p < end && (IsDigit(*p) || *p == '.')) {
    double value = 0.0;
    if (ReadSimpleDecimal(p, end, value, *stop)) return negative ? -value : value;
    const std::from_chars_result result = std::from_chars(p, end, value, std::chars_format::general);
    if (result.ec == std::errc() && (result.ptr == end || (*result.ptr != 'd' && *result.ptr != 'D'))) {
      *stop = result.ptr;
      return negative ? -value : value;
    }
  }

  // The mantissa: digits, an optional point, digits; at least one digit in all.
  const char* mantissaStart = p;
  bool anyDigit = false;
  for (; p < end && IsDigit(*p); ++p) anyDigit = true;
  if (p < end && *p == '.') {
    for (++p; p < end && IsDigit(*p); ++p) anyDigit = true;
  }
  if (!anyDigit) return 0.0;
  const std::string_view mantissa(mantissaStart, static_cast<std::size_t>(p - mantissaStart));

  // An exponent counts only when digits follow its letter and optional sign.
  bool fortranExponent = false;
  long long exponent = 0;
  if (p < end && (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D')) {
    const char* q = p + 1;
    bool exponentNegative = false;
    if (q < end && (*q == '+' || *q == '-')) exponentNegative = *q++ == '-';
    if (q < end && IsDigit(*q)) {
      fortranExponent = *p == 'd' || *p == 'D';
      for (; q < end && IsDigit(*q); ++q) {
        if (exponent < 1000000000) exponent = exponent * 10 + (*q - '0');
      }
      if (exponentNegative) exponent = -exponent;
      p = q;
    }
  }
  *stop = p;

  double value = 0.0;
  std::from_chars_result result{};
  if (fortranExponent) {
    // from_chars knows only e and E: restate the number (rare, so a string is fine).
    std::string restated(mantissa);
    restated += 'e';
    restated += std::to_string(exponent);
    result = std::from_chars(restated.data(), restated.data() + restated.size(), value,
                             std::chars_format::general);
  } else {
    result = std::from_chars(mantissaStart, p, value, std::chars_format::general);
  }
  if (result.ec == std::errc::result_out_of_range) {
    value = IsOverflow(mantissa, exponent) ? HUGE_VAL : 0.0;
  } else if (result.ec != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

}  // namespace spectrum
