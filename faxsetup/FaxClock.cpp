#include "FaxClock.h"

#include <sys/timeb.h>
#include <time.h>

namespace {

const int kSecondsPerHour = 3600;

}  // namespace

int64_t FaxTargetTime(int64_t now, int timeOffset, int roundTripSumMs)
{
    return now + timeOffset + (roundTripSumMs / 1000) / 4;
}

int64_t FaxClockValue(int64_t targetTime, bool targetInDaylightSaving, bool pcInDaylightSaving,
                      bool printerDaylightSaving)
{
    int64_t value = targetTime;
    if (pcInDaylightSaving && !printerDaylightSaving)
        value += kSecondsPerHour;
    else if (!pcInDaylightSaving && printerDaylightSaving)
        value -= kSecondsPerHour;
    int64_t seasonChange = int64_t(targetInDaylightSaving) - int64_t(pcInDaylightSaving);
    return value + seasonChange * kSecondsPerHour;
}

int FaxTimeZoneOffset(long secondsWestOfUtc) { return static_cast<int>(secondsWestOfUtc / -60); }

FaxClock ReadFaxClock(int timeOffset, int roundTripSumMs, bool printerDaylightSaving)
{
    _tzset();
    time_t target = FaxTargetTime(time(nullptr), timeOffset, roundTripSumMs);
    const tm* local = localtime(&target);
    bool targetInDaylightSaving = local != nullptr && local->tm_isdst > 0;
    _timeb now;
    _ftime(&now);

    FaxClock clock;
    clock.currentTime =
        FaxClockValue(target, targetInDaylightSaving, now.dstflag != 0, printerDaylightSaving);
    clock.timeZoneOffset = FaxTimeZoneOffset(_timezone);
    return clock;
}
