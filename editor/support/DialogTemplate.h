// Dialog templates in memory: a locked, zero-filled movable global block that a builder writes
// with DialogTemplateWriter and the indirect dialog functions read. The block is freed when its
// TemplateBlock goes, or, after release(), with FreeDialogTemplate.
#pragma once

#include <windows.h>

#include <cstddef>

#include "editor/support/core/DialogTemplateWriter.h"

namespace support {

class TemplateBlock {
 public:
  TemplateBlock() = default;
  TemplateBlock(TemplateBlock&& other) noexcept;
  TemplateBlock& operator=(TemplateBlock&& other) noexcept;
  TemplateBlock(const TemplateBlock&) = delete;
  TemplateBlock& operator=(const TemplateBlock&) = delete;
  ~TemplateBlock() { Free(); }

  // Allocates `bytes` zero-filled (GMEM_MOVEABLE | GMEM_ZEROINIT) and locks them; empty when
  // the memory cannot be had (nothing is reported: see AllocTemplateBlock).
  static TemplateBlock Allocate(std::size_t bytes);

  explicit operator bool() const { return data_ != nullptr; }
  unsigned char* bytes() const { return static_cast<unsigned char*>(data_); }
  std::size_t size() const { return size_; }
  const DLGTEMPLATE* get() const { return static_cast<const DLGTEMPLATE*>(data_); }
  // Hands the locked block to the caller, who frees it with FreeDialogTemplate.
  DLGTEMPLATE* release();
  void Free();

 private:
  HGLOBAL handle_ = nullptr;
  void* data_ = nullptr;
  std::size_t size_ = 0;
};

// A block for a template. When it cannot be had the user is told: for a message box
// (kMessageTemplateBytes) by the system's stop box "Cannot allocate memory for dialog box
// template", for anything else by error text 60008 with "Dialog Template" and the size.
TemplateBlock AllocTemplateBlock(std::size_t bytes);

// The message box template of `kind` (0 error, 1 notice, 2 question, 3 or more save question)
// in a 2048-byte block, or an empty block when it could not be built.
TemplateBlock BuildMessageTemplate(int kind);

// A box or page template of `header` and `controls` in a kPageTemplateBytes block, or an empty
// block when it could not be built.
TemplateBlock BuildPageTemplate(const DialogHeader& header, const DialogControl* controls, std::size_t count);
template <std::size_t N>
TemplateBlock BuildPageTemplate(const DialogHeader& header, const DialogControl (&controls)[N]) {
  return BuildPageTemplate(header, controls, N);
}

// Unlocks and frees a template handed out by TemplateBlock::release(); null is ignored.
void FreeDialogTemplate(const DLGTEMPLATE* dialogTemplate);

// Tells the user that a template block could not be allocated (the path above). Used by
// AllocTemplateBlock; callable on its own so that the report can be checked.
void ReportTemplateAllocationFailure(std::size_t bytes);

}  // namespace support
