// Reads the clipboard from a process of its own, as another program would, for the output
// tests: clipboard_reader <1 bitmap|2 metafile picture|3 enhanced metafile> <width> <height>
// <out.bmp>. Draws the picture of that format into a width x height bitmap, writes it as a
// 32-bit BMP and, beside it (out.bmp.txt), what the clipboard held: the format's own sizes and
// every format on offer. Exit code 0 when the format was there and drawn.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/win32/Handles.h"

namespace {

bool WriteBmp(const char* path, int width, int height, const void* bits) {
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = -height;
  info.biPlanes = 1;
  info.biBitCount = 32;
  const DWORD imageSize = static_cast<DWORD>(width) * height * 4;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = static_cast<DWORD>(sizeof file + sizeof info);
  file.bfSize = file.bfOffBits + imageSize;
  FILE* out = std::fopen(path, "wb");
  if (!out) return false;
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&info, sizeof info, 1, out);
  std::fwrite(bits, imageSize, 1, out);
  return std::fclose(out) == 0;
}

// Draws the clipboard's picture of `format` on `dc` (width x height); facts go to `facts`.
bool Draw(int format, HDC dc, int width, int height, std::string& facts) {
  char line[160];
  const RECT all{0, 0, width, height};
  switch (format) {
    case 1: {
      HGLOBAL memory = GetClipboardData(CF_DIB);
      win32::GlobalLockGuard<BITMAPINFO> info(memory);
      if (!info.get()) return false;
      const BITMAPINFOHEADER& h = info.get()->bmiHeader;
      std::snprintf(line, sizeof line, "dib %ld %ld %d\n", static_cast<long>(h.biWidth),
                    static_cast<long>(h.biHeight), h.biBitCount);
      facts += line;
      const BYTE* bits = reinterpret_cast<const BYTE*>(info.get()) + h.biSize +
                         (h.biCompression == BI_BITFIELDS ? 12 : 0) + h.biClrUsed * 4;
      return SetDIBitsToDevice(dc, 0, 0, h.biWidth, std::abs(h.biHeight), 0, 0, 0,
                               std::abs(h.biHeight), bits, info.get(), DIB_RGB_COLORS) > 0;
    }
    case 2: {
      HGLOBAL memory = GetClipboardData(CF_METAFILEPICT);
      win32::GlobalLockGuard<METAFILEPICT> picture(memory);
      if (!picture.get() || !picture.get()->hMF) return false;
      std::snprintf(line, sizeof line, "metafilepict %ld %ld %ld %u\n", picture.get()->mm,
                    picture.get()->xExt, picture.get()->yExt,
                    GetMetaFileBitsEx(picture.get()->hMF, 0, nullptr));
      facts += line;
      SetMapMode(dc, MM_ANISOTROPIC);
      SetViewportExtEx(dc, width, height, nullptr);
      return PlayMetaFile(dc, picture.get()->hMF) != FALSE;
    }
    case 3: {
      auto emf = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
      ENHMETAHEADER header{};
      if (!emf || !GetEnhMetaFileHeader(emf, sizeof header, &header)) return false;
      std::snprintf(line, sizeof line, "enhmetafile %ld %ld %lu\n",
                    static_cast<long>(header.rclBounds.right - header.rclBounds.left + 1),
                    static_cast<long>(header.rclBounds.bottom - header.rclBounds.top + 1),
                    header.nRecords);
      facts += line;
      return PlayEnhMetaFile(dc, emf, &all) != FALSE;
    }
    default:
      return false;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  const int format = std::atoi(argv[1]), width = std::atoi(argv[2]), height = std::atoi(argv[3]);
  if (width <= 0 || height <= 0 || width > 10000 || height > 10000) return 2;
  win32::ClipboardScope clipboard(nullptr, 50);
  if (!clipboard.open()) return 3;

  std::string facts = "formats";
  for (UINT f = EnumClipboardFormats(0); f; f = EnumClipboardFormats(f)) facts += " " + std::to_string(f);
  facts += "\n";

  void* bits = nullptr;
  win32::UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
  win32::UniqueBitmap bitmap = win32::CreateDib32(width, height, &bits);
  if (!memory || !bitmap || !bits) return 4;
  bool drawn = false;
  {
    win32::SelectGuard selected(memory.get(), bitmap.get());
    const RECT all{0, 0, width, height};
    FillRect(memory.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    drawn = Draw(format, memory.get(), width, height, facts);
    GdiFlush();
  }
  const std::string factsPath = std::string(argv[4]) + ".txt";
  if (FILE* out = std::fopen(factsPath.c_str(), "w")) {
    std::fputs(facts.c_str(), out);
    std::fclose(out);
  }
  if (!drawn) return 5;
  return WriteBmp(argv[4], width, height, bits) ? 0 : 6;
}
