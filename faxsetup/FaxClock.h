#pragma once
#include <stdint.h>

// The clock values the fax settings give the printer: the current time as seconds since
// 1970-01-01 00:00:00 UTC, kept in the frame the printer's daylight-saving setting expects, and
// the PC's standard-time offset from UTC in minutes, east positive.
struct FaxClock {
    int64_t currentTime = 0;
    int timeZoneOffset = 0;
};

// The moment the printer is to show: now, moved by the wanted offset, plus a quarter of the echo
// round trips in whole seconds (the time the jobs take to arrive).
int64_t FaxTargetTime(int64_t now, int timeOffset, int roundTripSumMs);

// The target time corrected for the difference between the PC's daylight saving now, the one in
// force at the target time, and the printer's own setting.
int64_t FaxClockValue(int64_t targetTime, bool targetInDaylightSaving, bool pcInDaylightSaving,
                      bool printerDaylightSaving);

// Minutes east of UTC from the C runtime's seconds west of UTC.
int FaxTimeZoneOffset(long secondsWestOfUtc);

// The values for this moment, from the C runtime's clock and time zone (the TZ variable when set,
// otherwise the system's settings).
FaxClock ReadFaxClock(int timeOffset, int roundTripSumMs, bool printerDaylightSaving);
