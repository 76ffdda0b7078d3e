#include "FormatText.h"

#include <stdarg.h>
#include <stdio.h>

#include <vector>

std::string FormatText(const char* format, ...)
{
    std::vector<char> buffer(256);
    for (;;) {
        va_list arguments;
        va_start(arguments, format);
        int length = vsnprintf(buffer.data(), buffer.size(), format, arguments);
        va_end(arguments);
        if (length >= 0 && static_cast<size_t>(length) < buffer.size())
            return std::string(buffer.data(), length);
        // Some runtimes answer -1 instead of the needed length.
        buffer.resize(length >= 0 ? length + 1 : buffer.size() * 2);
    }
}
