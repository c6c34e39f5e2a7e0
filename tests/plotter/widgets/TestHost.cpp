#include "tests/plotter/widgets/TestHost.h"

#include "plotter/framework/Control.h"
#include "tests/support/Messages.h"
#include "tests/support/Stage.h"

namespace widgets {
namespace {

constexpr char kClassName[] = "WidgetsTestHost";

bool Reflect(HWND control, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  framework::CControl* bound = framework::CControl::FromHandle(control);
  return bound && bound->OnReflect(msg, wParam, lParam, result);
}

}  // namespace

TestHost::TestHost(int width, int height, COLORREF background, POINT place) {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &TestHost::WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  brush_.reset(CreateSolidBrush(background));
  font_.reset(CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_SWISS, "MS Sans Serif"));
  hwnd_.reset(CreateWindowExA(0, kClassName, "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                              place.x, place.y, width, height, testsupport::Stage(), nullptr,
                              GetModuleHandleA(nullptr), this));
  ShowWindow(hwnd(), SW_SHOW);
  Activate();
}

TestHost::~TestHost() {
  hwnd_.reset();
  testsupport::PumpMessages();
}

HWND TestHost::AddChild(const char* className, int id, const char* text, DWORD style, RECT place) {
  HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, place.left,
                               place.top, place.right - place.left, place.bottom - place.top,
                               hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return child;
}

void TestHost::Activate() {
  testsupport::ActivateStage();
  RedrawWindow(hwnd(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT CALLBACK TestHost::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TestHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self || msg == WM_NCDESTROY) return DefWindowProcA(hwnd, msg, wParam, lParam);
  return self->Handle(hwnd, msg, wParam, lParam);
}

LRESULT TestHost::Handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, brush_.get());
      return TRUE;
    }
    case WM_COMMAND: {
      HWND control = reinterpret_cast<HWND>(lParam);
      if (control && Reflect(control, msg, wParam, lParam, result)) return result;
      commands.push_back(ReceivedCommand{LOWORD(wParam), HIWORD(wParam), control});
      return 0;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      ++drawItemCount;
      if (Reflect(item->hwndItem, msg, wParam, lParam, result)) return result;
      break;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      if (Reflect(reinterpret_cast<HWND>(lParam), msg, wParam, lParam, result)) return result;
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace widgets
