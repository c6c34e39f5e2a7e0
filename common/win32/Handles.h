// Owning wrappers for every kind of Windows handle the programs, the chart component and the
// tests make: each frees its handle exactly once. Header-only, so every module can use it.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <utility>

namespace win32 {

// Owns one handle of a kind whose "none" value is null; Traits::Free releases it.
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
  // For calls that hand out a handle; the wrapper must be empty.
  Handle* receive() { return &handle_; }
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle h = nullptr) {
    if (handle_ && handle_ != h) Traits::Free(handle_);
    handle_ = h;
  }

 private:
  Handle handle_ = nullptr;
};

struct GdiObjectTraits { static void Free(HGDIOBJ h) { DeleteObject(h); } };
struct IconTraits { static void Free(HICON h) { DestroyIcon(h); } };
struct CursorTraits { static void Free(HCURSOR h) { DestroyCursor(h); } };
struct MenuTraits { static void Free(HMENU h) { DestroyMenu(h); } };
struct MemoryDcTraits { static void Free(HDC h) { DeleteDC(h); } };
struct WindowTraits { static void Free(HWND h) { DestroyWindow(h); } };
struct EnhMetaFileTraits { static void Free(HENHMETAFILE h) { DeleteEnhMetaFile(h); } };
struct MetaFileTraits { static void Free(HMETAFILE h) { DeleteMetaFile(h); } };
struct LibraryTraits { static void Free(HMODULE h) { FreeLibrary(h); } };
struct RegistryKeyTraits { static void Free(HKEY h) { RegCloseKey(h); } };
struct GlobalMemoryTraits { static void Free(HGLOBAL h) { GlobalFree(h); } };
struct LocalMemoryTraits { static void Free(HLOCAL h) { LocalFree(h); } };
struct ImageListTraits { static void Free(HIMAGELIST h) { ImageList_Destroy(h); } };  // comctl32

using UniquePen = UniqueHandle<HPEN, GdiObjectTraits>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectTraits>;
using UniqueFont = UniqueHandle<HFONT, GdiObjectTraits>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectTraits>;
using UniqueRegion = UniqueHandle<HRGN, GdiObjectTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueCursor = UniqueHandle<HCURSOR, CursorTraits>;
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using UniqueDc = UniqueHandle<HDC, MemoryDcTraits>;  // made by CreateDC or a print dialog
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;
using UniqueEnhMetaFile = UniqueHandle<HENHMETAFILE, EnhMetaFileTraits>;
using UniqueMetaFile = UniqueHandle<HMETAFILE, MetaFileTraits>;
using UniqueLibrary = UniqueHandle<HMODULE, LibraryTraits>;
using UniqueRegistryKey = UniqueHandle<HKEY, RegistryKeyTraits>;
using UniqueGlobal = UniqueHandle<HGLOBAL, GlobalMemoryTraits>;
using UniqueLocal = UniqueHandle<HLOCAL, LocalMemoryTraits>;
using UniqueImageList = UniqueHandle<HIMAGELIST, ImageListTraits>;

// The row order of a DIB section.
enum class DibRows { TopDown, BottomUp };

// A 32-bit BI_RGB DIB section of `width` x `height` pixels; `*bits` gets its pixels (0x00rrggbb).
inline UniqueBitmap CreateDib32(int width, int height, void** bits, DibRows rows = DibRows::TopDown) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = rows == DibRows::TopDown ? -height : height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  *bits = nullptr;
  return UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

// A kernel handle from CreateFile and the like, whose "none" is INVALID_HANDLE_VALUE (or null).
// Close() closes it and reports the result; afterwards the wrapper holds nothing.
class UniqueFile {
 public:
  UniqueFile() = default;
  explicit UniqueFile(HANDLE handle) : handle_(handle) {}
  UniqueFile(const UniqueFile&) = delete;
  UniqueFile& operator=(const UniqueFile&) = delete;
  UniqueFile(UniqueFile&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  UniqueFile& operator=(UniqueFile&& other) noexcept {
    Close();
    handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
    return *this;
  }
  ~UniqueFile() { Close(); }

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  explicit operator bool() const { return valid(); }
  bool Close() {
    if (!valid()) return true;
    return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != FALSE;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// One counted reference to a COM object (anything with Release()).
template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  explicit ComRef(Interface* adopted) : p_(adopted) {}
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ComRef(ComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComRef& operator=(ComRef&& other) noexcept {
    reset(std::exchange(other.p_, nullptr));
    return *this;
  }
  ~ComRef() { reset(); }

  Interface* operator->() const { return p_; }
  Interface* get() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For calls that hand out a reference; the wrapper must be empty.
  Interface** out() { return &p_; }
  void** out_void() { return reinterpret_cast<void**>(&p_); }
  void reset(Interface* adopted = nullptr) {
    Interface* old = std::exchange(p_, adopted);
    if (old && old != adopted) old->Release();
  }

 private:
  Interface* p_ = nullptr;
};

// COM for the scope of one call, whatever the caller did before.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT result_;
};

// A locked global memory block, unlocked when the guard goes.
template <typename T = void>
class GlobalLockGuard {
 public:
  explicit GlobalLockGuard(HGLOBAL memory) : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
  ~GlobalLockGuard() {
    if (data_) GlobalUnlock(memory_);
  }
  T* get() const { return static_cast<T*>(data_); }

 private:
  HGLOBAL memory_;
  void* data_;
};

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
  ~SavedDc() {
    if (saved_) RestoreDC(dc_, saved_);
  }

 private:
  HDC dc_;
  int saved_;
};

// A window's device context (or the screen's, for a null window), released on scope exit.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
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

// An open clipboard, closed on every path out of the scope. Another program may hold it for a
// moment: `attempts` tries 10 ms apart.
class ClipboardScope {
 public:
  explicit ClipboardScope(HWND owner, int attempts = 1) {
    for (int attempt = 0; attempt < attempts && !open_; ++attempt) {
      if (attempt) Sleep(10);
      open_ = OpenClipboard(owner) != FALSE;
    }
  }
  ClipboardScope(const ClipboardScope&) = delete;
  ClipboardScope& operator=(const ClipboardScope&) = delete;
  ~ClipboardScope() {
    if (open_) CloseClipboard();
  }
  bool open() const { return open_; }

 private:
  bool open_ = false;
};

// Shows the wait cursor until the guard goes or Restore() is called.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor() { Restore(); }
  void Restore() {
    if (active_) SetCursor(previous_);
    active_ = false;
  }

 private:
  HCURSOR previous_;
  bool active_ = true;
};

}  // namespace win32
