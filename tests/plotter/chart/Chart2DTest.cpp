// CChart2D's life: creation through its factory or ChartControl.dll, events, release.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "Chart2D.h"
#include "FakeChart.h"

namespace {

// An unshown top-level window to host the chart.
class Host {
 public:
  Host()
      : hwnd_(CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr)) {}
  ~Host() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

bool LibraryBesideProgram() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string file(path);
  file.erase(file.find_last_of('\\') + 1);
  return GetFileAttributesA((file + kChartLibraryName).c_str()) != INVALID_FILE_ATTRIBUTES;
}

class Chart2DTest : public testing::Test {
 protected:
  std::shared_ptr<FakeChartState> state_ = std::make_shared<FakeChartState>();
  FakeChartFactory factory_{state_};
  Host host_;
};

TEST_F(Chart2DTest, CreatesTheChartAsChildOnTheRectangleAndListensToIt) {
  auto chart = std::make_unique<CChart2D>();
  chart->Create(host_.hwnd(), 2, RECT{0, 0, 790, 480});
  EXPECT_EQ(state_->creations, 1);
  EXPECT_EQ(state_->parent, host_.hwnd());
  EXPECT_EQ(state_->id, 2);
  EXPECT_EQ(state_->rect.right, 790);
  EXPECT_EQ(state_->rect.bottom, 480);
  EXPECT_FALSE(chart->IsEmpty());
  EXPECT_EQ(chart->Window(), state_->window);
  EXPECT_NE(state_->sink, nullptr);
  EXPECT_EQ(state_->liveObjects, 1);

  // Ending the wrapper stops the events, closes the window and releases the control.
  chart.reset();
  EXPECT_EQ(state_->sink, nullptr);
  EXPECT_FALSE(IsWindow(state_->window));
  EXPECT_EQ(state_->liveObjects, 0);
}

TEST_F(Chart2DTest, AChainGetsEachObjectOnceAndReleasesItAfterThePut) {
  CChart2D chart;
  chart.Create(host_.hwnd(), 2, RECT{0, 0, 790, 480});
  chart.Axis("x").MinLimit().SetValue(0.001);
  EXPECT_EQ(state_->log,
            (std::vector<std::string>{"get 8", "get 8.9", "get 8.9.3[\"x\"]", "get 8.9.3[\"x\"].5",
                                      "8.9.3[\"x\"].5.1 = r8:0.001"}));
  EXPECT_EQ(state_->liveObjects, 1);
}

TEST_F(Chart2DTest, EventsReachTheHandlersAndNoExceptionLeavesTheSink) {
  CChart2D chart;
  chart.Create(host_.hwnd(), 2, RECT{0, 0, 790, 480});
  double seen[6] = {};
  int16_t button = 0, shift = -1;
  chart.SetEventHandlers({[&](double* values, int32_t* flag) {
                            std::copy(values, values + 6, seen);
                            *flag = 5;
                          },
                          [&](int16_t b, int16_t s, int32_t, int32_t) {
                            button = b;
                            shift = s;
                          }});
  ASSERT_NE(state_->sink, nullptr);
  double values[6] = {1, 2, 3, 4, 5, 6};
  int32_t flag = 0;
  state_->sink->LimitsChanged(values, &flag);
  EXPECT_EQ(seen[0], 1);
  EXPECT_EQ(seen[5], 6);
  EXPECT_EQ(flag, 5);
  state_->sink->MouseDown(2, 1, 10, 20);
  EXPECT_EQ(button, 2);
  EXPECT_EQ(shift, 1);

  chart.SetEventHandlers({[](double*, int32_t*) { throw std::runtime_error("limits"); },
                          [](int16_t, int16_t, int32_t, int32_t) { throw 1; }});
  EXPECT_NO_THROW(state_->sink->LimitsChanged(values, &flag));
  EXPECT_NO_THROW(state_->sink->MouseDown(2, 0, 0, 0));
}

TEST_F(Chart2DTest, AFailedCreationLeavesAnEmptyChartThatDoesNothing) {
  state_->failCreation = true;
  CChart2D chart;
  chart.Create(host_.hwnd(), 2, RECT{0, 0, 790, 480});
  EXPECT_EQ(state_->creations, 1);
  EXPECT_TRUE(chart.IsEmpty());
  EXPECT_EQ(chart.Window(), nullptr);
  EXPECT_TRUE(chart.Axis("x").IsEmpty());
  EXPECT_TRUE(chart.Group(1).SeriesStyles().Item(3).Marker().IsEmpty());
  chart.Axis("x").MinLimit().SetValue(1.0);
  chart.Extras().Clear();
  chart.SetHoldRedraw(true);
  EXPECT_FALSE(chart.CopyGraph(1));
  EXPECT_TRUE(state_->log.empty());
  EXPECT_EQ(state_->liveObjects, 0);
}

TEST(Chart2DLibrary, WithoutChartControlDllTheChartStaysEmpty) {
  if (LibraryBesideProgram()) GTEST_SKIP() << "ChartControl.dll lies beside the test program";
  Host host;
  CChart2D chart;
  chart.Create(host.hwnd(), 2, RECT{0, 0, 790, 480});
  EXPECT_TRUE(chart.IsEmpty());
  EXPECT_EQ(chart.Window(), nullptr);
  EXPECT_EQ(GetDlgItem(host.hwnd(), 2), nullptr);
  EXPECT_EQ(GetModuleHandleA(kChartLibraryName), nullptr);
  chart.Axis("y").MaxLimit().SetValue(5.0);  // does nothing
}

}  // namespace
