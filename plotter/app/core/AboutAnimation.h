// The about box's animation worked out without a window: the star field flying towards the
// viewer and the text block scrolling upwards. Portable: no windows.h.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace plotter {

// A colour as red, green and blue bytes.
struct StarColour {
  uint8_t red, green, blue;
  bool operator==(const StarColour& o) const {
    return red == o.red && green == o.green && blue == o.blue;
  }
};

struct Star {
  int x = 0, y = 0, z = 0;  // z: depth; a star at z <= 1 is placed anew
};

constexpr int kStarCount = 100;
using StarField = std::array<Star, kStarCount>;

// One step of every star in a picture w x h: stars that came too close are placed anew with
// four successive values of `random`, each moves one step nearer, and its pixel (a cross when
// close) is handed to `plot`. Pixels outside the picture are never handed on.
void StepStars(StarField& stars, int width, int height, const std::function<int()>& random,
               const std::function<void(int x, int y, StarColour colour)>& plot);

// The scroll offset of the text block: it starts at kScrollStart, falls by one each step and
// starts again after it passed kScrollEnd.
constexpr int kScrollStart = 250;
constexpr int kScrollEnd = -270;
int NextScrollOffset(int offset);

constexpr int kAboutLineCount = 9;

// Where text line `line` (0 to 8) is drawn at scroll offset `offset`, and in which colour.
struct AboutLinePlace {
  int x, y;
  StarColour colour;
};
AboutLinePlace PlaceOfAboutLine(int line, int offset);

// The logo's top-left corner in the picture at scroll offset `offset`.
constexpr int kLogoLeft = 85;
inline int LogoTop(int offset) { return offset - 90; }

}  // namespace plotter
