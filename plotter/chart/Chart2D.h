// CChart2D, the plotter's wrapper of the hosted chart control. It makes the chart window from
// ChartControl.dll, keeps the library and the control object for the window's life, passes the
// chart's two events on to its owner, and reaches every object of the chart (ChartObjects.h).
//
// Without the library, or when the chart cannot be made, the wrapper stays empty: every member
// does nothing, every get returns an empty wrapper, and nothing is shown to the user.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "ChartApi.h"
#include "ChartObjects.h"
#include "common/win32/Handles.h"

class CChart2D : public CChartObject {
 public:
  // Makes the chart window and returns its control object with one reference, or nullptr.
  using Factory = std::function<ChartControl*(HWND parent, int id, const RECT* rect)>;
  // Tests hand in their own chart here; an empty factory restores ChartControl.dll.
  static void SetFactoryForTests(Factory factory);

  // What the owner does on the chart's events. They arrive on the window's thread, from inside
  // the chart's window procedure; an exception a handler throws goes no further than the sink.
  struct EventHandlers {
    // x minimum, x maximum, y minimum, y maximum, two further values and a flag.
    std::function<void(double* values6, int32_t* flag)> limitsChanged;
    // button 1 left, 2 right, 4 middle; shift bits 1 Shift, 2 Ctrl, 4 Alt; client pixels.
    std::function<void(int16_t button, int16_t shift, int32_t x, int32_t y)> mouseDown;
  };

  CChart2D();
  CChart2D(const CChart2D&) = delete;
  CChart2D& operator=(const CChart2D&) = delete;
  ~CChart2D();

  // Makes the chart as the visible child `id` of `parent` on `rect` (the parent's client
  // coordinates). On any failure the wrapper stays empty.
  void Create(HWND parent, int id, const RECT& rect);
  void SetEventHandlers(EventHandlers handlers);
  // The chart window, or nullptr.
  HWND Window() const;

  CTextBox TitleBox() const { return CTextBox(GetMember(kTitleBox)); }
  CTextBox NoteBox() const { return CTextBox(GetMember(kNoteBox)); }
  CLegendBox LegendBox() const { return CLegendBox(GetMember(kLegendBox)); }
  CFrame OuterFrame() const { return CFrame(GetMember(kOuterFrame)); }
  CColours OuterColours() const { return CColours(GetMember(kOuterColours)); }
  void SetHoldRedraw(bool hold) const { PutBool(kHoldRedraw, hold); }
  void SetHoldLayout(bool hold) const { PutBool(kHoldLayout, hold); }
  CGraphArea GraphArea() const { return CGraphArea(GetMember(kGraphArea)); }
  CSeriesGroups SeriesGroups() const { return CSeriesGroups(GetMember(kSeriesGroups)); }
  CExtras Extras() const { return CExtras(GetMember(kExtras)); }
  void SetFlag13(bool value) const { PutBool(kFlag13, value); }

  // Graphic output. Formats: 1 bitmap, 2 Windows metafile, 3 enhanced metafile. The other
  // arguments are codes of the component, passed as they are.
  bool PrintGraph(const std::array<int32_t, 6>& codes) const;
  bool CopyGraph(int32_t format) const;
  bool WriteGraph(const std::string& path, int32_t format) const;
  bool WriteJpeg(const std::string& path, int32_t code, const std::array<bool, 3>& flags) const;
  bool WritePng(const std::string& path, bool flag) const;

  // Shortcuts: GraphArea().Axes().Item(name) and SeriesGroups().Item(group).
  CAxis Axis(const char* name) const { return GraphArea().Axes().Item(name); }
  CSeriesGroup Group(int group) const { return SeriesGroups().Item(group); }

 private:
  enum : int32_t {
    kTitleBox = 1,
    kNoteBox = 2,
    kLegendBox = 3,
    kOuterFrame = 4,
    kOuterColours = 5,
    kHoldRedraw = 6,
    kHoldLayout = 7,
    kGraphArea = 8,
    kSeriesGroups = 9,
    kExtras = 10,
    kFlag13 = 13,
    kPrintGraph = 18,
    kCopyGraph = 19,
    kWriteGraph = 20,
    kWriteJpeg = 27,
    kWritePng = 28,
  };

  class EventSink final : public ChartEvents {
   public:
    void LimitsChanged(double* values6, int32_t* flag) override;
    void MouseDown(int16_t button, int16_t shift, int32_t x, int32_t y) override;
    EventHandlers handlers;
  };

  void Destroy();

  win32::UniqueLibrary library_;
  ChartControl* control_ = nullptr;  // the object the base class holds the reference of
  EventSink sink_;
};
