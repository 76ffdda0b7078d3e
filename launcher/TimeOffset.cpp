#include "TimeOffset.h"

#include <string.h>

namespace {

struct Field {
    // What ends the part; '\0' for the second, which is everything after the text's last ':'.
    char separator;
    int minimum;
    int maximum;
};

// year-month-day_hour:minute:second
const Field kFields[] = {
    {'-', 1992, 2037}, {'-', 1, 12}, {'_', 1, 31}, {':', 0, 24}, {':', 0, 60}, {'\0', 0, 60},
};
const int kFieldCount = sizeof kFields / sizeof kFields[0];

// Digits only; stops counting once above any range, so a long run of digits cannot overflow.
bool ReadPart(const char* begin, const char* end, int& value)
{
    const int kAboveAnyRange = 100000;
    value = 0;
    for (const char* p = begin; p != end; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        if (value < kAboveAnyRange)
            value = value * 10 + (*p - '0');
    }
    return true;
}

}  // namespace

bool ParseLocalTime(const char* pszText, time_t& moment)
{
    int values[kFieldCount];
    const char* part = pszText;
    for (int i = 0; i < kFieldCount; ++i) {
        const Field& field = kFields[i];
        // The minute's ':' was found, so the text has a last one.
        if (field.separator == '\0')
            part = strrchr(pszText, ':') + 1;
        const char* end = field.separator != '\0' ? strchr(part, field.separator)
                                                  : part + strlen(part);
        if (end == nullptr || !ReadPart(part, end, values[i]))
            return false;
        if (values[i] < field.minimum || values[i] > field.maximum)
            return false;
        part = field.separator != '\0' ? end + 1 : end;
    }

    tm asked = {};
    asked.tm_year = values[0] - 1900;
    asked.tm_mon = values[1] - 1;
    asked.tm_mday = values[2];
    asked.tm_hour = values[3];
    asked.tm_min = values[4];
    asked.tm_sec = values[5];
    asked.tm_isdst = -1;
    tm normalised = asked;
    time_t made = mktime(&normalised);
    if (made == static_cast<time_t>(-1))
        return false;
    // mktime rolls impossible fields over into the next unit; only a real time comes back whole.
    const tm* back = localtime(&made);
    if (back == nullptr || back->tm_year != asked.tm_year || back->tm_mon != asked.tm_mon ||
        back->tm_mday != asked.tm_mday || back->tm_hour != asked.tm_hour ||
        back->tm_min != asked.tm_min || back->tm_sec != asked.tm_sec)
        return false;
    moment = made;
    return true;
}
