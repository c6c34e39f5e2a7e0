#include "editor/support/DialogTemplate.h"

#include <utility>

#include "editor/support/MessageBoxes.h"
#include "editor/support/core/MessageTable.h"

namespace support {

TemplateBlock::TemplateBlock(TemplateBlock&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)),
      data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)) {}

TemplateBlock& TemplateBlock::operator=(TemplateBlock&& other) noexcept {
  if (this != &other) {
    Free();
    handle_ = std::exchange(other.handle_, nullptr);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

TemplateBlock TemplateBlock::Allocate(std::size_t bytes) {
  TemplateBlock block;
  if (bytes == 0) return block;
  block.handle_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  if (!block.handle_) return block;
  block.data_ = GlobalLock(block.handle_);
  if (!block.data_) {
    GlobalFree(std::exchange(block.handle_, nullptr));
    return block;
  }
  block.size_ = bytes;
  return block;
}

DLGTEMPLATE* TemplateBlock::release() {
  handle_ = nullptr;
  size_ = 0;
  return static_cast<DLGTEMPLATE*>(std::exchange(data_, nullptr));
}

void TemplateBlock::Free() {
  if (handle_) {
    GlobalUnlock(handle_);
    GlobalFree(handle_);
  }
  handle_ = nullptr;
  data_ = nullptr;
  size_ = 0;
}

void FreeDialogTemplate(const DLGTEMPLATE* dialogTemplate) {
  if (!dialogTemplate) return;
  const HGLOBAL handle = GlobalHandle(dialogTemplate);
  if (!handle) return;
  GlobalUnlock(handle);
  GlobalFree(handle);
}

void ReportTemplateAllocationFailure(std::size_t bytes) {
  if (bytes == kMessageTemplateBytes) {
    ShowSystemStopBox("Cannot allocate memory for dialog box template", "Error");
  } else {
    ErrorBox(MSG_CANNOT_ALLOCATE, "Dialog Template", bytes);
  }
}

TemplateBlock AllocTemplateBlock(std::size_t bytes) {
  TemplateBlock block = TemplateBlock::Allocate(bytes);
  if (!block) ReportTemplateAllocationFailure(bytes);
  return block;
}

TemplateBlock BuildMessageTemplate(int kind) {
  TemplateBlock block = AllocTemplateBlock(kMessageTemplateBytes);
  if (block && WriteMessageTemplate(block.bytes(), block.size(), kind) == 0) block.Free();
  return block;
}

TemplateBlock BuildPageTemplate(const DialogHeader& header, const DialogControl* controls, std::size_t count) {
  TemplateBlock block = AllocTemplateBlock(kPageTemplateBytes);
  if (!block) return block;
  DialogTemplateWriter writer(block.bytes(), block.size());
  writer.Begin(header);
  for (std::size_t i = 0; i < count; ++i) writer.AddControl(controls[i]);
  if (!writer.ok()) block.Free();
  return block;
}

}  // namespace support
