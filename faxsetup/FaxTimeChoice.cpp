#include "FaxTimeChoice.h"

#include <time.h>

int CentredControlLeft(int pictureWidth, int pageWidth, int controlWidth)
{
    return pictureWidth + ((pageWidth - controlWidth) - pictureWidth) / 2;
}

int64_t LocalMoment(const LocalDateTime& when)
{
    tm local = {};
    local.tm_year = when.year - 1900;
    local.tm_mon = when.month - 1;
    local.tm_mday = when.day;
    local.tm_hour = when.hour;
    local.tm_min = when.minute;
    local.tm_sec = when.second;
    local.tm_isdst = -1;
    return static_cast<int64_t>(mktime(&local));
}

bool LocalDateTimeOf(int64_t moment, LocalDateTime& when)
{
    time_t value = static_cast<time_t>(moment);
    const tm* local = localtime(&value);
    if (local == nullptr)
        return false;
    when = {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
            local->tm_hour, local->tm_min, local->tm_sec};
    return true;
}
