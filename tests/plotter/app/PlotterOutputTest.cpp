// The graph's output from the main window's buttons and menus, each proven by reading it back:
// the clipboard by another process, the files by their decoders, the printed page from the PDF
// printer's file. Outputs are compared with the chart on screen at a few places.
#include <windows.h>
#include <objbase.h>
#include <wincodec.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/win32/Handles.h"
#include "plotter/app/PlotterDlg.h"
#include "plotter/chart/ChartSetup.h"
#include "plotter/framework/FileDialog.h"
#include "resources/zelvora_ids.h"
#include "tests/plotter/chart/LinkedChart.h"
#include "tests/support/Messages.h"
#include "tests/support/Picture.h"

namespace {

using testsupport::Picture;

const COLORREF kCurve = chart::SeriesColour(1);

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A plot file of one plot titled "Output test": 40 steps, and 40 points with an uncertainty band.
std::string PlotFileText() {
  const auto field = [](std::string text) { return text.resize(20, ' '), text; };
  std::string text;
  for (int curve = 0; curve < 2; ++curve) {
    text += curve == 0 ? "40 1 0 1\n0 0 2\n" + field("steps") : "40 0 -1 3\n0 0 2\n" + field("points");
    text += field("Output test") + field("") + "\n";
    for (int section = 0; section < 3; ++section)
      for (int i = 1; i <= 40; ++i)
        text += std::to_string(section == 0 ? i : section == 1 ? (curve + 1) * 10 * i : 15) + "\n";
  }
  return text;
}

// An image file decoded by WIC, as a picture.
Picture Decode(const std::string& path) {
  win32::ComRef<IWICImagingFactory> factory;
  win32::ComRef<IWICBitmapDecoder> decoder;
  win32::ComRef<IWICBitmapFrameDecode> frame;
  win32::ComRef<IWICFormatConverter> converter;
  const std::wstring wide(path.begin(), path.end());
  UINT width = 0, height = 0;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out()))) ||
      FAILED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) || FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                   nullptr, 0, WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&width, &height)))
    return Picture(0, 0);
  std::vector<BYTE> bits(static_cast<size_t>(width) * height * 4);
  if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(bits.size()), bits.data())))
    return Picture(0, 0);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  return Picture::Drawn(width, height, [&](HDC dc) {
    SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, bits.data(), &info, DIB_RGB_COLORS);
  });
}

// An enhanced metafile played into a picture of `size`.
Picture Play(HENHMETAFILE emf, SIZE size) {
  const RECT all{0, 0, size.cx, size.cy};
  return Picture::Drawn(size.cx, size.cy, [&](HDC dc) {
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    PlayEnhMetaFile(dc, emf, &all);
  });
}

// Counts of an enhanced metafile's records by kind.
struct RecordCounts {
  int lines = 0, texts = 0, bands = 0, bitmaps = 0, all = 0;
};

int CALLBACK CountRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
  auto* counts = reinterpret_cast<RecordCounts*>(data);
  ++counts->all;
  switch (record->iType) {
    case EMR_POLYLINE: case EMR_POLYLINE16: case EMR_POLYPOLYLINE: case EMR_POLYPOLYLINE16:
    case EMR_LINETO: case EMR_POLYLINETO16:
      ++counts->lines;
      break;
    case EMR_EXTTEXTOUTA: case EMR_EXTTEXTOUTW:
      ++counts->texts;
      break;
    case EMR_ALPHABLEND: case EMR_POLYPOLYGON: case EMR_POLYPOLYGON16: case EMR_POLYGON:
    case EMR_POLYGON16:
      ++counts->bands;
      break;
    case EMR_STRETCHDIBITS: case EMR_SETDIBITSTODEVICE:
      ++counts->bitmaps;
      break;
    case EMR_BITBLT:  // a pattern fill unless it carries a bitmap
      counts->bitmaps += reinterpret_cast<const EMRBITBLT*>(record)->cbBitsSrc > 0;
      break;
    case EMR_STRETCHBLT:
      counts->bitmaps += reinterpret_cast<const EMRSTRETCHBLT*>(record)->cbBitsSrc > 0;
      break;
    default:
      break;
  }
  return 1;
}

RecordCounts CountRecords(HENHMETAFILE emf) {
  RecordCounts counts;
  EnumEnhMetaFile(nullptr, emf, CountRecord, &counts, nullptr);
  return counts;
}

class PlotterOutputTest : public testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    dialog_ = std::make_unique<plotter::CPlotterDlg>();
    hwnd_ = dialog_->Create();
    ASSERT_NE(hwnd_, nullptr);
    ASSERT_TRUE(chart_.made());
    // On top, clear of the windows other test programs show.
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    folder_ = std::string(folder) + "zelvora-output-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
    Answer(folder_ + "plot.plo");
    std::ofstream(folder_ + "plot.plo", std::ios::binary) << PlotFileText();
    Click(IDC_LOAD_SPECTRUM);
    testsupport::PumpFor(100);
    screen_ = std::make_unique<Picture>(Picture::OnScreen(chart_.window()));
    ASSERT_GT(screen_->Count(kCurve), 50) << "no curve drawn on screen";
  }
  void TearDown() override {
    framework::SetFileDialogAnswerer(nullptr);
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    CoUninitialize();
  }
  // The file dialog answers OK with `path` and keeps the request it saw.
  void Answer(const std::string& path) {
    framework::SetFileDialogAnswerer([this, path](framework::FileDialogRequest& request) {
      request_ = request;
      request.chosenPath = path;
      return true;
    });
  }
  void Click(int id) {
    SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hwnd_, id)));
  }
  void Command(int id) { SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  SIZE ChartSize() const { return SIZE{screen_->width(), screen_->height()}; }

  // The output has the screen's size, and the screen's curve, graph area and outer colours at
  // places spread over the curve and the picture (within `tolerance` per channel, and for
  // pictures drawn again from records within one pixel of the place).
  void ExpectLikeScreen(const Picture& out, int tolerance, int reach) {
    ASSERT_EQ(out.width(), screen_->width());
    ASSERT_EQ(out.height(), screen_->height());
    std::vector<POINT> places;
    for (int y = 0; y < screen_->height(); ++y)
      for (int x = 0; x < screen_->width(); ++x)
        if (screen_->At(x, y) == kCurve) places.push_back(POINT{x, y});
    ASSERT_GT(places.size(), 10u);
    const std::vector<POINT> samples = {places.front(), places[places.size() / 3], places[places.size() / 2],
                                        places[places.size() * 2 / 3], places.back(), POINT{3, 3},
                                        POINT{screen_->width() / 2, screen_->height() - 20}};
    for (const POINT& p : samples) {
      const COLORREF want = screen_->At(p.x, p.y);
      bool found = false;
      for (int dy = -reach; dy <= reach && !found; ++dy)
        for (int dx = -reach; dx <= reach && !found; ++dx)
          found = testsupport::ColourNear(out.At(p.x + dx, p.y + dy), want, tolerance);
      EXPECT_TRUE(found) << "at " << p.x << "," << p.y << " the screen has " << std::hex << want
                         << ", the output " << out.At(p.x, p.y);
    }
  }

  // Runs the clipboard reader in a process of its own; its picture, or an empty one.
  Picture ReadClipboardElsewhere(int format, std::string& facts) {
    const std::string out = folder_ + "clipboard-" + std::to_string(format) + ".bmp";
    std::string command = std::string("\"") + CLIPBOARD_READER_EXE + "\" " + std::to_string(format) + " " +
                          std::to_string(ChartSize().cx) + " " + std::to_string(ChartSize().cy) + " \"" + out + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
      return Picture(0, 0);
    win32::UniqueFile processHandle(process.hProcess), thread(process.hThread);
    DWORD code = 1;
    testsupport::WaitUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 30000);
    GetExitCodeProcess(process.hProcess, &code);
    facts = ReadAll(out + ".txt");
    return code == 0 ? Decode(out) : Picture(0, 0);
  }

  LinkedChart chart_;
  std::unique_ptr<plotter::CPlotterDlg> dialog_;
  HWND hwnd_ = nullptr;
  std::string folder_;
  framework::FileDialogRequest request_;
  std::unique_ptr<Picture> screen_;
};

TEST_F(PlotterOutputTest, CopyMenuPutsEachFormatOnTheClipboardForOtherPrograms) {
  struct Case {
    int command;
    int format;
    const char* facts;  // what the reader says of the format
  };
  const Case cases[] = {{ID_COPY_BMP, 1, "dib"}, {ID_COPY_WMF, 2, "metafilepict 8"}, {ID_COPY_EMF, 3, "enhmetafile"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    Command(c.command);
    std::string facts;
    const Picture read = ReadClipboardElsewhere(c.format, facts);
    EXPECT_NE(facts.find(c.facts), std::string::npos) << facts;
    if (c.format == 1) {  // the chart's size, pixel for pixel
      EXPECT_NE(facts.find("dib " + std::to_string(ChartSize().cx) + " " + std::to_string(ChartSize().cy)),
                std::string::npos) << facts;
      ExpectLikeScreen(read, 0, 0);
    } else {
      ExpectLikeScreen(read, 8, 1);
    }
  }
}

TEST_F(PlotterOutputTest, SaveMenuAsksWithItsOwnNameAndTypeAndWritesDecodableFiles) {
  struct Case {
    int command;
    const char* proposed;
    const char* typeEntry;
    const char* file;
  };
  const Case cases[] = {
      {ID_SAVE_BMP, "Zelvora01.bmp", "BMP File (*.bmp)", "out.bmp"},
      {ID_SAVE_PNG, "Zelvora01.png", "PNG File (*.png)", "out.png"},
      {ID_SAVE_JPG, "Zelvora01.jpg", "JPG File (*.jpg)", "out.jpg"},
      {ID_SAVE_EMF, "Zelvora01.emf", "Enhanced Meta File (*.emf)", "out.emf"},
      {ID_SAVE_WMF, "Zelvora01.wmf", "Windows Meta File (*.wmf)", "out.wmf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.proposed);
    const std::string path = folder_ + c.file;
    Answer(path);
    Command(c.command);
    EXPECT_TRUE(request_.save);
    EXPECT_EQ(request_.fileName, c.proposed);
    EXPECT_EQ(request_.filter, c.typeEntry);  // the one entry, no pattern part
    EXPECT_TRUE(request_.defaultExtension.empty());
    EXPECT_EQ(request_.flags, 0u);  // no overwrite prompt
    if (c.command == ID_SAVE_BMP || c.command == ID_SAVE_PNG) ExpectLikeScreen(Decode(path), 0, 0);
    if (c.command == ID_SAVE_JPG) ExpectLikeScreen(Decode(path), 130, 1);  // lossy, thin lines darken
  }
}

TEST_F(PlotterOutputTest, MetafilesHoldTheGraphAsRecordsThatPlayBackLikeTheScreen) {
  Answer(folder_ + "vector.emf");
  Command(ID_SAVE_EMF);
  win32::UniqueEnhMetaFile emf(GetEnhMetaFileA((folder_ + "vector.emf").c_str()));
  ASSERT_TRUE(emf);
  ExpectLikeScreen(Play(emf.get(), ChartSize()), 8, 1);
  const RecordCounts records = CountRecords(emf.get());
  EXPECT_GT(records.lines, 3);
  EXPECT_GT(records.texts, 5);
  EXPECT_GE(records.bands, 1);
  EXPECT_EQ(records.bitmaps, 0);

  // A placeable metafile: its header, then Windows metafile records.
  Answer(folder_ + "vector.wmf");
  Command(ID_SAVE_WMF);
  const std::string bytes = ReadAll(folder_ + "vector.wmf");
  ASSERT_GT(bytes.size(), 22u + 18u);
  WORD words[11];
  std::memcpy(words, bytes.data(), sizeof words);
  EXPECT_EQ(words[0] | (static_cast<DWORD>(words[1]) << 16), 0x9AC6CDD7u);
  WORD sum = 0;
  for (int i = 0; i < 10; ++i) sum ^= words[i];
  EXPECT_EQ(sum, words[10]);
  EXPECT_GT(words[5], words[3]);  // a picture wider than 0 units
  win32::UniqueEnhMetaFile converted(SetWinMetaFileBits(static_cast<UINT>(bytes.size() - 22),
                                                        reinterpret_cast<const BYTE*>(bytes.data()) + 22,
                                                        nullptr, nullptr));
  ASSERT_TRUE(converted);
  ExpectLikeScreen(Play(converted.get(), ChartSize()), 8, 1);
  const RecordCounts wmfRecords = CountRecords(converted.get());
  EXPECT_GT(wmfRecords.lines + wmfRecords.texts, 5);
  EXPECT_GE(wmfRecords.bands, 1);  // bands hatched as polygons: a Windows metafile cannot blend
}

TEST_F(PlotterOutputTest, SavedPathsGoUnchangedAndExistingFilesAreReplacedWithoutAQuestion) {
  const std::string other = folder_ + "picture.png", bare = folder_ + "bare";
  std::ofstream(other, std::ios::binary) << "not a picture";
  Answer(other);
  Command(ID_SAVE_JPG);  // a JPEG under a PNG name: nothing added, nothing changed
  Answer(bare);
  Command(ID_SAVE_JPG);
  for (const std::string& path : {other, bare}) {
    const std::string bytes = ReadAll(path);
    ASSERT_GT(bytes.size(), 2u) << path;
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xD8") << path;
  }
  EXPECT_EQ(GetFileAttributesA((bare + ".jpg").c_str()), INVALID_FILE_ATTRIBUTES);

  // Cancel writes nothing.
  framework::SetFileDialogAnswerer([](framework::FileDialogRequest&) { return false; });
  const std::string before = ReadAll(bare);
  Command(ID_SAVE_BMP);
  EXPECT_EQ(ReadAll(bare), before);
}

}  // namespace

namespace {

// The print path: the default printer of this machine is CUPS's PDF printer, which writes each
// job as a PDF into the user's PDF folder; poppler's tools read it back.
struct PrintPath {
  std::string folder;      // the PDF folder, as Windows sees it
  std::string unixFolder;  // the same folder for the Unix tools
  std::string missing;     // why printing cannot be tested here
};

PrintPath FindPrintPath() {
  PrintPath path;
  char printer[256] = "";
  DWORD length = sizeof printer;
  char home[MAX_PATH] = "";
  GetEnvironmentVariableA("WINEHOMEDIR", home, sizeof home);  // \??\Z:\home\user
  const std::string unixHome = std::string(home).size() > 6 ? std::string(home).substr(6) : "";
  if (!GetDefaultPrinterA(printer, &length) || std::string(printer) != "PDF")
    path.missing = "the default printer is not CUPS's \"PDF\" (scripts/lib/print-env.sh sets it up)";
  else if (GetFileAttributesA("Z:\\usr\\bin\\pdftoppm") == INVALID_FILE_ATTRIBUTES)
    path.missing = "poppler's tools are not installed";
  else if (unixHome.empty())
    path.missing = "no Unix home folder known to Wine";
  path.unixFolder = unixHome;
  for (char& c : path.unixFolder) c = c == '\\' ? '/' : c;
  path.unixFolder += "/PDF";
  path.folder = "Z:" + unixHome + "\\PDF\\";
  return path;
}

std::set<std::string> PdfFiles(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder + "*.pdf").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.insert(found.cFileName);
  while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// Runs a Unix shell command line (Wine starts Unix programs too) and waits until it wrote
// `marker` (Wine cannot wait on a Unix process).
void RunUnix(const std::string& line, const std::string& marker, const std::string& unixMarker) {
  DeleteFileA(marker.c_str());
  std::string command = "/bin/sh -c \"" + line + "; echo done > '" + unixMarker + "'\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return;
  win32::UniqueFile processHandle(process.hProcess), thread(process.hThread);
  testsupport::WaitUntil([&] { return GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 60000);
}

// A binary PPM (P6) as a picture.
Picture ReadPpm(const std::string& path) {
  const std::string bytes = ReadAll(path);
  std::istringstream header(bytes);
  std::string magic;
  int width = 0, height = 0, maximum = 0;
  header >> magic >> width >> height >> maximum;
  const size_t start = static_cast<size_t>(header.tellg()) + 1;
  if (magic != "P6" || width <= 0 || height <= 0 || bytes.size() < start + size_t(width) * height * 3)
    return Picture(0, 0);
  return Picture::Drawn(width, height, [&](HDC dc) {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data()) + start + (size_t(y) * width + x) * 3;
        SetPixelV(dc, x, y, RGB(p[0], p[1], p[2]));
      }
  });
}

TEST_F(PlotterOutputTest, PrintButtonPrintsOnePageOnPaperAndLeavesTheScreenLookAfterIt) {
  const PrintPath path = FindPrintPath();
  if (!path.missing.empty()) GTEST_SKIP() << "printing not tested: " << path.missing;
  const std::set<std::string> before = PdfFiles(path.folder);
  const chartcontrol::ChartModel& model = chart_.model();
  const std::string xTitle = model.graph.axes[chartcontrol::kAxisX].title;
  ASSERT_NE(model.title.text.find("Output test"), std::string::npos);

  Click(IDC_PRINT_GRAPHIC);

  // The screen look after the first print, and thin lines again.
  EXPECT_EQ(model.graph.frame.kind, 0);
  EXPECT_EQ(model.graph.colours.back, RGB(225, 225, 225));
  EXPECT_EQ(model.graph.axes[chartcontrol::kAxisX].grid.lineColour, RGB(210, 210, 210));
  EXPECT_EQ(model.graph.axes[chartcontrol::kAxisY].grid.lineColour, RGB(210, 210, 210));
  EXPECT_TRUE(model.outerFrame.kind == 9 && model.outerFrame.width == 2 && model.title.frame.kind == 5);
  EXPECT_EQ(model.outerColours.back, GetSysColor(COLOR_BTNFACE) - 328965u);
  EXPECT_EQ(model.groups[0].StrokeWidth(1), 1);
  EXPECT_EQ(model.groups[0].StrokeWidth(20), 1);
  EXPECT_FALSE(model.holdRedraw);

  // The job becomes a PDF a moment later.
  std::string pdf;
  ASSERT_TRUE(testsupport::WaitUntil([&] {
    for (const std::string& name : PdfFiles(path.folder))
      if (!before.count(name)) pdf = name;
    return !pdf.empty();
  }, 60000)) << "no PDF appeared in " << path.folder;
  const std::string unixPdf = path.unixFolder + "/" + pdf, unixOut = path.unixFolder + "/readback-" + std::to_string(GetCurrentProcessId());
  const std::string out = path.folder + "readback-" + std::to_string(GetCurrentProcessId());
  const auto run = [&](const std::string& line) { RunUnix(line, out + ".done", unixOut + ".done"); };
  testsupport::WaitUntil([&] {  // written out completely once pdfinfo reads it
    run("pdfinfo '" + unixPdf + "' > '" + unixOut + ".info' 2>&1");
    return ReadAll(out + ".info").find("Pages:") != std::string::npos;
  }, 30000);
  run("pdftotext -layout '" + unixPdf + "' '" + unixOut + ".txt'; pdftoppm -r 40 '" + unixPdf + "' '" + unixOut + "'");

  const std::string info = ReadAll(out + ".info");
  std::istringstream pages(info.substr(std::min(info.size(), info.find("Pages:") + 6)));
  int pageCount = 0;
  pages >> pageCount;
  EXPECT_EQ(pageCount, 1) << info;
  const std::string text = ReadAll(out + ".txt");
  EXPECT_NE(text.find("Output test"), std::string::npos) << text;
  EXPECT_NE(text.find(xTitle), std::string::npos) << text;

  // The page: white paper, and the curve in its colour where the screen has it, in proportion
  // to the printed chart (as large as the page allows, keeping the shape, 5 mm from the edge).
  Picture page = ReadPpm(out + "-1.ppm");
  ASSERT_GT(page.width(), 0) << "pdftoppm gave no page";
  const double margin = 5 / 25.4 * 40;  // at 40 dots per inch
  const double scale = std::min((page.width() - 2 * margin) / screen_->width(),
                                (page.height() - 2 * margin) / screen_->height());
  RECT onPaper{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const COLORREF c = page.At(x, y);
      if (GetBValue(c) < 150 || GetRValue(c) > 100 || GetGValue(c) > 100) continue;  // curve blue
      onPaper = RECT{std::min<LONG>(onPaper.left, x), std::min<LONG>(onPaper.top, y),
                     std::max<LONG>(onPaper.right, x + 1), std::max<LONG>(onPaper.bottom, y + 1)};
    }
  const RECT onScreen = screen_->BoundsOf(kCurve);
  ASSERT_LT(onPaper.left, onPaper.right) << "the curve's colour is not on the page";
  const LONG paper[4] = {onPaper.left, onPaper.top, onPaper.right, onPaper.bottom};
  const LONG shown[4] = {onScreen.left, onScreen.top, onScreen.right, onScreen.bottom};
  const double size[4] = {double(screen_->width()), double(screen_->height()), double(screen_->width()),
                          double(screen_->height())};
  for (int edge = 0; edge < 4; ++edge)
    EXPECT_NEAR((paper[edge] - margin) / scale / size[edge], shown[edge] / size[edge], 0.08) << "edge " << edge;
  EXPECT_EQ(page.At(page.width() / 2, page.height() - 3), RGB(255, 255, 255));
  DeleteFileA((path.folder + pdf).c_str());
  for (const char* suffix : {".info", ".txt", "-1.ppm", ".done"}) DeleteFileA((out + suffix).c_str());
}

}  // namespace
