// Owning wrappers for the handles the chart component makes: each frees its handle exactly once.
// (The component keeps its own copy: it must not depend on the plotter's folders.)
#pragma once

#include <windows.h>

#include <utility>

template <typename Handle, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : handle_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle h = nullptr) {
    if (handle_ && handle_ != h) Traits::Free(handle_);
    handle_ = h;
  }

 private:
  Handle handle_ = nullptr;
};

struct GdiObjectTraits { static void Free(HGDIOBJ h) { DeleteObject(h); } };
struct MemoryDcTraits { static void Free(HDC h) { DeleteDC(h); } };
struct EnhMetaFileTraits { static void Free(HENHMETAFILE h) { DeleteEnhMetaFile(h); } };
struct FileTraits { static void Free(HANDLE h) { CloseHandle(h); } };

using UniquePen = UniqueHandle<HPEN, GdiObjectTraits>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectTraits>;
using UniqueFont = UniqueHandle<HFONT, GdiObjectTraits>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectTraits>;
using UniqueRegion = UniqueHandle<HRGN, GdiObjectTraits>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using UniqueEnhMetaFile = UniqueHandle<HENHMETAFILE, EnhMetaFileTraits>;

// Selects an object into a device context for the lifetime of the guard.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Saves the whole state of a device context (clip region, objects, modes) for the scope.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;
  ~SavedDc() { if (saved_) RestoreDC(dc_, saved_); }

 private:
  HDC dc_;
  int saved_;
};

// A window's device context, released on scope exit.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() { if (dc_) ReleaseDC(hwnd_, dc_); }
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// BeginPaint/EndPaint pair.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { EndPaint(hwnd_, &ps_); }
  HDC get() const { return dc_; }
  const PAINTSTRUCT& paint() const { return ps_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_ = nullptr;
};
