#include "FaxShownTime.h"

#include <time.h>

#include "FaxTimeChoice.h"

bool FaxShownTime(int timeOffset, SYSTEMTIME& shown)
{
    LocalDateTime local;
    if (!LocalDateTimeOf(static_cast<int64_t>(time(nullptr)) + timeOffset, local))
        return false;
    shown = {};
    shown.wYear = static_cast<WORD>(local.year);
    shown.wMonth = static_cast<WORD>(local.month);
    shown.wDay = static_cast<WORD>(local.day);
    shown.wHour = static_cast<WORD>(local.hour);
    shown.wMinute = static_cast<WORD>(local.minute);
    shown.wSecond = static_cast<WORD>(local.second);
    return true;
}
