// What a stored setting must look like to be used, and what reads as missing.
#include <gtest/gtest.h>

#include "editor/support/core/StoredValue.h"

using namespace support;

namespace {
// A text as the registry stores it: 16-bit little-endian units.
std::string Units(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}
std::optional<std::u16string> Decode(std::uint32_t type, const std::string& bytes) {
  return DecodeStoredText(type, bytes.data(), bytes.size());
}
}  // namespace

TEST(StoredValue, TextsMustBeTerminatedTexts) {
  const std::u16string abc0(u"abc\0", 4);
  EXPECT_EQ(Decode(kStoredText, Units(abc0)), u"abc");
  EXPECT_EQ(Decode(kStoredExpandText, Units(abc0)), u"abc");
  EXPECT_EQ(Decode(kStoredText, Units(std::u16string(u"ab\0cd\0", 6))), u"ab");  // up to the first terminator
  EXPECT_EQ(Decode(kStoredText, Units(std::u16string(1, u'\0'))), u"");

  EXPECT_EQ(Decode(kStoredText, Units(u"abc")), std::nullopt);         // unterminated
  EXPECT_EQ(Decode(kStoredText, Units(u"abc") + '\0'), std::nullopt);  // half a unit is no terminator
  EXPECT_EQ(Decode(kStoredText, ""), std::nullopt);
  for (std::uint32_t type : {kStoredDword, kStoredBinary, kStoredMultiText})
    EXPECT_EQ(Decode(type, Units(abc0)), std::nullopt) << type;

  EXPECT_FALSE(TextFitsBuffer(4, 4));  // "abcd" needs 5 bytes
  EXPECT_TRUE(TextFitsBuffer(3, 4));
}

TEST(StoredValue, IntegersOnlyAsFourByteDwords) {
  const unsigned char minus13[] = {0xF3, 0xFF, 0xFF, 0xFF, 0x00};
  EXPECT_EQ(DecodeStoredInteger(kStoredDword, minus13, 4), 0xFFFFFFF3u);
  for (std::size_t size : {0u, 2u, 3u, 5u}) EXPECT_EQ(DecodeStoredInteger(kStoredDword, minus13, size), std::nullopt);
  EXPECT_EQ(DecodeStoredInteger(kStoredBinary, minus13, 4), std::nullopt);
  EXPECT_EQ(DecodeStoredInteger(kStoredText, "12\0", 3), std::nullopt);

  // As text in the INI file.
  EXPECT_EQ(ParseStoredInteger(" 4294967283 "), 0xFFFFFFF3u);
  EXPECT_EQ(ParseStoredInteger("-13"), 0xFFFFFFF3u);
  EXPECT_EQ(ParseStoredInteger("-2147483648"), 0x80000000u);
  for (const char* bad : {"", "x", "12x", "4294967296", "-2147483649", "1 2", "-", "0x10"})
    EXPECT_EQ(ParseStoredInteger(bad), std::nullopt) << bad;

  EXPECT_EQ(NormaliseFlag(5), 1u);
  EXPECT_EQ(LowByte(257), 1);
}
