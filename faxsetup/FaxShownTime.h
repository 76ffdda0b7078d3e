#pragma once
#include <windows.h>

#include <stdint.h>

// A moment (seconds since 1970) as the local date and time the date and time controls take.
// False when the C runtime has no local time for it.
bool LocalSystemTime(int64_t moment, SYSTEMTIME& local);

// The local date and time the printer's clock is to show now: the PC clock moved by
// `timeOffset` seconds. False when it has none.
bool FaxShownTime(int timeOffset, SYSTEMTIME& shown);
