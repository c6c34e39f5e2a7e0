#include "plotter/app/AboutDlg.h"

#include <cstdlib>
#include <ctime>
#include <utility>

#include "resources/release_version.h"
#include "resources/zelvora_ids.h"

namespace plotter {

namespace {

constexpr UINT_PTR kAnimationTimer = 1;
constexpr UINT kAnimationPeriod = 50;
constexpr COLORREF kBackground = RGB(0, 0, 80);
constexpr COLORREF kFrame = RGB(0, 0, 200);
constexpr int kLogoSize = 100;

// clang-format off
// Lines 2 to 7 are the maker's block, 8 and 9 the credit of the chart component, which ships
// with the release's version.
constexpr const char* kTextLines[kAboutLineCount] = {
    "Zelvora  V1.05",
    "\xA9 1998-2026 Orvane Software",
    "Orvane Spectra Laboratory",
    "Lindenallee 7",
    "12345 Orvanstadt",
    "Germany",
    "www.orvane.example",
    "ChartControl " RELEASE_VERSION_TEXT " \xA9 2026",
    "the Zelvora developers, all rights reserved",
};
// clang-format on

COLORREF ToColorref(StarColour c) { return RGB(c.red, c.green, c.blue); }

AboutBoxRunner& Runner() {
  static AboutBoxRunner runner;
  return runner;
}

}  // namespace

void SetAboutBoxRunner(AboutBoxRunner runner) { Runner() = std::move(runner); }

void ShowAboutBox(HWND owner) {
  if (Runner()) {
    Runner()(owner);
    return;
  }
  CAboutDlg box;
  box.DoModal(owner);
}

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

CAboutDlg::~CAboutDlg() { Release(); }

StarField& CAboutDlg::Stars() {
  static StarField stars{};
  return stars;
}

BOOL CAboutDlg::OnInitDialog() {
  HWND picture = Item(IDC_ABOUT_PICTURE);
  RECT place{};
  GetWindowRect(picture, &place);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&place), 2);
  origin_ = POINT{place.left, place.top};

  FillTextLines();
  scroll_ = kScrollStart;
  if (!MakePicture()) return TRUE;  // no drawing objects: a still, empty box
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  SetTimer(hwnd(), kAnimationTimer, kAnimationPeriod, nullptr);
  return TRUE;
}

void CAboutDlg::FillTextLines() {
  for (int i = 0; i < kAboutLineCount; ++i) lines_[static_cast<size_t>(i)] = kTextLines[i];
}

// The off-screen picture (a 24-bit bitmap of the static's size), the logo, the two brushes.
bool CAboutDlg::MakePicture() {
  RECT client{};
  GetClientRect(Item(IDC_ABOUT_PICTURE), &client);
  size_ = SIZE{client.right, client.bottom};
  if (size_.cx <= 0 || size_.cy <= 0) return false;

  windowDc_ = GetWindowDC(hwnd());
  if (!windowDc_) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size_.cx;
  info.bmiHeader.biHeight = size_.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = static_cast<DWORD>(size_.cx * size_.cy * 3);
  void* bits = nullptr;
  pictureBitmap_.reset(CreateDIBSection(windowDc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  picture_.reset(CreateCompatibleDC(windowDc_));
  if (!pictureBitmap_ || !picture_) return false;
  pictureDefault_ = SelectObject(picture_.get(), pictureBitmap_.get());

  background_.reset(CreateSolidBrush(kBackground));
  frame_.reset(CreateSolidBrush(kFrame));

  logoBitmap_.reset(static_cast<HBITMAP>(LoadImageA(framework::ResourceInstance(),
                                                    MAKEINTRESOURCEA(IDB_ABOUT_LOGO),
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  logo_.reset(CreateCompatibleDC(windowDc_));
  if (logoBitmap_ && logo_) logoDefault_ = SelectObject(logo_.get(), logoBitmap_.get());
  return background_ && frame_;
}

void CAboutDlg::OnTimer(UINT_PTR timerId) {
  if (timerId == kAnimationTimer) Step();
}

// One frame: background, stars, the text at the scroll offset, the logo one step further up,
// the frame and the etched edge, then the whole picture onto the window.
void CAboutDlg::Step() {
  if (!picture_) return;
  HDC dc = picture_.get();
  const RECT all{0, 0, size_.cx, size_.cy};
  FillRect(dc, &all, background_.get());

  StepStars(Stars(), size_.cx, size_.cy, [] { return std::rand(); },
            [dc](int x, int y, StarColour colour) { SetPixelV(dc, x, y, ToColorref(colour)); });

  SetBkMode(dc, TRANSPARENT);
  for (int i = 0; i < kAboutLineCount; ++i) {
    const AboutLinePlace place = PlaceOfAboutLine(i, scroll_);
    const std::string& text = lines_[static_cast<size_t>(i)];
    SetTextColor(dc, ToColorref(place.colour));
    TextOutA(dc, place.x, place.y, text.c_str(), static_cast<int>(text.size()));
  }

  scroll_ = NextScrollOffset(scroll_);
  if (logo_ && logoBitmap_)
    BitBlt(dc, kLogoLeft, LogoTop(scroll_), kLogoSize, kLogoSize, logo_.get(), 0, 0, SRCPAINT);

  RECT framed = all;
  InflateRect(&framed, -2, -2);
  FrameRect(dc, &framed, frame_.get());
  RECT edge = all;
  DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);

  BitBlt(windowDc_, origin_.x + 4, origin_.y + 4, size_.cx, size_.cy, dc, 0, 0, SRCCOPY);
}

bool CAboutDlg::OnCommand(int id, int code, HWND) {
  if (id != IDC_ABOUT_PICTURE) return false;
  if (code == STN_CLICKED) Close();
  return true;
}

// The picture paints nothing of its own: the animation covers it.
HBRUSH CAboutDlg::OnCtlColor(HDC, HWND control, UINT message) {
  if (message == WM_CTLCOLORSTATIC && GetDlgCtrlID(control) == IDC_ABOUT_PICTURE)
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
  return nullptr;
}

INT_PTR CAboutDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  switch (msg) {
    case WM_NCHITTEST: {
      // The margin around the picture is grabbed as the title bar would be.
      const LRESULT hit = DefWindowProcA(hwnd(), msg, wParam, lParam);
      handled = true;
      return Answer(hit == HTCLIENT ? HTCAPTION : hit);
    }
    case WM_DESTROY:
      Release();  // closed by any path: the system, the owner, a click
      return FALSE;
    default:
      return CDialog::OnMessage(msg, wParam, lParam, handled);
  }
}

void CAboutDlg::Close() {
  Release();
  EndDialog(IDOK);
}

void CAboutDlg::Release() {
  if (hwnd()) KillTimer(hwnd(), kAnimationTimer);
  if (picture_) SelectObject(picture_.get(), pictureDefault_);
  picture_.reset();
  pictureBitmap_.reset();
  if (logo_) SelectObject(logo_.get(), logoDefault_);
  logo_.reset();
  logoBitmap_.reset();
  background_.reset();
  frame_.reset();
  if (windowDc_ && hwnd()) ReleaseDC(hwnd(), windowDc_);
  windowDc_ = nullptr;
}

}  // namespace plotter
