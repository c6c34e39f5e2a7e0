#include "plotter/app/core/AboutAnimation.h"

namespace plotter {

namespace {

uint8_t Byte(int value) { return static_cast<uint8_t>(value & 0xFF); }

StarColour Rgb(int red, int green, int blue) { return StarColour{Byte(red), Byte(green), Byte(blue)}; }

}  // namespace

void StepStars(StarField& stars, int width, int height, const std::function<int()>& random,
               const std::function<void(int x, int y, StarColour colour)>& plot) {
  if (width <= 0 || height <= 0) return;
  const auto put = [&](int x, int y, StarColour colour) {
    if (x >= 0 && x < width && y >= 0 && y < height) plot(x, y, colour);
  };
  for (int i = 0; i < kStarCount; ++i) {
    Star& star = stars[static_cast<size_t>(i)];
    if (star.z <= 1) {
      // Two draws per coordinate, in this order: x from r1 and r2, then y from r3 and r4.
      const int r1 = random(), r2 = random();
      star.x = r1 % width + r2 % width - width;
      const int r3 = random(), r4 = random();
      star.y = r3 % height + r4 % height - height;
      star.z = i + 100;
    }
    --star.z;
    const int px = width / 2 + (width * star.x) / star.z;
    const int py = height / 2 + (height * star.y) / star.z;
    const int light = Byte(star.z < 250 ? 250 - star.z : 50);
    put(px, py, Rgb(light + 50, light, light));
    if (star.z < 50) {
      const StarColour grey = Rgb(light, light, light);
      put(px - 1, py, grey);
      put(px + 1, py, grey);
      put(px, py - 1, grey);
      put(px, py + 1, grey);
    }
  }
}

int NextScrollOffset(int offset) {
  --offset;
  return offset < kScrollEnd ? kScrollStart : offset;
}

AboutLinePlace PlaceOfAboutLine(int line, int offset) {
  const int b = offset & 0xFF;  // the lowest byte, of negative offsets too
  switch (line) {
    case 0: return {85, offset, Rgb(b + 100, b + 100, 0)};
    case 1: return {10, offset + 20, Rgb(b + 80, b + 80, 0)};
    case 2: return {5, offset + 80, Rgb(0, b - 96, b - 76)};
    case 3: return {5, offset + 95, Rgb(0, b - 106, b - 86)};
    case 4: return {5, offset + 110, Rgb(0, b - 106, b - 86)};
    case 5: return {5, offset + 125, Rgb(0, b - 106, b - 86)};
    case 6: return {95, offset + 160, Rgb(230, 0, 70)};
    case 7: return {17, offset + 240, Rgb(0, 200, 0)};
    default: return {17, offset + 255, Rgb(0, 200, 0)};
  }
}

}  // namespace plotter
