// The graph's output from the main window's buttons and menus, each proven by reading it back
// (the clipboard by another process, files by their decoders, the printed page from the PDF
// printer's file) and compared with the chart on screen.
#include <wincodec.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "common/win32/Handles.h"
#include "plotter/chart/ChartSetup.h"
#include "tests/plotter/app/MainWindowTest.h"
#include "tests/support/Messages.h"
#include "tests/support/Picture.h"
#include "tests/support/PrintedPdf.h"

namespace {

using testsupport::Picture;

const COLORREF kCurve = chart::SeriesColour(1);

std::string ReadAll(const std::string& path) {
  std::stringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

// One plot titled "Output test": 40 steps, and 40 points with an uncertainty band.
std::string PlotFileText() {
  const auto field = [](std::string text) { return text.resize(20, ' '), text; };
  std::string text;
  for (int curve = 1; curve <= 2; ++curve) {
    text += (curve == 1 ? "40 1 0 1\n0 0 2\n" + field("steps") : "40 0 -1 3\n0 0 2\n" + field("points")) +
            field("Output test") + "\n";
    for (int section = 0; section < 3; ++section)
      for (int i = 1; i <= 40; ++i) text += std::to_string(section == 0 ? i : section == 1 ? curve * 10 * i : 15) + "\n";
  }
  return text;
}

// An image file (BMP, PNG, JPEG) decoded by WIC.
Picture Decode(const std::string& path) {
  win32::ComRef<IWICImagingFactory> factory;
  win32::ComRef<IWICBitmapDecoder> decoder;
  win32::ComRef<IWICBitmapFrameDecode> frame;
  win32::ComRef<IWICFormatConverter> converter;
  const std::wstring wide(path.begin(), path.end());
  UINT width = 0, height = 0;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.out()))) ||
      FAILED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) || FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&width, &height)))
    return Picture(0, 0);
  std::vector<BYTE> bits(static_cast<size_t>(width) * height * 4);
  converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(bits.size()), bits.data());
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), static_cast<LONG>(width), -static_cast<LONG>(height), 1, 32, BI_RGB,
                    0, 0, 0, 0, 0};
  return Picture::Drawn(width, height, [&](HDC dc) {
    SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, bits.data(), &info, DIB_RGB_COLORS);
  });
}

Picture Play(HENHMETAFILE emf, SIZE size) {
  const RECT all{0, 0, size.cx, size.cy};
  return Picture::Drawn(size.cx, size.cy, [&](HDC dc) { PlayEnhMetaFile(dc, emf, &all); });
}

// An enhanced metafile's records: lines, texts, bands (blends or polygons) and bitmaps.
struct Records {
  int lines = 0, texts = 0, bands = 0, bitmaps = 0;
};

// A named callback: the i686 compiler does not turn a lambda into a stdcall pointer.
int CALLBACK CountRecord(HDC, HANDLETABLE*, const ENHMETARECORD* r, int, LPARAM data) {
  Records& c = *reinterpret_cast<Records*>(data);
  const DWORD t = r->iType;
  c.lines += t == EMR_POLYLINE || t == EMR_POLYLINE16 || t == EMR_POLYPOLYLINE16 || t == EMR_LINETO;
  c.texts += t == EMR_EXTTEXTOUTA || t == EMR_EXTTEXTOUTW;
  c.bands += t == EMR_ALPHABLEND || t == EMR_POLYPOLYGON16 || t == EMR_POLYGON16;
  c.bitmaps += t == EMR_STRETCHDIBITS || (t == EMR_BITBLT && reinterpret_cast<const EMRBITBLT*>(r)->cbBitsSrc);
  return 1;
}

Records CountRecords(HENHMETAFILE emf) {
  Records counts;
  EnumEnhMetaFile(nullptr, emf, CountRecord, &counts, nullptr);
  return counts;
}

// Runs a program and waits for it (at most a minute) to end well.
bool RunProgram(std::string command) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  win32::UniqueFile processHandle(process.hProcess), thread(process.hThread);
  DWORD code = 1;
  return testsupport::WaitUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 60000) &&
         GetExitCodeProcess(process.hProcess, &code) && code == 0;
}

class PlotterOutputTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);  // clear of others
    folder_ = Folder();
    Load(WriteFile("plot.plo", PlotFileText()));
    testsupport::PumpFor(100);
    screen_ = std::make_unique<Picture>(Picture::OnScreen(chart_.window()));
    ASSERT_GT(screen_->Count(kCurve), 50) << "no curve on screen";
  }
  void Command(int id) { SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
  SIZE ChartSize() const { return SIZE{screen_->width(), screen_->height()}; }

  // The output has the screen's size and its colours at places along the curve, in the graph
  // area's corner and in the outer area, within `tolerance` per channel and `reach` pixels.
  void ExpectLikeScreen(const Picture& out, int tolerance, int reach) {
    ASSERT_TRUE(out.width() == screen_->width() && out.height() == screen_->height());
    std::vector<POINT> places;
    for (int y = 0; y < screen_->height(); ++y)
      for (int x = 0; x < screen_->width(); ++x)
        if (screen_->At(x, y) == kCurve) places.push_back(POINT{x, y});
    const size_t n = places.size();
    for (POINT p : {places[0], places[n / 3], places[n / 2], places[n * 2 / 3], places[n - 1], POINT{3, 3},
                    POINT{screen_->width() - 4, screen_->height() - 4}}) {
      bool found = false;
      for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
          found = found || testsupport::ColourNear(out.At(p.x + dx, p.y + dy), screen_->At(p.x, p.y), tolerance);
      EXPECT_TRUE(found) << "at " << p.x << "," << p.y << std::hex << " screen " << screen_->At(p.x, p.y)
                         << ", output " << out.At(p.x, p.y);
    }
  }

  std::string folder_;
  std::unique_ptr<Picture> screen_;
};

TEST_F(PlotterOutputTest, CopyMenuPutsEachFormatOnTheClipboardForOtherPrograms) {
  for (const auto& [command, format] : {std::pair{ID_COPY_BMP, 1}, {ID_COPY_WMF, 2}, {ID_COPY_EMF, 3}}) {
    SCOPED_TRACE(command);
    Command(command);
    const std::string out = folder_ + "clipboard.bmp";
    DeleteFileA(out.c_str());
    ASSERT_TRUE(RunProgram("\"" CLIPBOARD_READER_EXE "\" " + std::to_string(format) + " " + std::to_string(ChartSize().cx) +
                    " " + std::to_string(ChartSize().cy) + " \"" + out + "\""));
    if (format == 1) ExpectLikeScreen(Decode(out), 0, 0);  // the chart's pixels at its size
    else ExpectLikeScreen(Decode(out), 8, 1);              // drawn again from records
  }
}

TEST_F(PlotterOutputTest, SaveMenuAsksWithItsOwnNameAndTypeAndWritesThePathAsChosen) {
  const std::string replaced = folder_ + "picture.png";
  std::ofstream(replaced, std::ios::binary) << "replaced without a question";
  struct Case {
    int command;
    const char* proposed;
    const char* typeEntry;
    std::string path;
    int tolerance;  // of the decoded picture; -1: not decoded here
  };
  const Case cases[] = {
      {ID_SAVE_BMP, "Zelvora01.bmp", "BMP File (*.bmp)", folder_ + "out.bmp", 0},
      {ID_SAVE_PNG, "Zelvora01.png", "PNG File (*.png)", folder_ + "out.png", 0},
      {ID_SAVE_JPG, "Zelvora01.jpg", "JPG File (*.jpg)", folder_ + "out.jpg", 130},  // thin lines darken
      {ID_SAVE_JPG, "Zelvora01.jpg", "JPG File (*.jpg)", replaced, 130},         // a JPEG as .png
      {ID_SAVE_JPG, "Zelvora01.jpg", "JPG File (*.jpg)", folder_ + "bare", 130},  // nothing added
      {ID_SAVE_EMF, "Zelvora01.emf", "Enhanced Meta File (*.emf)", folder_ + "out.emf", -1},
      {ID_SAVE_WMF, "Zelvora01.wmf", "Windows Meta File (*.wmf)", folder_ + "out.wmf", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    Answer(c.path);
    Command(c.command);
    EXPECT_TRUE(request_.save && request_.fileName == c.proposed && request_.defaultExtension.empty());
    EXPECT_EQ(request_.filter, c.typeEntry);  // the one entry, no pattern part
    EXPECT_EQ(request_.flags, 0u);           // no overwrite prompt
    if (c.tolerance >= 0) ExpectLikeScreen(Decode(c.path), c.tolerance, c.tolerance ? 1 : 0);
  }
  EXPECT_EQ(GetFileAttributesA((folder_ + "bare.jpg").c_str()), INVALID_FILE_ATTRIBUTES);
  Answer(folder_ + "cancelled.bmp", false);
  Command(ID_SAVE_BMP);
  EXPECT_EQ(GetFileAttributesA((folder_ + "cancelled.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(PlotterOutputTest, MetafilesHoldLinesTextsAndBandsAsRecordsThatPlayBackLikeTheScreen) {
  Answer(folder_ + "vector.emf");
  Command(ID_SAVE_EMF);
  win32::UniqueEnhMetaFile emf(GetEnhMetaFileA((folder_ + "vector.emf").c_str()));
  ASSERT_TRUE(emf);
  ExpectLikeScreen(Play(emf.get(), ChartSize()), 8, 1);
  Records records = CountRecords(emf.get());
  EXPECT_TRUE(records.lines > 3 && records.texts > 5 && records.bands >= 1 && records.bitmaps == 0);

  // A placeable metafile: the key, the checksum of the header's first ten words, the records.
  Answer(folder_ + "vector.wmf");
  Command(ID_SAVE_WMF);
  const std::string bytes = ReadAll(folder_ + "vector.wmf");
  ASSERT_GT(bytes.size(), 40u);
  WORD words[11], sum = 0;
  std::memcpy(words, bytes.data(), sizeof words);
  for (int i = 0; i < 10; ++i) sum ^= words[i];
  EXPECT_TRUE(words[0] == 0xCDD7 && words[1] == 0x9AC6 && sum == words[10] && words[5] > words[3]);
  win32::UniqueEnhMetaFile converted(SetWinMetaFileBits(static_cast<UINT>(bytes.size() - 22),
                                                        reinterpret_cast<const BYTE*>(bytes.data()) + 22, nullptr,
                                                        nullptr));
  ASSERT_TRUE(converted);
  ExpectLikeScreen(Play(converted.get(), ChartSize()), 8, 1);
  records = CountRecords(converted.get());
  EXPECT_TRUE(records.lines > 3 && records.texts > 5 && records.bands >= 1);  // bands hatched
}

// Printing goes to the default printer, CUPS's PDF printer here (scripts/lib/print-env.sh).
TEST_F(PlotterOutputTest, PrintButtonPrintsOnePageOnPaperAndLeavesTheScreenLookAfterIt) {
  if (const std::string why = testsupport::PdfPrinter::Unavailable(); !why.empty())
    GTEST_SKIP() << "printing not tested: " << why;
  testsupport::PdfPrinter printer;
  const chartcontrol::ChartModel& model = chart_.model();

  Command(IDC_PRINT_GRAPHIC);

  // The screen look after the first print (not the set-up's), and thin lines again.
  EXPECT_TRUE(model.graph.frame.kind == 0 && model.graph.colours.back == RGB(225, 225, 225));
  for (const chartcontrol::Axis& axis : model.graph.axes) EXPECT_EQ(axis.grid.lineColour, RGB(210, 210, 210));
  EXPECT_TRUE(model.outerFrame.kind == 9 && model.outerFrame.width == 2 && model.title.frame.kind == 5);
  EXPECT_EQ(model.outerColours.back, GetSysColor(COLOR_BTNFACE) - 328965u);
  EXPECT_TRUE(model.groups[0].StrokeWidth(1) == 1 && model.groups[0].StrokeWidth(20) == 1 && !model.holdRedraw);

  std::vector<testsupport::PdfPage> pages;
  ASSERT_TRUE(printer.ReadJob(pages)) << "no PDF came out";
  ASSERT_EQ(pages.size(), 1u);
  std::string text;
  for (const testsupport::PdfLine& line : pages[0].lines) text += line.text + "\n";
  EXPECT_TRUE(text.find("Output test") != text.npos && text.find(model.graph.axes[0].title) != text.npos) << text;

  // White paper, and the curve's colour where the screen has it, in proportion to the printed
  // chart (as large as the page allows, keeping its shape, 5 mm from the edges).
  const Picture page = Decode(printer.PagePicture(40));
  ASSERT_GT(page.width(), 0) << "no page picture";
  const double margin = 5 / 25.4 * 40;
  const double scale = std::min((page.width() - 2 * margin) / screen_->width(), (page.height() - 2 * margin) / screen_->height());
  RECT paper{page.width(), page.height(), 0, 0};
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const COLORREF c = page.At(x, y);
      if (GetBValue(c) < 150 || GetRValue(c) > 100 || GetGValue(c) > 100) continue;
      paper = RECT{std::min<LONG>(paper.left, x), std::min<LONG>(paper.top, y), std::max<LONG>(paper.right, x + 1),
                   std::max<LONG>(paper.bottom, y + 1)};
    }
  const RECT shown = screen_->BoundsOf(kCurve);
  const LONG printed[] = {paper.left, paper.top, paper.right, paper.bottom}, onScreen[] = {shown.left, shown.top, shown.right, shown.bottom};
  for (int edge = 0; edge < 4; ++edge)  // as shares of the chart's width or height
    EXPECT_NEAR((printed[edge] - margin) / scale, onScreen[edge], 0.08 * (edge % 2 ? screen_->height() : screen_->width())) << edge;
  EXPECT_EQ(page.At(page.width() / 2, page.height() - 3), RGB(255, 255, 255));
}

}  // namespace
