// Dates and times in the user's regional style, from the [Intl] section of WIN.INI read afresh
// for each text. Each call overwrites its program-wide buffer of 256 bytes (one for times, one
// for dates) and also copies into `output` (at least 256 bytes) when one is given.
#pragma once

#include <ctime>

#include "editor/support/core/IntlFormat.h"

namespace support {

// The [Intl] values of WIN.INI, with the defaults for missing keys.
IntlSettings ReadIntlSettings();

// The time `time` (null: now) as the time text.
const char* FormatTimeText(const std::time_t* time, char* output);
// The date `time` (null: now) by the long or short picture.
const char* FormatDateText(const std::time_t* time, bool longDate, char* output);

}  // namespace support
