// Parses arbitrary "/FT" texts in a time zone with daylight saving and checks that every
// accepted text names a real local time that its own fields, written out again, name too.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#include <string>

#include "TimeOffset.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    time_t moment;
    if (!ParseLocalTime(text.c_str(), moment))
        return 0;
    tm fields = *localtime(&moment);
    if (fields.tm_year + 1900 < 1992 || fields.tm_year + 1900 > 2037)
        abort();
    char written[64];
    snprintf(written, sizeof written, "%d-%d-%d_%d:%d:%d", fields.tm_year + 1900,
             fields.tm_mon + 1, fields.tm_mday, fields.tm_hour, fields.tm_min, fields.tm_sec);
    time_t again;
    if (!ParseLocalTime(written, again) || again != moment)
        abort();
    return 0;
}
