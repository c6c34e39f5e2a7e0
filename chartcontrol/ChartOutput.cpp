#include "chartcontrol/ChartOutput.h"

#include <objbase.h>
#include <wincodec.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "chartcontrol/ChartRenderer.h"
#include "common/win32/Handles.h"

namespace chartcontrol {

namespace {

using win32::ComRef;
using win32::ComScope;
using win32::SelectGuard;
using win32::UniqueBitmap;
using win32::UniqueEnhMetaFile;
using win32::UniqueMemoryDc;
using ScreenDc = win32::WindowDc;

// The chart drawn on a 24-bit bottom-up DIB: the row order of BMP files and the clipboard.
struct ChartPixels {
  int width = 0, height = 0, stride = 0;
  std::vector<BYTE> bits;  // BGR rows, the last row first
};

bool DrawPixels(const ChartModel& model, SIZE size, ChartPixels& out) {
  if (size.cx <= 0 || size.cy <= 0 || size.cx > 20000 || size.cy > 20000) return false;
  void* bits = nullptr;
  UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
  UniqueBitmap bitmap = win32::CreateDib32(size.cx, size.cy, &bits, win32::DibRows::BottomUp);
  if (!memory || !bitmap || !bits) return false;
  {
    SelectGuard select(memory.get(), bitmap.get());
    RenderChart(memory.get(), RECT{0, 0, size.cx, size.cy}, model);
    GdiFlush();
  }
  out.width = size.cx;
  out.height = size.cy;
  out.stride = (size.cx * 3 + 3) & ~3;
  out.bits.assign(static_cast<size_t>(out.stride) * size.cy, 0);
  const BYTE* source = static_cast<const BYTE*>(bits);
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x) {
      const BYTE* s = source + (static_cast<size_t>(y) * size.cx + x) * 4;
      BYTE* d = out.bits.data() + static_cast<size_t>(y) * out.stride + x * 3;
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
    }
  return true;
}

BITMAPINFOHEADER HeaderOf(const ChartPixels& pixels) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = pixels.width;
  header.biHeight = pixels.height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(pixels.bits.size());
  header.biXPelsPerMeter = header.biYPelsPerMeter = 3780;  // 96 dots per inch
  return header;
}

bool WriteBytes(const char* path, const void* data, size_t size) {
  FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  const bool written = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

bool WriteBmp(const ChartModel& model, SIZE size, const char* path) {
  ChartPixels pixels;
  if (!DrawPixels(model, size, pixels)) return false;
  const BITMAPINFOHEADER header = HeaderOf(pixels);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.bits.size());
  std::vector<BYTE> bytes(file.bfSize);
  std::memcpy(bytes.data(), &file, sizeof(file));
  std::memcpy(bytes.data() + sizeof(file), &header, sizeof(header));
  std::memcpy(bytes.data() + file.bfOffBits, pixels.bits.data(), pixels.bits.size());
  return WriteBytes(path, bytes.data(), bytes.size());
}

// The chart recorded as an enhanced metafile, in a file at `path` or in memory (null). Bands
// are blended (AlphaBlend records), or hatched for a metafile that becomes a Windows metafile,
// which has no blending and no PolyPolyline: its lines are then drawn one Polyline each.
UniqueEnhMetaFile DrawEnhMetaFile(const ChartModel& model, SIZE size, const char* path, bool blend) {
  ScreenDc screen(nullptr);
  if (!screen.get() || size.cx <= 0 || size.cy <= 0) return UniqueEnhMetaFile();
  // The frame in hundredths of a millimetre, from the screen's pixel size.
  const double mmPerPixelX = GetDeviceCaps(screen.get(), HORZSIZE) / static_cast<double>(GetDeviceCaps(screen.get(), HORZRES));
  const double mmPerPixelY = GetDeviceCaps(screen.get(), VERTSIZE) / static_cast<double>(GetDeviceCaps(screen.get(), VERTRES));
  const RECT frame{0, 0, static_cast<LONG>(size.cx * mmPerPixelX * 100), static_cast<LONG>(size.cy * mmPerPixelY * 100)};
  HDC dc = CreateEnhMetaFileA(screen.get(), path, &frame, "ChartControl\0Chart\0");
  if (!dc) return UniqueEnhMetaFile();
  RenderOptions options;
  options.blendBands = blend;
  options.separatePolylines = !blend;  // the Windows metafile has no PolyPolyline record
  RenderChart(dc, RECT{0, 0, size.cx, size.cy}, model, options);
  return UniqueEnhMetaFile(CloseEnhMetaFile(dc));
}

// The Windows metafile records of an enhanced metafile, and the extent they draw in.
bool WindowsMetafileBits(HENHMETAFILE emf, std::vector<BYTE>& bits, SIZE& extent) {
  ScreenDc screen(nullptr);
  const UINT size = GetWinMetaFileBits(emf, 0, nullptr, MM_ANISOTROPIC, screen.get());
  if (size == 0) return false;
  bits.resize(size);
  if (GetWinMetaFileBits(emf, size, bits.data(), MM_ANISOTROPIC, screen.get()) != size) return false;
  // The first META_SETWINDOWEXT record gives the logical extent; records follow the 18-byte header.
  extent = SIZE{0, 0};
  for (size_t at = 18; at + 6 <= bits.size();) {
    DWORD words;
    WORD function;
    std::memcpy(&words, &bits[at], 4);
    std::memcpy(&function, &bits[at + 4], 2);
    if (words < 3 || at + words * 2 > bits.size()) break;
    if (function == 0x020C && words >= 5) {  // META_SETWINDOWEXT: y, x
      SHORT y, x;
      std::memcpy(&y, &bits[at + 6], 2);
      std::memcpy(&x, &bits[at + 8], 2);
      extent = SIZE{x, y};
      break;
    }
    at += static_cast<size_t>(words) * 2;
  }
  return true;
}

// A placeable Windows metafile: the Aldus header, then the records.
bool WriteWmf(const ChartModel& model, SIZE size, const char* path) {
  UniqueEnhMetaFile emf = DrawEnhMetaFile(model, size, nullptr, false);
  std::vector<BYTE> records;
  SIZE extent;
  if (!emf || !WindowsMetafileBits(emf.get(), records, extent)) return false;
  if (extent.cx <= 0 || extent.cy <= 0) extent = size;
#pragma pack(push, 2)
  struct PlaceableHeader {
    DWORD key;
    WORD handle;
    SHORT left, top, right, bottom;
    WORD unitsPerInch;
    DWORD reserved;
    WORD checksum;
  };
#pragma pack(pop)
  static_assert(sizeof(PlaceableHeader) == 22, "the placeable header has 22 bytes");
  PlaceableHeader header{};
  header.key = 0x9AC6CDD7;
  header.right = static_cast<SHORT>(extent.cx);
  header.bottom = static_cast<SHORT>(extent.cy);
  // The picture is as wide as the window at 96 dots per inch.
  header.unitsPerInch = static_cast<WORD>(std::max<LONG>(1, std::min<LONG>(65535, extent.cx * 96 / size.cx)));
  WORD words[10];
  std::memcpy(words, &header, sizeof(words));
  for (WORD w : words) header.checksum ^= w;
  std::vector<BYTE> bytes(sizeof(header) + records.size());
  std::memcpy(bytes.data(), &header, sizeof(header));
  std::memcpy(bytes.data() + sizeof(header), records.data(), records.size());
  return WriteBytes(path, bytes.data(), bytes.size());
}

bool WriteWithWic(const ChartModel& model, SIZE size, const char* path, const GUID& container, int quality) {
  ChartPixels pixels;
  if (!DrawPixels(model, size, pixels)) return false;
  const int length = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
  if (length <= 0) return false;
  std::wstring widePath(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path, -1, &widePath[0], length);
  ComScope com;
  if (!com.usable()) return false;
  ComRef<IWICImagingFactory> factory;
  ComRef<IWICStream> stream;
  ComRef<IWICBitmapEncoder> encoder;
  ComRef<IWICBitmapFrameEncode> frame;
  ComRef<IPropertyBag2> properties;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.out()))) ||
      FAILED(factory->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromFilename(widePath.c_str(), GENERIC_WRITE)) ||
      FAILED(factory->CreateEncoder(container, nullptr, encoder.out())) ||
      FAILED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(frame.out(), properties.out())))
    return false;
  if (quality >= 0 && properties.get()) {
    PROPBAG2 option{};
    option.pstrName = const_cast<LPOLESTR>(L"ImageQuality");
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_R4;
    value.fltVal = std::min(std::max(quality, 0), 100) / 100.0f;
    properties->Write(1, &option, &value);
  }
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(frame->Initialize(properties.get())) || FAILED(frame->SetSize(pixels.width, pixels.height)) ||
      FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR)
    return false;
  // WIC takes rows from the top: turn the DIB's bottom-up rows round.
  std::vector<BYTE> topDown(pixels.bits.size());
  for (int y = 0; y < pixels.height; ++y)
    std::memcpy(&topDown[static_cast<size_t>(y) * pixels.stride],
                &pixels.bits[static_cast<size_t>(pixels.height - 1 - y) * pixels.stride], pixels.stride);
  return SUCCEEDED(frame->WritePixels(pixels.height, pixels.stride, static_cast<UINT>(topDown.size()), topDown.data())) &&
         SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

// Puts `handle` on the open clipboard; the clipboard owns it from then on.
bool Offer(UINT format, HANDLE handle) {
  if (!handle) return false;
  if (SetClipboardData(format, handle)) return true;
  if (format == CF_ENHMETAFILE) DeleteEnhMetaFile(static_cast<HENHMETAFILE>(handle));
  else GlobalFree(handle);
  return false;
}

HGLOBAL GlobalCopy(const void* a, size_t aSize, const void* b, size_t bSize) {
  win32::UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, aSize + bSize));
  {
    win32::GlobalLockGuard<BYTE> p(memory.get());
    if (!p.get()) return nullptr;
    std::memcpy(p.get(), a, aSize);
    if (bSize) std::memcpy(p.get() + aSize, b, bSize);
  }
  return memory.release();
}

}  // namespace

bool WriteChart(const ChartModel& model, SIZE size, const char* path, int32_t format) {
  if (!path || !*path) return false;
  switch (static_cast<PictureFormat>(format)) {
    case PictureFormat::Bitmap: return WriteBmp(model, size, path);
    case PictureFormat::WindowsMetafile: return WriteWmf(model, size, path);
    case PictureFormat::EnhancedMetafile: return static_cast<bool>(DrawEnhMetaFile(model, size, path, true));
    default: return false;
  }
}

bool WriteChartJpeg(const ChartModel& model, SIZE size, const char* path, int32_t quality) {
  return path && *path && WriteWithWic(model, size, path, GUID_ContainerFormatJpeg, quality);
}

bool WriteChartPng(const ChartModel& model, SIZE size, const char* path) {
  return path && *path && WriteWithWic(model, size, path, GUID_ContainerFormatPng, -1);
}

bool CopyChart(const ChartModel& model, SIZE size, int32_t format, HWND owner) {
  HANDLE data = nullptr;
  UINT clipboardFormat = 0;
  switch (static_cast<PictureFormat>(format)) {
    case PictureFormat::Bitmap: {
      ChartPixels pixels;
      if (!DrawPixels(model, size, pixels)) return false;
      const BITMAPINFOHEADER header = HeaderOf(pixels);
      data = GlobalCopy(&header, sizeof(header), pixels.bits.data(), pixels.bits.size());
      clipboardFormat = CF_DIB;
      break;
    }
    case PictureFormat::WindowsMetafile: {
      UniqueEnhMetaFile emf = DrawEnhMetaFile(model, size, nullptr, false);
      std::vector<BYTE> records;
      SIZE extent;
      if (!emf || !WindowsMetafileBits(emf.get(), records, extent)) return false;
      ENHMETAHEADER header{};
      GetEnhMetaFileHeader(emf.get(), sizeof(header), &header);
      METAFILEPICT picture{};
      picture.mm = MM_ANISOTROPIC;
      picture.xExt = header.rclFrame.right - header.rclFrame.left;  // hundredths of a millimetre
      picture.yExt = header.rclFrame.bottom - header.rclFrame.top;
      picture.hMF = SetMetaFileBitsEx(static_cast<UINT>(records.size()), records.data());
      if (!picture.hMF) return false;
      data = GlobalCopy(&picture, sizeof(picture), nullptr, 0);
      if (!data) DeleteMetaFile(picture.hMF);
      clipboardFormat = CF_METAFILEPICT;
      break;
    }
    case PictureFormat::EnhancedMetafile:
      data = DrawEnhMetaFile(model, size, nullptr, true).release();
      clipboardFormat = CF_ENHMETAFILE;
      break;
    default:
      return false;
  }
  if (!data) return false;
  win32::ClipboardScope clipboard(owner, 20);
  if (!clipboard.open() || !EmptyClipboard()) {
    if (clipboardFormat == CF_ENHMETAFILE) {
      DeleteEnhMetaFile(static_cast<HENHMETAFILE>(data));
    } else {
      if (clipboardFormat == CF_METAFILEPICT) {
        auto* picture = static_cast<METAFILEPICT*>(GlobalLock(data));
        if (picture) DeleteMetaFile(picture->hMF);
        GlobalUnlock(data);
      }
      GlobalFree(data);
    }
    return false;
  }
  return Offer(clipboardFormat, data);
}

// PrintGraph's arguments: [0] 1 the window's size, 2 as large as the page allows keeping the
// shape, 3 the whole page; [1] the margin in millimetres; [2..5] left, top, width, height in
// millimetres for a place of its own (used when width and height are above 0).
bool PrintChart(const ChartModel& model, SIZE size, const int32_t (&args)[6]) {
  DWORD length = 0;
  GetDefaultPrinterA(nullptr, &length);
  if (length == 0) return false;
  std::string name(length, '\0');
  if (!GetDefaultPrinterA(&name[0], &length)) return false;
  HDC printer = CreateDCA(nullptr, name.c_str(), nullptr, nullptr);
  if (!printer) return false;
  UniqueMemoryDc owner(printer);  // DeleteDC ends it
  const int dpiX = GetDeviceCaps(printer, LOGPIXELSX), dpiY = GetDeviceCaps(printer, LOGPIXELSY);
  const int pageW = GetDeviceCaps(printer, HORZRES), pageH = GetDeviceCaps(printer, VERTRES);
  if (dpiX <= 0 || dpiY <= 0 || pageW <= 0 || pageH <= 0) return false;
  auto mmX = [&](int mm) { return static_cast<int>(static_cast<double>(mm) * dpiX / 25.4); };
  auto mmY = [&](int mm) { return static_cast<int>(static_cast<double>(mm) * dpiY / 25.4); };
  RECT area;
  if (args[4] > 0 && args[5] > 0) {
    area = RECT{mmX(args[2]), mmY(args[3]), mmX(args[2] + args[4]), mmY(args[3] + args[5])};
  } else {
    const int margin = std::max(0, args[1]);
    area = RECT{mmX(margin), mmY(margin), pageW - mmX(margin), pageH - mmY(margin)};
    const double w = area.right - area.left, h = area.bottom - area.top;
    if (args[0] == 1) {  // the window's size on paper, at 96 dots per inch
      area.right = area.left + static_cast<LONG>(std::min(w, size.cx * dpiX / 96.0));
      area.bottom = area.top + static_cast<LONG>(std::min(h, size.cy * dpiY / 96.0));
    } else if (args[0] != 3 && size.cx > 0 && size.cy > 0) {  // keep the shape
      const double scale = std::min(w / size.cx, h / size.cy);
      area.right = area.left + static_cast<LONG>(size.cx * scale);
      area.bottom = area.top + static_cast<LONG>(size.cy * scale);
    }
  }
  if (area.right <= area.left || area.bottom <= area.top) return false;
  DOCINFOA document{};
  document.cbSize = sizeof(document);
  document.lpszDocName = "Chart";
  if (StartDocA(printer, &document) <= 0) return false;
  if (StartPage(printer) <= 0) {
    AbortDoc(printer);
    return false;
  }
  RenderOptions options;
  options.blendBands = (GetDeviceCaps(printer, SHADEBLENDCAPS) & SB_PIXEL_ALPHA) != 0;
  RenderChart(printer, area, model, options);
  const bool printed = EndPage(printer) > 0;
  return EndDoc(printer) > 0 && printed;
}

}  // namespace chartcontrol
