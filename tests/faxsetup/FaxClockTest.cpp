#include <gtest/gtest.h>

#include <stdlib.h>
#include <time.h>

#include "FaxClock.h"

namespace {

const int kHour = 3600;
const int kHalfYear = 183 * 24 * kHour;

// The C runtime's time zone for one test, in the Windows form the runtime reads.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* tz)
    {
        _putenv_s("TZ", tz);
        _tzset();
    }
    ~ScopedTimeZone()
    {
        _putenv_s("TZ", "");
        _tzset();
    }
};

bool InDaylightSaving(time_t moment) { return localtime(&moment)->tm_isdst > 0; }

TEST(FaxClockTest, EchoRoundTripsAddAQuarterOfTheirWholeSeconds)
{
    EXPECT_EQ(1000, FaxTargetTime(1000, 0, 3999));
    EXPECT_EQ(1001, FaxTargetTime(1000, 0, 4000));
    EXPECT_EQ(1002 - 60, FaxTargetTime(1000, -60, 8000));
    // Past 2038 the value is still right: nothing is kept in 32 bits.
    EXPECT_EQ(int64_t(0x7fffffff) + 10, FaxTargetTime(0x7fffffff, 10, 0));
}

TEST(FaxClockTest, TimeZonesGiveMinutesEastOfUtc)
{
    struct {
        const char* tz;
        int minutes;
    } zones[] = {{"JST-9", 540}, {"EST5", -300}, {"IST-5:30", 330}, {"NST3:30", -210}};
    for (const auto& zone : zones) {
        ScopedTimeZone scoped(zone.tz);
        time_t before = time(nullptr);
        FaxClock clock = ReadFaxClock(0, 0, false);
        EXPECT_EQ(zone.minutes, clock.timeZoneOffset) << zone.tz;
        // Without daylight saving the clock is the plain count of seconds since 1970 UTC.
        EXPECT_GE(clock.currentTime, before) << zone.tz;
        EXPECT_LE(clock.currentTime, time(nullptr)) << zone.tz;
    }
}

// In a zone with daylight saving (the system's too: the test runs with TZ=EST5EDT), whichever
// half of the year the test runs in, the printer's setting and the season of the target time
// move the clock by whole hours.
TEST(FaxClockTest, DaylightSavingOfThePcTheTargetAndThePrinterMoveTheClock)
{
    ScopedTimeZone scoped("EST5EDT");
    time_t now = time(nullptr);
    bool pcSummer = InDaylightSaving(now);
    bool otherSeasonSummer = InDaylightSaving(now + kHalfYear);
    ASSERT_NE(pcSummer, otherSeasonSummer);
    for (int offset : {0, kHalfYear}) {
        for (bool printerSummer : {false, true}) {
            time_t before = time(nullptr);
            FaxClock clock = ReadFaxClock(offset, 0, printerSummer);
            bool targetSummer = InDaylightSaving(before + offset);
            int64_t shift = (pcSummer && !printerSummer ? kHour : 0) -
                            (!pcSummer && printerSummer ? kHour : 0) +
                            (int(targetSummer) - int(pcSummer)) * kHour;
            EXPECT_GE(clock.currentTime, before + offset + shift) << offset << printerSummer;
            EXPECT_LE(clock.currentTime, time(nullptr) + offset + shift) << offset << printerSummer;
            EXPECT_EQ(-300, clock.timeZoneOffset);
        }
    }
    // The cases worked out by hand: d = 0, s = 1, target in standard time gives T - 1 h; the same
    // with a summer target gives T; d = 1, s = 0, summer target gives T + 1 h.
    EXPECT_EQ(1000 - kHour, FaxClockValue(1000, false, false, true));
    EXPECT_EQ(1000, FaxClockValue(1000, true, false, true));
    EXPECT_EQ(1000 + kHour, FaxClockValue(1000, true, true, false));
}

}  // namespace
