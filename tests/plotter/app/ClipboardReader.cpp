// Reads the clipboard from a process of its own, as another program would, for the output
// tests: clipboard_reader <1 bitmap|2 metafile picture|3 enhanced metafile> <width> <height>
// <out.bmp> draws the clipboard's picture of that format into a width x height bitmap (a bitmap
// at its own size) and writes it as a 32-bit BMP. Exit code 0 when the format was there and drawn.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "common/win32/Handles.h"

namespace {

bool Draw(int format, HDC dc, int width, int height) {
  if (format == 1) {
    win32::GlobalLockGuard<BITMAPINFO> info(GetClipboardData(CF_DIB));
    if (!info.get()) return false;
    const BITMAPINFOHEADER& h = info.get()->bmiHeader;
    const BYTE* bits = reinterpret_cast<const BYTE*>(info.get()) + h.biSize + h.biClrUsed * 4 +
                       (h.biCompression == BI_BITFIELDS ? 12 : 0);
    const int rows = std::abs(h.biHeight);
    return SetDIBitsToDevice(dc, 0, 0, h.biWidth, rows, 0, 0, 0, rows, bits, info.get(), DIB_RGB_COLORS) > 0;
  }
  if (format == 2) {
    win32::GlobalLockGuard<METAFILEPICT> picture(GetClipboardData(CF_METAFILEPICT));
    if (!picture.get() || picture.get()->mm != MM_ANISOTROPIC) return false;
    SetMapMode(dc, MM_ANISOTROPIC);  // the picture's own window extent meets ours
    SetViewportExtEx(dc, width, height, nullptr);
    return PlayMetaFile(dc, picture.get()->hMF) != FALSE;
  }
  const RECT all{0, 0, width, height};
  auto emf = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
  return format == 3 && emf && PlayEnhMetaFile(dc, emf, &all);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  const int format = std::atoi(argv[1]), width = std::atoi(argv[2]), height = std::atoi(argv[3]);
  if (width <= 0 || height <= 0 || width > 10000 || height > 10000) return 2;
  win32::ClipboardScope clipboard(nullptr, 50);
  void* bits = nullptr;
  win32::UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
  win32::UniqueBitmap bitmap = win32::CreateDib32(width, height, &bits);
  if (!clipboard.open() || !memory || !bitmap || !bits) return 3;
  {
    win32::SelectGuard selected(memory.get(), bitmap.get());
    const RECT all{0, 0, width, height};
    FillRect(memory.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!Draw(format, memory.get(), width, height)) return 4;
    GdiFlush();
  }
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = -height;
  info.biPlanes = 1;
  info.biBitCount = 32;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = static_cast<DWORD>(sizeof file + sizeof info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(width) * height * 4;
  FILE* out = std::fopen(argv[4], "wb");
  if (!out) return 5;
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&info, sizeof info, 1, out);
  std::fwrite(bits, static_cast<size_t>(width) * height * 4, 1, out);
  return std::fclose(out) == 0 ? 0 : 5;
}
