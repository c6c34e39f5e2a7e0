// The editor's built-in message table: ids MESSAGE_TABLE_FIRST to MESSAGE_TABLE_LAST (60000 to
// 60107, named in the program's ids header). Every other string id is a string resource of the
// program. Portable: no windows.h.
#pragma once

#include "resources/quillet_ids.h"

namespace support {

constexpr bool IsMessageTableId(unsigned id) {
  return id >= MESSAGE_TABLE_FIRST && id <= MESSAGE_TABLE_LAST;
}

// The table text of `id`, or null when `id` lies outside the table.
const char* MessageTableText(unsigned id);

}  // namespace support
