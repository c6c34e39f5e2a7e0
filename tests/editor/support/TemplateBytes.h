// Reads a classic dialog template back from its bytes; ok is false when it runs past its size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct ParsedControl {
  std::size_t offset = 0, end = 0;  // where the record starts, and just after it
  std::uint32_t style = 0, exStyle = 0;
  std::vector<int> box;  // x, y, cx, cy
  std::uint16_t id = 0, classMarker = 0, classAtom = 0, creationDataSize = 0;
  std::string text;
};

struct ParsedTemplate {
  bool ok = false;
  std::uint32_t style = 0, exStyle = 0;
  std::uint16_t itemCount = 0, menu = 0, windowClass = 0, pointSize = 0;
  std::vector<int> box;
  std::string caption, faceName;
  std::size_t headerEnd = 0, end = 0;
  std::vector<ParsedControl> controls;
};

inline ParsedTemplate ParseTemplate(const unsigned char* bytes, std::size_t size) {
  ParsedTemplate t;
  std::size_t at = 0;
  bool failed = false;
  auto word = [&]() -> std::uint16_t {
    if (at + 2 > size) return failed = true, 0;
    at += 2;
    return static_cast<std::uint16_t>(bytes[at - 2] | bytes[at - 1] << 8);
  };
  auto dword = [&] { return word() | static_cast<std::uint32_t>(word()) << 16; };
  auto box = [&] {
    std::vector<int> b;
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::int16_t>(word()));
    return b;
  };
  auto text = [&] {
    std::string s;
    for (std::uint16_t unit = word(); !failed && unit; unit = word()) s += unit < 0x100 ? static_cast<char>(unit) : '?';
    return s;
  };
  t.style = dword();
  t.exStyle = dword();
  t.itemCount = word();
  t.box = box();
  t.menu = word();
  t.windowClass = word();
  t.caption = text();
  t.pointSize = word();
  t.faceName = text();
  t.headerEnd = at;
  for (int i = 0; i < t.itemCount && !failed; ++i) {
    ParsedControl c;
    c.offset = at = (at + 3) & ~std::size_t{3};
    c.style = dword();
    c.exStyle = dword();
    c.box = box();
    c.id = word();
    c.classMarker = word();
    c.classAtom = word();
    c.text = text();
    c.creationDataSize = word();
    c.end = at;
    t.controls.push_back(c);
  }
  t.end = at;
  t.ok = !failed;
  return t;
}
