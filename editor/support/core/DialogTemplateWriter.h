// Classic (not extended) dialog templates written byte by byte into a caller's block, as the
// indirect dialog functions read them: little-endian words, texts as 16-bit units, every control
// on a 4-byte boundary. The writer never writes past its block. Portable: no windows.h.
#pragma once

#include <cstddef>
#include <cstdint>

namespace support {

// Window and control styles the editor's templates use.
// clang-format off
constexpr std::uint32_t kDialogPageStyle    = 0x90C000C0;  // popup, visible, caption, modal frame, set font
constexpr std::uint32_t kDialogMessageStyle = 0x90C800C2;  // as above plus system menu and system modal
constexpr std::uint32_t kStaticLeftStyle    = 0x50000000;  // SS_LEFT (also a push button without tab stop)
constexpr std::uint32_t kStaticRightStyle   = 0x50000002;  // SS_RIGHT
constexpr std::uint32_t kStaticIconStyle    = 0x50000003;  // SS_ICON
constexpr std::uint32_t kEtchedLineStyle    = 0x50000010;  // SS_ETCHEDHORZ
constexpr std::uint32_t kSunkenLineStyle    = 0x50001010;  // SS_ETCHEDHORZ, SS_SUNKEN
constexpr std::uint32_t kSunkenBitmapStyle  = 0x5000180E;  // SS_BITMAP, SS_REALSIZEIMAGE, SS_SUNKEN
constexpr std::uint32_t kEditFieldStyle     = 0x50810080;  // WS_BORDER, WS_TABSTOP, ES_AUTOHSCROLL
constexpr std::uint32_t kCheckBoxStyle      = 0x50010003;  // WS_TABSTOP, BS_AUTOCHECKBOX
constexpr std::uint32_t kPushButtonStyle    = 0x50010000;  // WS_TABSTOP, BS_PUSHBUTTON
constexpr std::uint32_t kDefPushButtonStyle = 0x50010001;  // WS_TABSTOP, BS_DEFPUSHBUTTON

// Predefined control classes (written after 0xFFFF).
constexpr std::uint16_t kButtonClass = 0x0080;
constexpr std::uint16_t kEditClass   = 0x0081;
constexpr std::uint16_t kStaticClass = 0x0082;

constexpr std::uint16_t kNoControlId = 0xFFFF;  // a label without an id

// Block sizes of the templates.
constexpr std::size_t kMessageTemplateBytes = 2048;
constexpr std::size_t kPageTemplateBytes = 4098;

// Controls of every message box.
constexpr std::uint16_t kMessageIconControl = 100;
constexpr std::uint16_t kMessageTextControl = 101;
// clang-format on

// Writes `text` as 16-bit units, one per byte (a byte above 127 becomes the unit of the same
// value), terminator included, little-endian into `destination`. Returns the number of units
// written including the terminator, or 0 (nothing written) when they do not fit into
// `capacityBytes`.
std::size_t CopyAnsiToWide(unsigned char* destination, std::size_t capacityBytes, const char* text);

// `offset` rounded up to the next multiple of 4.
constexpr std::size_t AlignDword(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }
// An address rounded up to the next multiple of 4.
unsigned char* AlignDword(unsigned char* address);

struct DialogHeader {
  std::uint32_t style;
  std::int16_t x, y, cx, cy;
  const char* caption;
  std::uint16_t pointSize;
  const char* faceName;
};

struct DialogControl {
  std::uint32_t style;
  std::int16_t x, y, cx, cy;
  std::uint16_t id;
  std::uint16_t classAtom;
  const char* text;  // "#<number>" names an icon or bitmap resource; " " when set later
};

// Writes one template into a block, every byte it uses (padding included). The header's item
// count follows the controls added. After any write that would not fit, the writer stops and
// Size() is 0.
class DialogTemplateWriter {
 public:
  DialogTemplateWriter(unsigned char* block, std::size_t capacity);

  bool Begin(const DialogHeader& header);
  bool AddControl(const DialogControl& control);

  bool ok() const { return ok_; }
  int controlCount() const { return count_; }
  // Bytes used so far, or 0 after a failure.
  std::size_t Size() const { return ok_ ? offset_ : 0; }

 private:
  bool Word(std::uint16_t value);
  bool Dword(std::uint32_t value);
  bool Text(const char* text);
  bool Fail();

  unsigned char* block_;
  std::size_t capacity_;
  std::size_t offset_ = 0;
  int count_ = 0;
  bool begun_ = false;
  bool ok_;
};

// Writes the message box template of `kind` (0 or 1: OK; 2: Yes, No; 3 or more: Yes, No,
// Cancel; below 0 as 0). Returns the bytes used, or 0 when the block is too small.
std::size_t WriteMessageTemplate(unsigned char* block, std::size_t capacity, int kind);

}  // namespace support
