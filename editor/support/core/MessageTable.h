// The editor's built-in message table: ids 60000 to 60107. Every other string id is a string
// resource of the program. Portable: no windows.h.
#pragma once

constexpr unsigned kFirstMessageId = 60000;
constexpr unsigned kLastMessageId = 60107;

// Ids of the table the support library itself uses.
constexpr unsigned kMsgReady = 60000;
constexpr unsigned kMsgCannotAllocate = 60008;
constexpr unsigned kMsgFileIoTitle = 60020;
constexpr unsigned kMsgFileNotFound = 60021;
constexpr unsigned kMsgFileCreate = 60026;
constexpr unsigned kMsgFileWrite = 60037;
constexpr unsigned kMsgFileFlush = 60040;
constexpr unsigned kMsgFileSetEof = 60041;
constexpr unsigned kMsgFileClose = 60042;

constexpr bool IsMessageTableId(unsigned id) {
  return id >= kFirstMessageId && id <= kLastMessageId;
}

// The table text of `id`, or null when `id` lies outside the table.
const char* MessageTableText(unsigned id);
