#pragma once
#include <windows.h>

// The local date and time the printer's clock is to show now: the PC clock moved by
// `timeOffset` seconds, as the date and time controls take it. False when it has none.
bool FaxShownTime(int timeOffset, SYSTEMTIME& shown);
