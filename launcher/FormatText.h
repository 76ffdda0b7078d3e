#pragma once
#include <string>

// printf-style formatting into a string of whatever length the values need.
std::string FormatText(const char* format, ...)
    __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));
