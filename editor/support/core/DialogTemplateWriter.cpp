#include "editor/support/core/DialogTemplateWriter.h"

#include <cstdint>
#include <cstring>

namespace support {

std::size_t CopyAnsiToWide(unsigned char* destination, std::size_t capacityBytes, const char* text) {
  if (!destination) return 0;
  const std::size_t length = text ? std::strlen(text) : 0;
  const std::size_t units = length + 1;
  if (units > capacityBytes / 2) return 0;
  for (std::size_t i = 0; i < length; ++i) {
    destination[2 * i] = static_cast<unsigned char>(text[i]);
    destination[2 * i + 1] = 0;
  }
  destination[2 * length] = 0;
  destination[2 * length + 1] = 0;
  return units;
}

unsigned char* AlignDword(unsigned char* address) {
  const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(address);
  return address + (((value + 3) & ~std::uintptr_t{3}) - value);
}

DialogTemplateWriter::DialogTemplateWriter(unsigned char* block, std::size_t capacity)
    : block_(block), capacity_(capacity), ok_(block != nullptr) {}

bool DialogTemplateWriter::Fail() {
  ok_ = false;
  return false;
}

bool DialogTemplateWriter::Word(std::uint16_t value) {
  if (!ok_ || capacity_ - offset_ < 2) return Fail();
  block_[offset_++] = static_cast<unsigned char>(value & 0xFF);
  block_[offset_++] = static_cast<unsigned char>(value >> 8);
  return true;
}

bool DialogTemplateWriter::Dword(std::uint32_t value) {
  return Word(static_cast<std::uint16_t>(value & 0xFFFF)) && Word(static_cast<std::uint16_t>(value >> 16));
}

bool DialogTemplateWriter::Text(const char* text) {
  if (!ok_) return false;
  const std::size_t units = CopyAnsiToWide(block_ + offset_, capacity_ - offset_, text);
  if (units == 0) return Fail();
  offset_ += 2 * units;
  return true;
}

bool DialogTemplateWriter::Begin(const DialogHeader& h) {
  if (!ok_ || begun_) return Fail();
  begun_ = true;
  return Dword(h.style) && Dword(0) && Word(0) &&  // item count, kept up to date by AddControl
         Word(static_cast<std::uint16_t>(h.x)) && Word(static_cast<std::uint16_t>(h.y)) &&
         Word(static_cast<std::uint16_t>(h.cx)) && Word(static_cast<std::uint16_t>(h.cy)) &&
         Word(0) && Word(0) &&  // no menu, the standard dialog class
         Text(h.caption) && Word(h.pointSize) && Text(h.faceName);
}

bool DialogTemplateWriter::AddControl(const DialogControl& c) {
  if (!ok_ || !begun_ || count_ == 0xFFFF) return Fail();
  const std::size_t aligned = AlignDword(offset_);
  if (aligned > capacity_) return Fail();
  while (offset_ < aligned) block_[offset_++] = 0;  // padding, even in a block not zero-filled
  if (!(Dword(c.style) && Dword(0) && Word(static_cast<std::uint16_t>(c.x)) &&
        Word(static_cast<std::uint16_t>(c.y)) && Word(static_cast<std::uint16_t>(c.cx)) &&
        Word(static_cast<std::uint16_t>(c.cy)) && Word(c.id) && Word(0xFFFF) && Word(c.classAtom) &&
        Text(c.text) && Word(0))) {
    return false;
  }
  ++count_;
  block_[8] = static_cast<unsigned char>(count_ & 0xFF);
  block_[9] = static_cast<unsigned char>(count_ >> 8);
  return true;
}

std::size_t WriteMessageTemplate(unsigned char* block, std::size_t capacity, int kind) {
  DialogTemplateWriter writer(block, capacity);
  writer.Begin({kDialogMessageStyle, 90, 70, 220, 85, "DialogTmp", 8, "MS Sans Serif"});
  writer.AddControl({kStaticIconStyle, 8, 9, 18, 20, kMessageIconControl, kStaticClass, " "});
  writer.AddControl({kStaticLeftStyle, 37, 8, 175, 50, kMessageTextControl, kStaticClass, " "});

  struct Button {
    std::uint16_t id;
    const char* text;
    std::int16_t x;
  };
  // clang-format off
  static const Button kOk[] = {{1, "OK", 91}};
  static const Button kYesNo[] = {{6, "&Yes", 69}, {7, "&No", 115}};
  static const Button kYesNoCancel[] = {{6, "&Yes", 46}, {7, "&No", 92}, {2, "&Cancel", 138}};
  // clang-format on
  const Button* buttons = kOk;
  int count = 1;
  if (kind == 2) {
    buttons = kYesNo;
    count = 2;
  } else if (kind >= 3) {
    buttons = kYesNoCancel;
    count = 3;
  }
  for (int i = 0; i < count; ++i) {
    const std::uint32_t style = i == 0 ? kDefPushButtonStyle : kPushButtonStyle;
    writer.AddControl({style, buttons[i].x, 65, 36, 14, buttons[i].id, kButtonClass, buttons[i].text});
  }
  return writer.Size();
}

}  // namespace support
