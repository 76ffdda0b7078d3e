#include "FaxShownTime.h"

#include <time.h>

#include "FaxTimeChoice.h"

bool LocalSystemTime(int64_t moment, SYSTEMTIME& local)
{
    LocalDateTime parts;
    if (!LocalDateTimeOf(moment, parts))
        return false;
    local = {};
    local.wYear = static_cast<WORD>(parts.year);
    local.wMonth = static_cast<WORD>(parts.month);
    local.wDay = static_cast<WORD>(parts.day);
    local.wHour = static_cast<WORD>(parts.hour);
    local.wMinute = static_cast<WORD>(parts.minute);
    local.wSecond = static_cast<WORD>(parts.second);
    return true;
}

bool FaxShownTime(int timeOffset, SYSTEMTIME& shown)
{
    return LocalSystemTime(static_cast<int64_t>(time(nullptr)) + timeOffset, shown);
}
