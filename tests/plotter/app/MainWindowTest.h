// What the main window's tests share: the window made from its resources on the real chart
// component (linked in), driven through its messages, with the file dialog answered by the test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "plotter/app/PlotterDlg.h"
#include "plotter/framework/FileDialog.h"
#include "resources/zelvora_ids.h"
#include "tests/plotter/chart/LinkedChart.h"

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override { Open(); }
  void TearDown() override {
    framework::SetFileDialogAnswerer(nullptr);
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  // A main window of its own, in place of the one before.
  void Open(const std::string& commandLinePath = {}) {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    dialog_ = std::make_unique<plotter::CPlotterDlg>(commandLinePath);
    hwnd_ = dialog_->Create();
    ASSERT_TRUE(hwnd_ && chart_.made());
  }
  // The file dialog answers `path` (OK, or Cancel for an empty path) and keeps the request.
  void Answer(const std::string& path, bool ok = true) {
    framework::SetFileDialogAnswerer([this, path, ok](framework::FileDialogRequest& request) {
      request_ = request;
      request.chosenPath = path;
      return ok && !path.empty();
    });
  }
  void Click(int id) {
    SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hwnd_, id)));
  }
  void Load(const std::string& path) {
    Answer(path);
    Click(IDC_LOAD_SPECTRUM);
  }
  void Overlay(const std::string& path) {
    Answer(path);
    Click(IDC_OVERLAY_SPECTRUM);
  }

  std::string Text(int id) const {
    char text[512] = "";
    GetDlgItemTextA(hwnd_, id, text, sizeof text);
    return text;
  }
  std::string Title() const {
    char text[512] = "";
    GetWindowTextA(hwnd_, text, sizeof text);
    return text;
  }
  bool Checked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
  bool Shown(int id) const { return (GetWindowLongPtrA(GetDlgItem(hwnd_, id), GWL_STYLE) & WS_VISIBLE) != 0; }
  const chartcontrol::Axis& Axis(chartcontrol::AxisId id) const { return chart_.axis(id); }
  const spectrum::SpectrumSet& set() const { return dialog_->spectrum(); }

  // A file in a folder of this test program's own under the temporary folder.
  static std::string Folder() {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = temp + ("zelvora-tests-" + std::to_string(GetCurrentProcessId())) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
  }
  static std::string WriteFile(const std::string& name, const std::string& text) {
    const std::string path = Folder() + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  LinkedChart chart_;  // first made, last gone
  std::unique_ptr<plotter::CPlotterDlg> dialog_;
  HWND hwnd_ = nullptr;
  framework::FileDialogRequest request_;
};
