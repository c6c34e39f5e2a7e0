// The character chart: the 256 codes in a grid, a code's values on a left click and the
// character on the clipboard on a right click.
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

#include "common/win32/Handles.h"
#include "editor/app/EditorState.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/ToolWindows.h"
#include "editor/app/core/CharacterGrid.h"
#include "editor/support/Drawing.h"
#include "editor/support/EditorSupport.h"
#include "editor/support/Fonts.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

constexpr const char* kChartTitle = "ASCII | ANSI Character Chart";
constexpr const char* kChartHint =
    "Click the left button to show a character code, or the right button to copy the character to the clipboard";
constexpr int kChartWidth = 518;
constexpr int kChartHeight = 325;
constexpr int kChartPoints = 9;
constexpr COLORREF kInfoBoxColour = RGB(255, 255, 0);

struct ChartOpening {
  PlacementRecord* placement;
  const char* faceName;
  bool useFont;
};

struct Chart {
  HWND window = nullptr;
  PlacementRecord* placement = nullptr;
  win32::UniqueFont font;
  bool fontInUse = false;
  ChartClick lastClick;
  ChartWaitHook waitHook;
};

Chart& TheChart() {
  static Chart chart;
  return chart;
}

RECT ToRect(const PixelRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

HFONT DrawingFont() {
  Chart& chart = TheChart();
  return chart.fontInUse && chart.font ? chart.font.get() : static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
}

// Step 4 and 5 of opening: the chart font from the face, and the title that names it.
void TakeFace(const char* faceName, bool useFont) {
  Chart& chart = TheChart();
  if (faceName && *faceName && useFont) {
    if (HFONT made = MakeFontStyle(chart.window, faceName, kChartPoints, false, false)) {
      chart.font.reset(made);
      chart.fontInUse = true;
    }
  }
  const bool named = chart.fontInUse && faceName && *faceName;
  SetWindowTextA(chart.window, (std::string(named ? faceName : "ASCII | ANSI") + " - Character Set").c_str());
}

void Paint(HWND window) {
  win32::PaintDc paint(window);
  const HDC dc = paint.get();
  win32::UniquePen shadow(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
  {
    win32::SelectGuard pen(dc, shadow.get());
    MoveToEx(dc, kGridLeft, kGridTop, nullptr);
    LineTo(dc, kGridLeft, kGridBottom + 1);
    for (int y = kGridTop; y <= kGridBottom; y += kCellHeight) {
      MoveToEx(dc, kGridLeft, y, nullptr);
      LineTo(dc, kGridRight + 1, y);
    }
    for (int x = kGridLeft + kCellWidth; x <= kGridRight; x += kCellWidth) {
      MoveToEx(dc, x, kGridTop, nullptr);
      LineTo(dc, x, kGridBottom + 1);
    }
  }
  win32::SelectGuard font(dc, DrawingFont());
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  for (int code = 1; code < 256; ++code) {
    const char text[2] = {static_cast<char>(code), '\0'};
    DrawAlignedText(dc, ToRect(CharacterRect(code)), kAlignCentre, "%s", text);
  }
}

// The chart holds still until the next key or button arrives (pointer moves do not count), so
// the inverted cell and the box stay while the button is held.
void WaitForInput(HWND window) {
  Chart& chart = TheChart();
  if (chart.waitHook) {
    chart.waitHook(window);
    return;
  }
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
    }
    if (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE) ||
        PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE) || !IsWindow(window))
      return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_INPUT | QS_SENDMESSAGE);
  }
}

void InvertCell(HWND window, int code) {
  win32::WindowDc dc(window);
  const RECT cell = ToRect(CharacterRect(code));
  InvertRect(dc.get(), &cell);
}

void ShowCodeValues(HWND window, int code) {
  Chart& chart = TheChart();
  chart.lastClick.box = ToRect(InfoBoxRect(code));
  chart.lastClick.lines = InfoBoxLines(code);
  {
    win32::WindowDc dc(window);
    const RECT& box = chart.lastClick.box;
    DrawShadowFrame(dc.get(), box);
    RECT inside = box;
    InflateRect(&inside, -1, -1);
    FillRectColour(dc.get(), inside, kInfoBoxColour);
    win32::SelectGuard font(dc.get(), GetStockObject(ANSI_VAR_FONT));
    SetBkColor(dc.get(), kInfoBoxColour);
    SetTextColor(dc.get(), RGB(0, 0, 0));
    for (int line = 0; line < 4; ++line) {
      const RECT row = {inside.left, inside.top + 1 + 12 * line, inside.right, inside.top + 13 + 12 * line};
      DrawAlignedText(dc.get(), row, kAlignLeft, "%s", chart.lastClick.lines[line].c_str());
    }
  }
  InvertCell(window, code);
  WaitForInput(window);
  if (!IsWindow(window)) return;
  InvertCell(window, code);
  RECT repaint = chart.lastClick.box;
  InflateRect(&repaint, 1, 1);
  InvalidateRect(window, &repaint, TRUE);
  UpdateWindow(window);
}

// The character as plain text on the clipboard; the clipboard is closed on every path and the
// block freed unless the clipboard took it. Returns the failing step's message (0 when copied).
std::pair<unsigned, DWORD> PutOnClipboard(HWND window, int code) {
  win32::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, 2));
  if (!block) return {MSG_CLIPBOARD_BUFFER_FAILED, GetLastError()};
  {
    win32::GlobalLockGuard<char> text(block.get());
    if (!text.get()) return {MSG_CLIPBOARD_LOCK_FAILED, GetLastError()};
    text.get()[0] = static_cast<char>(code);
    text.get()[1] = '\0';
  }
  win32::ClipboardScope clipboard(window);
  if (!clipboard.open()) return {MSG_CLIPBOARD_OPEN_FAILED, GetLastError()};
  if (!EmptyClipboard()) return {MSG_CLIPBOARD_ACCESS_FAILED, GetLastError()};
  if (!SetClipboardData(CF_TEXT, block.get())) return {MSG_CLIPBOARD_COPY_FAILED, GetLastError()};
  block.release();  // the clipboard owns it now
  return {0, 0};
}

void Click(HWND window, LPARAM point, bool copy) {
  Chart& chart = TheChart();
  chart.lastClick = ChartClick();
  const std::optional<int> code = CodeAtPoint(static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point)));
  if (!code) return;
  chart.lastClick.code = *code;
  if (!copy) {
    ShowCodeValues(window, *code);
    return;
  }
  InvertCell(window, *code);
  WaitForInput(window);
  if (!IsWindow(window)) return;
  InvertCell(window, *code);
  const auto [failure, error] = PutOnClipboard(window, *code);
  chart.lastClick.copied = failure == 0;
  if (failure) InfoBox(window, IDS_PROGRAM_NAME, failure, static_cast<int>(error));
}

LRESULT Create(HWND window, const CREATESTRUCTA& create) {
  Chart& chart = TheChart();
  const auto* opening = static_cast<const ChartOpening*>(create.lpCreateParams);
  chart.window = window;
  chart.placement = opening->placement;
  RECT client;
  GetClientRect(window, &client);
  HWND hint = CreateWindowExA(0, "Static", kChartHint, WS_CHILD | WS_VISIBLE | SS_CENTER, 0, client.bottom - 20,
                              client.right, 17, window, nullptr, instanceHandle, nullptr);
  if (hint) SendMessageA(hint, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)), FALSE);
  TakeFace(opening->faceName, opening->useFont);
  return 0;
}

void Destroyed(HWND window) {
  Chart& chart = TheChart();
  StoreWindowPosition(window, chart.placement ? chart.placement : &editorState.asciiPlacement);
  chart.font.reset();
  chart.fontInUse = false;
  chart.window = nullptr;
}

}  // namespace

LRESULT CALLBACK CharacterChartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_CREATE:
        return Create(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
      case WM_PAINT:
        Paint(window);
        return 0;
      case WM_LBUTTONDOWN:
        Click(window, lParam, false);
        return 0;
      case WM_RBUTTONDOWN:
        Click(window, lParam, true);
        return 0;
      case WM_DESTROY:
        Destroyed(window);
        return 0;
      default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
  } catch (...) {
    return 0;
  }
}

HWND ShowCharacterChart(PlacementRecord* placement, const char* faceName, bool useFont) {
  Chart& chart = TheChart();
  if (chart.window) {
    ShowWindow(chart.window, IsIconic(chart.window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(chart.window);
    BringWindowToTop(chart.window);
    SetFocus(chart.window);
    return chart.window;
  }
  if (IsRectEmpty(&ScreenRect)) ReadScreenRect();
  const ChartOpening opening = {placement ? placement : &editorState.asciiPlacement, faceName, useFont};
  const int left = std::min<int>(opening.placement->left, ScreenRect.right - 70);
  const int top = std::min<int>(opening.placement->top, ScreenRect.bottom - 70);
  HWND window = CreateWindowExA(opening.placement->show ? WS_EX_TOPMOST : 0, kCharacterChartClass, kChartTitle,
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, left, top, kChartWidth,
                                kChartHeight, nullptr, nullptr, instanceHandle, const_cast<ChartOpening*>(&opening));
  if (!window) {
    ErrorBox(MSG_WINDOW_FAILED, kChartTitle, static_cast<int>(GetLastError()));
    return nullptr;
  }
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return window;
}

void ChartFontChanged(const char* faceName, bool useFont) {
  Chart& chart = TheChart();
  if (!chart.window) return;
  chart.fontInUse = useFont;
  TakeFace(faceName, useFont);
  InvalidateRect(chart.window, nullptr, TRUE);
}

void SetChartTopmost(bool on) {
  editorState.asciiPlacement.show = on ? 1 : 0;
  Chart& chart = TheChart();
  if (chart.placement) chart.placement->show = on ? 1 : 0;
  if (chart.window) SetTopmost(chart.window, on);
}

void CloseCharacterChart() {
  if (TheChart().window) DestroyWindow(TheChart().window);
}

HWND CharacterChartWindow() { return TheChart().window; }

const ChartClick& LastChartClick() { return TheChart().lastClick; }

ChartWaitHook SetChartWaitHook(ChartWaitHook hook) { return std::exchange(TheChart().waitHook, std::move(hook)); }

}  // namespace editor
