#pragma once
#include <windows.h>

#include <string>

// The abbreviated language name of the user's locale ("ENU", "JPN"), which the suites that
// depend on it check first: CTest sets the locale through LC_ALL.
inline std::string UserLocale()
{
    char text[16] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, text, sizeof text);
    return text;
}
