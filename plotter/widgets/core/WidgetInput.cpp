#include "plotter/widgets/core/WidgetInput.h"

namespace widgets {

PressOutcome TickPress::SetPressed(bool pressed) {
  PressOutcome outcome;
  outcome.repaint = pressed != pressed_;
  pressed_ = pressed;
  return outcome;
}

PressOutcome TickPress::ButtonDown() {
  source_ = Source::Mouse;
  PressOutcome outcome = SetPressed(true);
  outcome.takeCapture = true;
  return outcome;
}

PressOutcome TickPress::PointerMoved(bool inside) {
  if (source_ != Source::Mouse) return {};
  return SetPressed(inside);
}

PressOutcome TickPress::ButtonUp(bool inside) {
  if (source_ != Source::Mouse) return {};
  source_ = Source::None;
  PressOutcome outcome = SetPressed(false);
  outcome.releaseCapture = true;
  outcome.toggle = inside;
  outcome.repaint = outcome.repaint || inside;
  return outcome;
}

PressOutcome TickPress::CaptureLost() {
  if (source_ != Source::Mouse) return {};
  source_ = Source::None;
  return SetPressed(false);
}

PressOutcome TickPress::SpaceDown() {
  if (source_ == Source::Mouse) return {};  // the mouse owns this press
  source_ = Source::Space;
  return SetPressed(true);                   // key repeats change nothing
}

PressOutcome TickPress::SpaceUp() {
  if (source_ != Source::Space) return {};
  source_ = Source::None;
  PressOutcome outcome = SetPressed(false);
  outcome.toggle = true;
  outcome.repaint = true;
  return outcome;
}

PressOutcome TickPress::FocusLost() {
  if (source_ != Source::Space) return {};
  source_ = Source::None;
  return SetPressed(false);
}

HoverOutcome HoverState::PointerMoved(bool leftButtonHeld, bool overButton, bool programActive) {
  if ((leftButtonHeld && !hovering_) || !flat_) return {};
  if (!overButton) return End();
  if (!programActive || hovering_) return {};
  hovering_ = true;
  return HoverOutcome{true, true};
}

HoverOutcome HoverState::End() {
  if (!hovering_ || !flat_) return {};
  hovering_ = false;
  return HoverOutcome{true, false};
}

}  // namespace widgets
