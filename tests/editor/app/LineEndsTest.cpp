// Line-end detection and conversion: every convention read, converted to memory and written
// back gives the bytes that were read.
#include <gtest/gtest.h>

#include <string>

#include "editor/app/core/LineEnds.h"

using namespace editor;

namespace {

using namespace std::string_literals;

struct LineEndCase {
  const char* name;
  std::string disk;
  int type;
  std::string memory;
};

// clang-format off
const LineEndCase kCases[] = {
  {"unix",                 "one\ntwo\n",           kUnixLineEnds,      "one\r\ntwo\r\n"},  // and Save As Unix
  {"macintosh",            "one\rtwo\r",           kMacintoshLineEnds, "one\r\ntwo\r\n"},
  {"windows",              "one\r\ntwo",           kWindowsLineEnds,   "one\r\ntwo"},
  {"mixed keeps lone LF",  "one\r\ntwo\nthree\r",  kWindowsLineEnds,   "one\r\ntwo\nthree\r"},
  {"empty",                "",                     kWindowsLineEnds,   ""},
  {"no line end",          "one",                  kWindowsLineEnds,   "one"},
  {"stray CR in unix",     "one\ntwo\rthree\n",    kMacintoshLineEnds, "one\ntwo\r\nthree\n"},
  {"only line feeds",      "\n\n",                 kUnixLineEnds,      "\r\n\r\n"},
  {"CR at the very end",   "one\r",                kMacintoshLineEnds, "one\r\n"},
  {"zero bytes kept",      "a\0\nb"s,              kUnixLineEnds,      "a\0\r\nb"s},
};
// clang-format on

TEST(LineEnds, DetectConvertAndWriteBackEachConvention) {
  for (const LineEndCase& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DetectLineEnds(c.disk), c.type);
    std::string text = c.disk;
    ToMemoryLineEnds(text, c.type);
    EXPECT_EQ(text, c.memory);
    ToDiskLineEnds(text, c.type);
    EXPECT_EQ(text, c.disk);  // the bytes that were read, nothing else changed
  }
}

TEST(LineEnds, EveryShortTextRoundTripsInEveryConvention) {
  // All texts of up to seven characters over {x, CR, LF}, whatever convention they claim.
  const char alphabet[] = {'x', '\r', '\n'};
  for (int length = 0, combinations = 1; length <= 7; ++length, combinations *= 3) {
    for (int n = 0; n < combinations; ++n) {
      std::string disk;
      for (int i = 0, rest = n; i < length; ++i, rest /= 3) disk += alphabet[rest % 3];
      for (int type : {0, 1, 2, 7}) {
        std::string text = disk;
        ToMemoryLineEnds(text, type);
        ToDiskLineEnds(text, type);
        ASSERT_EQ(text, disk) << "type " << type;
      }
    }
  }
}

}  // namespace
