#pragma once
#include <time.h>

// The local time a "/FT" text names, "year-month-day_hour:minute:second" (each part decimal
// digits, an empty part 0). False when a separator is missing, a part is not all digits or out
// of range, or the fields name no real local time (the 30th of February, hour 24, a time that a
// daylight-saving change skips).
bool ParseLocalTime(const char* pszText, time_t& moment);
