#include "plotter/widgets/core/TickBoxLook.h"

namespace widgets {

namespace {
int MixChannel(int a, int b) { return a + (b - a) / 2; }
}  // namespace

// clang-format off
const std::array<TickStroke, 2> kFlatTick = {{
    {TickInk::Flat, 3, {{1, 4}, {4, 7}, {12, -1}}},
    {TickInk::Flat, 3, {{2, 4}, {4, 6}, {11, -1}}},
}};

const std::array<TickStroke, 8> kShadedTick = {{
    {TickInk::Shadow,     3, {{4, 8}, {9, 3}, {9, 5}}},
    {TickInk::FaceShadow, 2, {{2, 6}, {4, 8}}},
    {TickInk::FaceShadow, 2, {{5, 8}, {9, 4}}},
    {TickInk::Shadow,     1, {{11, 1}}},
    {TickInk::FaceShadow, 1, {{12, 1}}},
    {TickInk::FaceShadow, 1, {{11, 2}}},
    {TickInk::Dark,       3, {{1, 4}, {4, 7}, {12, -1}}},
    {TickInk::Dark,       3, {{2, 4}, {4, 6}, {11, -1}}},
}};
// clang-format on

Colour MixHalfway(Colour a, Colour b) {
  return Rgb(MixChannel(RedOf(a), RedOf(b)), MixChannel(GreenOf(a), GreenOf(b)),
             MixChannel(BlueOf(a), BlueOf(b)));
}

TickColours MakeTickColours(Colour highlight, Colour light, Colour face, Colour shadow,
                            Colour dark) {
  return TickColours{highlight, light,  face, shadow,
                     dark,      MixHalfway(face, shadow), MixHalfway(shadow, dark)};
}

int BoxTop(int itemHeight) { return ((itemHeight - kBoxSize) / 2) - 1; }

int TextTop(int itemHeight, int textHeight) { return ((itemHeight - textHeight) / 2) - 1; }

Colour InkColour(TickInk ink, const TickColours& colours) {
  switch (ink) {
    case TickInk::Shadow:
      return colours.shadow;
    case TickInk::FaceShadow:
      return colours.faceShadow;
    case TickInk::Dark:
      return colours.dark;
    case TickInk::Flat:
    case TickInk::Count:
      break;
  }
  return kFlatTickColour;
}

}  // namespace widgets
