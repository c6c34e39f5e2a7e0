// The chart's picture outside its window: image files of the five kinds, the clipboard in its
// three formats, and printing, each through the control's methods.
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/chartcontrol/ChartTestHost.h"

namespace chartcontrol {
namespace {

constexpr COLORREF kGraph = RGB(250, 250, 215);

std::vector<unsigned char> ReadFile(const std::string& path) {
  std::vector<unsigned char> bytes;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    unsigned char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(f);
  }
  return bytes;
}

uint32_t BigEndian32(const unsigned char* p) { return (p[0] << 24) | (p[1] << 16) | (p[2] << 8) | p[3]; }

// Plays an enhanced metafile into a bitmap of `size` and counts the pixels of `colour`.
int PlayAndCount(HENHMETAFILE emf, SIZE size, COLORREF colour) {
  const RECT all{0, 0, size.cx, size.cy};
  return Picture::Drawn(size.cx, size.cy, [&](HDC dc) { PlayEnhMetaFile(dc, emf, &all); }).Count(colour);
}

class ChartOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(host_.chart(), nullptr);
    chart_ = host_.chart();
    host_.GivePlotLook();
    ASSERT_TRUE(PutAt(chart_, {kGraphArea, kGraphAreaColours}, kColoursBack, I4(kGraph)));
    ObjectRef data = DataOf(chart_, 1);
    Put(data.get(), kSeriesCount, I4(1));
    Put(data.get(), kPointCount, I4(2), {I4(1)});
    for (int k = 1; k <= 2; ++k) {
      Put(data.get(), kXValue, R8(k == 1 ? 100 : 900), {I4(1), I4(k)});
      Put(data.get(), kYValue, R8(50), {I4(1), I4(k)});
    }
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    folder_ = folder;
    plotArea_ = Picture::Printed(host_.hwnd()).Count(kGraph);
    ASSERT_GT(plotArea_, 100000);
  }
  // Files of their own for each test program, which may run beside others.
  std::string Path(const char* name) const {
    return folder_ + "chart-output-test-" + std::to_string(GetCurrentProcessId()) + "-" + name;
  }
  bool Call(int32_t id, std::initializer_list<ChartValue> args) {
    ChartValue result;
    if (!CallMethod(chart_, id, args, &result) || result.kind != ChartValue::Bool) return false;
    return result.integer != 0;
  }

  TestChart host_{RECT{0, 0, 640, 400}};
  ChartControl* chart_ = nullptr;
  std::string folder_;
  int plotArea_ = 0;
};

TEST_F(ChartOutputTest, BitmapFileHoldsThePictureAtTheWindowsSize) {
  const std::string path = Path("a.bmp");
  ASSERT_TRUE(Call(kWriteGraph, {Str(path.c_str()), I4(1)}));
  const std::vector<unsigned char> bytes = ReadFile(path);
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  BITMAPINFOHEADER header;
  std::memcpy(&header, bytes.data() + sizeof(BITMAPFILEHEADER), sizeof(header));
  EXPECT_EQ(header.biWidth, 640);
  EXPECT_EQ(header.biHeight, 400);
  EXPECT_EQ(header.biBitCount, 24);
  // As many plot-coloured pixels as the window draws.
  int plot = 0;
  const int stride = (640 * 3 + 3) & ~3;
  const unsigned char* rows = bytes.data() + 54;
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 640; ++x) {
      const unsigned char* p = rows + y * stride + x * 3;
      plot += RGB(p[2], p[1], p[0]) == kGraph;
    }
  EXPECT_EQ(plot, plotArea_);
  std::remove(path.c_str());
}

TEST_F(ChartOutputTest, MetafilesReplayToTheSamePicture) {
  const std::string emfPath = Path("a.emf"), wmfPath = Path("a.wmf");
  ASSERT_TRUE(Call(kWriteGraph, {Str(emfPath.c_str()), I4(3)}));
  HENHMETAFILE emf = GetEnhMetaFileA(emfPath.c_str());
  ASSERT_NE(emf, nullptr);
  EXPECT_GT(PlayAndCount(emf, SIZE{640, 400}, kGraph), plotArea_ * 9 / 10);
  DeleteEnhMetaFile(emf);

  ASSERT_TRUE(Call(kWriteGraph, {Str(wmfPath.c_str()), I4(2)}));
  const std::vector<unsigned char> bytes = ReadFile(wmfPath);
  ASSERT_GT(bytes.size(), 40u);
  uint32_t key;
  std::memcpy(&key, bytes.data(), 4);
  EXPECT_EQ(key, 0x9AC6CDD7u);
  WORD words[11];
  std::memcpy(words, bytes.data(), sizeof words);
  WORD sum = 0;
  for (int i = 0; i < 10; ++i) sum ^= words[i];
  EXPECT_EQ(sum, words[10]);
  HENHMETAFILE converted = SetWinMetaFileBits(static_cast<UINT>(bytes.size() - 22), bytes.data() + 22, nullptr, nullptr);
  ASSERT_NE(converted, nullptr);
  EXPECT_GT(PlayAndCount(converted, SIZE{640, 400}, kGraph), plotArea_ * 8 / 10);
  DeleteEnhMetaFile(converted);
  std::remove(emfPath.c_str());
  std::remove(wmfPath.c_str());
}

TEST_F(ChartOutputTest, PngAndJpegFilesAreWrittenByTheirEncoders) {
  const std::string png = Path("a.png"), jpg = Path("a.jpg");
  ASSERT_TRUE(Call(kWritePng, {Str(png.c_str()), Flag(false)}));
  std::vector<unsigned char> bytes = ReadFile(png);
  ASSERT_GT(bytes.size(), 24u);
  EXPECT_EQ(std::memcmp(bytes.data(), "\x89PNG\r\n\x1a\n", 8), 0);
  EXPECT_EQ(BigEndian32(&bytes[16]), 640u);  // IHDR width and height
  EXPECT_EQ(BigEndian32(&bytes[20]), 400u);

  ASSERT_TRUE(Call(kWriteJpeg, {Str(jpg.c_str()), I4(80), Flag(false), Flag(true), Flag(false)}));
  bytes = ReadFile(jpg);
  ASSERT_GT(bytes.size(), 4u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);
  EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);
  EXPECT_EQ(bytes[bytes.size() - 1], 0xD9);
  // A name without an extension is used as it is.
  const std::string plain = Path("noextension");
  EXPECT_TRUE(Call(kWriteJpeg, {Str(plain.c_str()), I4(80), Flag(false), Flag(true), Flag(false)}));
  EXPECT_FALSE(ReadFile(plain).empty());
  for (const std::string& p : {png, jpg, plain}) std::remove(p.c_str());
}

TEST_F(ChartOutputTest, UnwritablePathsAndUnknownFormatsAnswerFalse) {
  const std::string missing = Path("no-such-folder\\x.bmp");
  EXPECT_FALSE(Call(kWriteGraph, {Str(missing.c_str()), I4(1)}));
  EXPECT_FALSE(Call(kWritePng, {Str(missing.c_str()), Flag(false)}));
  EXPECT_FALSE(Call(kWriteGraph, {Str(Path("x.bmp").c_str()), I4(7)}));
  EXPECT_FALSE(Call(kCopyGraph, {I4(0)}));
}

TEST_F(ChartOutputTest, CopyPutsEachFormatOnTheClipboard) {
  struct Case {
    int32_t format;
    UINT clipboardFormat;
  };
  for (const Case& c : {Case{1, CF_DIB}, Case{2, CF_METAFILEPICT}, Case{3, CF_ENHMETAFILE}}) {
    SCOPED_TRACE(c.format);
    // The clipboard is the whole system's: another program may take it in between, so look
    // only at what this chart put there (and copy again when it was taken).
    bool ours = false;
    for (int attempt = 0; attempt < 10 && !ours; ++attempt) {
      ASSERT_TRUE(Call(kCopyGraph, {I4(c.format)}));
      for (int wait = 0; wait < 20 && !OpenClipboard(nullptr); ++wait) Sleep(10);
      ours = GetClipboardOwner() == host_.hwnd();
      if (!ours) CloseClipboard();
    }
    ASSERT_TRUE(ours);
    EXPECT_TRUE(IsClipboardFormatAvailable(c.clipboardFormat));
    if (c.clipboardFormat == CF_DIB) {
      HGLOBAL memory = GetClipboardData(CF_DIB);
      ASSERT_NE(memory, nullptr);
      auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(memory));
      EXPECT_EQ(header->biWidth, 640);
      EXPECT_EQ(header->biHeight, 400);
      GlobalUnlock(memory);
    } else if (c.clipboardFormat == CF_ENHMETAFILE) {
      auto emf = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
      ASSERT_NE(emf, nullptr);
      EXPECT_GT(PlayAndCount(emf, SIZE{640, 400}, kGraph), plotArea_ * 9 / 10);
    } else {
      HGLOBAL memory = GetClipboardData(CF_METAFILEPICT);
      ASSERT_NE(memory, nullptr);
      auto* picture = static_cast<METAFILEPICT*>(GlobalLock(memory));
      EXPECT_EQ(picture->mm, MM_ANISOTROPIC);
      EXPECT_GT(picture->xExt, picture->yExt);
      EXPECT_NE(picture->hMF, nullptr);
      GlobalUnlock(memory);
    }
    CloseClipboard();
  }
}

TEST_F(ChartOutputTest, PrintingAnswersWhetherAPageWentToThePrinter) {
  // Whether this machine has a default printer is its own affair; the call must answer.
  ChartValue result;
  ASSERT_TRUE(CallMethod(chart_, kPrintGraph, {I4(2), I4(5), I4(0), I4(0), I4(0), I4(0)}, &result));
  EXPECT_EQ(result.kind, ChartValue::Bool);
  DWORD length = 0;
  GetDefaultPrinterA(nullptr, &length);
  if (length == 0) {
    EXPECT_EQ(result.integer, 0);
  }
}

}  // namespace
}  // namespace chartcontrol
