#include "TestHost.h"

#include "Control.h"

namespace {

constexpr char kClassName[] = "WidgetsTestHost";
constexpr char kStageClassName[] = "WidgetsTestStage";

void RegisterClasses() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = DefWindowProcA;  // hosts replace it per window
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kStageClassName;
  RegisterClassA(&wc);
  registered = true;
}

HWND Stage() {
  static UniqueWindow stage;
  if (!stage) {
    RegisterClasses();
    stage.reset(CreateWindowExA(WS_EX_TOPMOST, kStageClassName, "widgets test",
                                WS_POPUP | WS_CLIPCHILDREN, 40, 40, 640, 240, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr));
    ShowWindow(stage.get(), SW_SHOW);
  }
  return stage.get();
}

bool Reflect(HWND control, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  CControl* bound = CControl::FromHandle(control);
  return bound && bound->OnReflect(msg, wParam, lParam, result);
}

}  // namespace

TestHost::TestHost(int width, int height, COLORREF background, POINT place) {
  HWND stage = Stage();
  brush_.reset(CreateSolidBrush(background));
  font_.reset(CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_SWISS, "MS Sans Serif"));
  hwnd_.reset(CreateWindowExA(0, kClassName, "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                              place.x, place.y, width, height, stage, nullptr,
                              GetModuleHandleA(nullptr), nullptr));
  SetWindowLongPtrA(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TestHost::WindowProc));
  ShowWindow(hwnd(), SW_SHOW);
  Activate();
}

TestHost::~TestHost() {
  hwnd_.reset();
  PumpMessages();
}

HWND TestHost::AddChild(const char* className, int id, const char* text, DWORD style, RECT place) {
  HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, place.left,
                               place.top, place.right - place.left, place.bottom - place.top,
                               hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return child;
}

void TestHost::SetBackground(COLORREF colour) {
  brush_.reset(CreateSolidBrush(colour));
}

void TestHost::Activate() {
  SetForegroundWindow(Stage());
  SetActiveWindow(Stage());
  RedrawWindow(hwnd(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT CALLBACK TestHost::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TestHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
  return self->Handle(msg, wParam, lParam);
}

LRESULT TestHost::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd(), &client);
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
  return DefWindowProcA(hwnd(), msg, wParam, lParam);
}

void PumpMessages() {
  MSG msg;
  for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

COLORREF PixelAt(HWND window, int x, int y) {
  UpdateWindow(window);
  WindowDc dc(window);
  return GetPixel(dc.get(), x, y);
}

int CountPixels(HWND window, COLORREF colour) {
  UpdateWindow(window);
  RECT client{};
  GetClientRect(window, &client);
  WindowDc dc(window);
  int count = 0;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x)
      if (GetPixel(dc.get(), x, y) == colour) ++count;
  return count;
}

void SendMouse(HWND window, UINT msg, int x, int y, WPARAM keys) {
  SendMessageA(window, msg, keys, MAKELPARAM(x, y));
}

void Click(HWND window, int x, int y) {
  SendMouse(window, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
  SendMouse(window, WM_LBUTTONUP, x, y);
}
