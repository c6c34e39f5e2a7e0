// The settings store against the real registry (and the INI file when the root is empty).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "editor/support/FontSettings.h"
#include "editor/support/SettingsStore.h"
#include "tests/editor/support/RegistryTestRoot.h"

using namespace support;

using SettingsStoreTest = RegistryTest;

TEST_F(SettingsStoreTest, DefaultsForAFreshUserAndTypedValuesAfterWrites) {
  EXPECT_FALSE(SettingsKeyExists());
  char text[32];
  EXPECT_EQ(ReadSettingString("Options", "FileSpec", "none", text), 4u);
  EXPECT_STREQ(text, "none");
  EXPECT_EQ(ReadSettingInt("Options", "Tabs", 4), 4u);
  EXPECT_EQ(ReadSettingBool("Options", "Odd", 7), 1);  // the default made 0 or 1
  EXPECT_FALSE(SettingsKeyExists());                    // reading creates nothing

  EXPECT_TRUE(WriteSettingString("Options\\Search", "Find", "needle"));
  EXPECT_TRUE(WriteSettingInt("DeskTop\\Window", "Top", static_cast<std::uint32_t>(-13)));
  EXPECT_TRUE(WriteSettingBool("Options", "Sounds", 5));
  EXPECT_TRUE(SettingsKeyExists());
  DWORD type = 0;
  EXPECT_EQ(ReadRaw("Options\\Search", "Find", &type), std::string("needle", 7));  // terminator stored
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(ReadRawDword("DeskTop\\Window", "Top"), 0xFFFFFFF3u);  // two's complement
  EXPECT_EQ(ReadRawDword("Options", "Sounds"), 1u);                 // a flag written as 5 is 1

  ReadSettingString("Options\\Search", "Find", "", text);
  EXPECT_STREQ(text, "needle");
  EXPECT_EQ(static_cast<std::int32_t>(ReadSettingInt("DeskTop\\Window", "Top", 0)), -13);
  const DWORD five = 5;
  StoreRaw("Options", "Stored", REG_DWORD, &five, 4);
  EXPECT_EQ(ReadSettingBool("Options", "Stored", 0), 1);  // a flag stored as 5 reads as 1
}

TEST_F(SettingsStoreTest, TextOneByteLongerThanTheBufferReadsAsTheDefault) {
  WriteSettingString("Files", "Name", "abcdefgh");
  char exact[9];
  ReadSettingString("Files", "Name", "dflt", exact);
  EXPECT_STREQ(exact, "abcdefgh");
  char short8[8];
  ReadSettingString("Files", "Name", "dflt", short8);
  EXPECT_STREQ(short8, "dflt");  // not "abcdefg"
  char tiny[4];
  EXPECT_EQ(ReadSettingString("Files", "Missing", "a long default", tiny), 3u);  // cut, not overrun
  EXPECT_STREQ(tiny, "a l");
}

TEST_F(SettingsStoreTest, UnterminatedOrMistypedTextsReadAsTheDefault) {
  // The system adds a terminator the caller forgot when one follows the data: give it none.
  StoreRaw("Files", "Ansi", REG_SZ, "abcX", 3);
  StoreRaw("Files", nullptr, REG_SZ, L"abcX", 6, L"Wide");
  StoreRaw("Files", nullptr, REG_SZ, L"", 0, L"Empty");
  StoreRaw("Files", nullptr, REG_SZ, L"abc", 8, L"Good");
  const DWORD number = 0x00636261;  // "abc" and a terminator, as a number
  StoreRaw("Files", "Number", REG_DWORD, &number, 4);
  StoreRaw("Files", "Binary", REG_BINARY, "abc", 4);
  char text[64];
  for (const char* name : {"Ansi", "Wide", "Empty", "Number", "Binary"}) {
    ReadSettingString("Files", name, "default", text);
    EXPECT_STREQ(text, "default") << name;
  }
  ReadSettingString("Files", "Good", "default", text);
  EXPECT_STREQ(text, "abc");
}

TEST_F(SettingsStoreTest, ShortLongOrMistypedIntegersReadAsTheDefault) {
  const unsigned char bytes[8] = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80};
  StoreRaw("Options", "Short", REG_DWORD, bytes, 2);
  StoreRaw("Options", "Binary", REG_BINARY, bytes, 4);
  StoreRaw("Options", "Long", REG_QWORD, bytes, 8);
  StoreRaw("Options", "Text", REG_SZ, "12", 3);
  StoreRaw("Options", "Good", REG_DWORD, bytes, 4);
  for (const char* name : {"Short", "Binary", "Long", "Text"}) {
    EXPECT_EQ(ReadSettingInt("Options", name, 77), 77u) << name;
    EXPECT_EQ(ReadSettingBool("Options", name, 0), 0) << name;
  }
  EXPECT_EQ(ReadSettingInt("Options", "Good", 77), 0x40302010u);
}

TEST_F(SettingsStoreTest, FontRecords) {
  LOGFONTA font;
  std::memset(&font, 0x77, sizeof font);
  displayFontColour = 0x123456;
  ASSERT_EQ(LoadFontSettings(FontRecord::Display, &font), 1);
  EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
  EXPECT_EQ((std::vector<long>{font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation, font.lfWeight}),
            (std::vector<long>{-10, 0, 0, 0, 400}));
  EXPECT_EQ((std::vector<int>{font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet, font.lfOutPrecision,
                              font.lfClipPrecision, font.lfQuality, font.lfPitchAndFamily}),
            (std::vector<int>{0, 0, 0, 0, 1, 2, 1, 34}));
  EXPECT_EQ(displayFontColour, 0u);
  EXPECT_EQ(LoadFontSettings(FontRecord::Display, nullptr), 0);

  LOGFONTA printer = {};
  std::strcpy(printer.lfFaceName, "Courier New");
  printer.lfHeight = -13;
  printer.lfCharSet = 204;
  printerFontColour = RGB(10, 20, 30);
  ASSERT_EQ(SaveFontSettings(FontRecord::Printer, &printer), 1);
  EXPECT_EQ(ReadRawDword("Font\\Printer", "Height"), 0xFFFFFFF3u);
  EXPECT_EQ(ReadRawDword("Font\\Printer", "Colour"), static_cast<DWORD>(RGB(10, 20, 30)));
  printerFontColour = 0;
  LOGFONTA loaded = {};
  LoadFontSettings(FontRecord::Printer, &loaded);
  EXPECT_STREQ(loaded.lfFaceName, "Courier New");
  EXPECT_EQ(loaded.lfHeight, -13);
  EXPECT_EQ(loaded.lfCharSet, 204);
  EXPECT_EQ(printerFontColour, static_cast<COLORREF>(RGB(10, 20, 30)));
  EXPECT_EQ(displayFontColour, 0u);  // the other record is untouched

  // Byte fields keep their low byte; a face name too long for its field reads as the default.
  const DWORD italic = 257;
  StoreRaw("Font\\Display", "Italic", REG_DWORD, &italic, 4);
  WriteSettingString("Font\\Display", "FaceName", std::string(32, 'f').c_str());
  LoadFontSettings(FontRecord::Display, &font);
  EXPECT_EQ(font.lfItalic, 1);
  EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
}

TEST(IniSettings, SameValuesInTheIniFileWhenTheRootIsEmpty) {
  char folder[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + "support-tests-" + std::to_string(GetCurrentProcessId()) + ".ini";
  DeleteFileA(path.c_str());
  SetSettingsRoot("");
  SetSettingsIniPath(path.c_str());
  EXPECT_FALSE(SettingsKeyExists());
  WriteSettingString("Options\\Search", "Find", "needle");
  WriteSettingInt("DeskTop\\Window", "Top", static_cast<std::uint32_t>(-13));
  WriteSettingBool("Options", "Sounds", 5);
  EXPECT_TRUE(SettingsKeyExists());
  char raw[64];
  GetPrivateProfileStringA("DeskTop\\Window", "Top", "", raw, sizeof raw, path.c_str());
  EXPECT_STREQ(raw, "4294967283");  // written with "%u"

  char text[16];
  ReadSettingString("Options\\Search", "Find", "", text);
  EXPECT_STREQ(text, "needle");
  EXPECT_EQ(static_cast<std::int32_t>(ReadSettingInt("DeskTop\\Window", "Top", 0)), -13);
  EXPECT_EQ(ReadSettingBool("Options", "Sounds", 0), 1);
  char four[4];
  ReadSettingString("Options\\Search", "Find", "no", four);
  EXPECT_STREQ(four, "no");  // too long, as in the registry
  WritePrivateProfileStringA("Options", "Tabs", "eight", path.c_str());
  EXPECT_EQ(ReadSettingInt("Options", "Tabs", 4), 4u);  // not a number: the default
  WriteSettingString("Options", nullptr, "x");  // must not delete the section
  EXPECT_EQ(ReadSettingBool("Options", "Sounds", 0), 1);
  ReadSettingString("Options", nullptr, "dflt", text);  // nor list its names
  EXPECT_STREQ(text, "dflt");
  SetSettingsIniPath("");
  DeleteFileA(path.c_str());
}
