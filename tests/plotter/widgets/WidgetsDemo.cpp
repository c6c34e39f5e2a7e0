// Shows the plotter's bottom band and every state of the image buttons and tick boxes for a few
// seconds, for a look (and a screenshot): widgets_demo [seconds]
#include <windows.h>

#include <array>
#include <cstdlib>

#include "Dialog.h"
#include "ImageButton.h"
#include "TickBox.h"
#include "WidgetsDemoIds.h"
#include "zelvora_ids.h"

namespace {

struct ButtonSetup {
  int id;
  int icon;  // 0: text only
  const char* tip;
};

// clang-format off
constexpr std::array<ButtonSetup, 11> kButtons = {{
    {IDC_LOAD_SPECTRUM,      IDI_LOAD_SPECTRUM,    "load spectrum"},
    {IDC_EXIT,               0,                    "exit"},
    {IDC_OVERLAY_SPECTRUM,   IDI_OVERLAY_SPECTRUM, "overlay spectrum"},
    {IDC_COPY_GRAPHIC,       IDI_COPY_GRAPHIC,     "copy graphic to clipboard"},
    {IDC_SAVE_GRAPHIC,       IDI_SAVE_GRAPHIC,     "save graphic to file"},
    {IDC_PRINT_GRAPHIC,      IDI_PRINT_GRAPHIC,    "print graphic"},
    {IDC_DEMO_IDLE,          IDI_NEXT_GRAPH,       "idle"},
    {IDC_DEMO_HOVERED,       IDI_NEXT_GRAPH,       "hovered"},
    {IDC_DEMO_PRESSED,       IDI_NEXT_GRAPH,       "pressed"},
    {IDC_DEMO_DISABLED,      IDI_NEXT_GRAPH,       "disabled"},
    {IDC_DEMO_EXIT_DISABLED, 0,                    "disabled exit"},
}};

constexpr std::array<int, 13> kTickBoxes = {{
    IDC_X_LINEAR, IDC_X_LOGARITHMIC, IDC_Y_LINEAR, IDC_Y_LOGARITHMIC, IDC_LETHARGY,
    IDC_DEMO_FLAT_CLEAR, IDC_DEMO_FLAT_TICKED, IDC_DEMO_FLAT_PRESSED, IDC_DEMO_BEVEL_CLEAR,
    IDC_DEMO_BEVEL_TICKED, IDC_DEMO_BEVEL_PRESSED, IDC_DEMO_BEVEL_PRESSED_TICKED,
    IDC_DEMO_FLAT_DISABLED,
}};
// clang-format on

class DemoDialog : public CDialog {
 public:
  DemoDialog() : CDialog(IDD_WIDGETS_DEMO) {}

  // Puts the second row into its states once the window is on screen.
  void HoldStates() {
    Press(IDC_DEMO_PRESSED);
    EnableWindow(Item(IDC_DEMO_DISABLED), FALSE);
    EnableWindow(Item(IDC_DEMO_EXIT_DISABLED), FALSE);
    for (int id : {IDC_DEMO_FLAT_TICKED, IDC_DEMO_BEVEL_TICKED, IDC_DEMO_BEVEL_PRESSED_TICKED,
                   IDC_X_LINEAR, IDC_Y_LOGARITHMIC, IDC_LETHARGY, IDC_DEMO_FLAT_DISABLED})
      CheckDlgButton(hwnd(), id, BST_CHECKED);
    // Held by the space bar: a mouse press would follow the real pointer away.
    for (int id : {IDC_DEMO_FLAT_PRESSED, IDC_DEMO_BEVEL_PRESSED, IDC_DEMO_BEVEL_PRESSED_TICKED})
      SendMessageA(Item(id), WM_KEYDOWN, VK_SPACE, 0);
    // The real pointer rests on the hovered button.
    HWND hovered = Item(IDC_DEMO_HOVERED);
    RECT place{};
    GetWindowRect(hovered, &place);
    SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    SendMessageA(hovered, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  }

 protected:
  BOOL OnInitDialog() override {
    for (size_t i = 0; i < kButtons.size(); ++i) {
      const ButtonSetup& setup = kButtons[i];
      CImageButton& button = buttons_[i];
      button.Bind(hwnd(), setup.id);
      if (setup.icon) button.AssignIcon(setup.icon);
      button.AssignTooltip(setup.tip, true);
      button.AssignHoverCursor(IDC_HAND_CURSOR, true);
      button.UseParentBackground(true);
      button.EnableHoverEdge(true, true);
    }
    for (size_t i = 0; i < kTickBoxes.size(); ++i) boxes_[i].Bind(hwnd(), kTickBoxes[i]);
    SetDlgItemTextA(hwnd(), IDC_X_MIN, "0.0");
    SetDlgItemTextA(hwnd(), IDC_X_MAX, "20.000000");
    SetDlgItemTextA(hwnd(), IDC_Y_MIN, "1.0e-03");
    SetDlgItemTextA(hwnd(), IDC_Y_MAX, "5.2e+02");
    return TRUE;
  }

 private:
  void Press(int id) { SendMessageA(Item(id), BM_SETSTATE, TRUE, 0); }

  std::array<CImageButton, kButtons.size()> buttons_;
  std::array<CTickBox, kTickBoxes.size()> boxes_;
};

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 8;
  DemoDialog dialog;
  HWND window = dialog.Create();
  if (!window) return 1;
  SetWindowPos(window, HWND_TOPMOST, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  UpdateWindow(window);
  dialog.HoldStates();

  const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
  SetTimer(nullptr, 0, 100, nullptr);
  MSG msg;
  while (static_cast<LONG>(end - GetTickCount()) > 0 && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  DestroyWindow(window);
  return 0;
}
