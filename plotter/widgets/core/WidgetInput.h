// What the owner-drawn controls do with their input, worked out without a window: the press of a
// tick box (mouse with capture, or space bar) and the hover of an image button. The Win32
// classes feed these the messages' facts and act on the answers. Portable: no windows.h.
#pragma once

namespace widgets {

// What a tick box must do after one input.
struct PressOutcome {
  bool repaint = false;         // the pressed look changed
  bool toggle = false;          // check := 1 - check and notify the parent
  bool takeCapture = false;     // take the focus and capture the mouse
  bool releaseCapture = false;  // let the mouse go
};

// The press of a tick box. Only a press that began on the box can toggle it: a button-up or a
// space-up without its own button-down or space-down changes nothing.
class TickPress {
 public:
  bool pressed() const { return pressed_; }

  // Left button down, or a double click (handled the same way).
  PressOutcome ButtonDown();
  // Pointer move while the mouse press is held: the pressed look follows the pointer.
  PressOutcome PointerMoved(bool inside);
  PressOutcome ButtonUp(bool inside);
  // The capture was taken away in mid-press (another window, the system).
  PressOutcome CaptureLost();
  // Space bar down (key repeats included) and up.
  PressOutcome SpaceDown();
  PressOutcome SpaceUp();
  // The focus left the box: a held space bar no longer counts.
  PressOutcome FocusLost();

 private:
  enum class Source { None, Mouse, Space };
  PressOutcome SetPressed(bool pressed);

  Source source_ = Source::None;
  bool pressed_ = false;
};

// What an image button must do after one input.
struct HoverOutcome {
  bool repaint = false;
  bool trackLeave = false;  // ask to be told when the mouse leaves
};

// The hover of an image button: the raised edge shows while the pointer is over a flat button
// of an active program.
class HoverState {
 public:
  bool hovering() const { return hovering_; }
  bool flat() const { return flat_; }
  void SetFlat(bool flat) { flat_ = flat; }

  // Mouse movement over the button. `overButton`: the window under the pointer is this button;
  // `programActive`: the program has an active window.
  HoverOutcome PointerMoved(bool leftButtonHeld, bool overButton, bool programActive);
  // Mouse leave, focus loss, deactivation, cancel mode, disabling.
  HoverOutcome End();

 private:
  bool flat_ = true;
  bool hovering_ = false;
};

}  // namespace widgets
