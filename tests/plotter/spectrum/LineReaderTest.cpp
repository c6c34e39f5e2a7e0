#include "plotter/spectrum/core/LineReader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/plotter/spectrum/SpectrumTestFiles.h"

namespace spectrum {
namespace {

using List = std::vector<std::string>;

class LineReaderTest : public SpectrumFilesTest {
 protected:
  List Lines(const std::string& bytes) {
    LineReader reader;
    EXPECT_TRUE(reader.Open(Write("lines.txt", bytes)));
    List lines;
    std::string_view line;
    while (reader.ReadLine(line)) lines.emplace_back(line);
    return lines;
  }
};

TEST_F(LineReaderTest, LinesAsFgetsGivesThemInTextMode) {
  const std::string a(255, 'a');
  const std::string b(254, 'b');
  EXPECT_EQ(Lines(""), List{});
  EXPECT_EQ(Lines("a\r\nb"), (List{"a\n", "b"}));
  EXPECT_EQ(Lines("a\rb\r\r\n\r"), (List{"a\rb\r\n", "\r"}));  // a lone "\r" stays
  EXPECT_EQ(Lines(a + "\n"), (List{a, "\n"}));                  // 255 characters fill the buffer
  EXPECT_EQ(Lines(a + a + "xy\n"), (List{a, a, "xy\n"}));
  EXPECT_EQ(Lines(b + "\r\n"), (List{b + "\n"}));               // converted before it is split
  EXPECT_EQ(Lines(std::string("ab\0cd\nef\n\0", 10)), (List{"ab", "ef\n", ""}));  // C string text
  // A Ctrl-Z ends the file, also after a "\r" and far into a long file.
  EXPECT_EQ(Lines("a\nb\x1a\nc\n"), (List{"a\n", "b"}));
  EXPECT_EQ(Lines("a\r\x1a\r\n"), (List{"a\r"}));
  std::string longFile;
  for (int i = 0; i < 8000; ++i) longFile += std::string(199, 'x') + "\n";  // 1.6 MB
  EXPECT_EQ(Lines(longFile + "\x1a" + "tail\n").size(), 8000u);
}

TEST_F(LineReaderTest, CrLfFileGivesTheLinesOfTheLfFileAcrossBufferFills) {
  std::mt19937 random(7);
  std::string lf;
  while (lf.size() < (5u << 20)) {
    lf += std::string(random() % 600, static_cast<char>('a' + random() % 26));
    lf += random() % 10 == 0 ? "\rz\n" : "\n";
  }
  EXPECT_TRUE(Lines(WithCrLf(lf)) == Lines(lf));  // (EXPECT_EQ would print megabytes)
  // A "\r\n" at every place around the end of the first fill.
  for (std::size_t shift = 0; shift < 10; ++shift) {
    const std::string padding((1u << 20) + 250 + shift, 'p');
    std::string joined;
    for (const std::string& line : Lines(padding + "\r\nq\r\n")) joined += line;
    EXPECT_EQ(joined, padding + "\nq\n") << shift;
  }
}

TEST_F(LineReaderTest, RewindAndBytesLeft) {
  LineReader reader;
  ASSERT_TRUE(reader.Open(Write("r.txt", "one\r\ntwo\nthree\n")));
  std::string_view line;
  EXPECT_EQ(reader.BytesLeft(), 15u);
  ASSERT_TRUE(reader.ReadLine(line) && reader.ReadLine(line));
  EXPECT_EQ(reader.BytesLeft(), 6u);
  ASSERT_TRUE(reader.Rewind() && reader.ReadLine(line));
  EXPECT_EQ(line, "one\n");
  EXPECT_FALSE(LineReader().Open((folder_ / "missing.txt").string()));
}

}  // namespace
}  // namespace spectrum
