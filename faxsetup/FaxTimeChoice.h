#pragma once
#include <stdint.h>

// The arithmetic of the time page, apart from its controls.

// The left edge that centres a control `controlWidth` wide in what the side picture,
// `pictureWidth` wide, leaves of a page `pageWidth` wide; the division truncates toward zero.
int CentredControlLeft(int pictureWidth, int pageWidth, int controlWidth);

// A local date and time of day as the page's calendar and time field show them.
struct LocalDateTime {
    int year;
    int month;  // 1 to 12
    int day;
    int hour;   // 24 or -1 carry into the next or previous day
    int minute;
    int second;
};

// The moment, in seconds since 1970-01-01 00:00:00 UTC, that a local date and time stands for,
// with the C runtime telling whether daylight saving is in force then; -1 when it has none.
int64_t LocalMoment(const LocalDateTime& when);

// The local date and time of a moment; false when the C runtime cannot break it down.
bool LocalDateTimeOf(int64_t moment, LocalDateTime& when);
