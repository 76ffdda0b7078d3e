#include "MultibyteText.h"

#include <mbstring.h>
#include <windows.h>

std::string CutAtCharacter(const std::string& text, size_t maxBytes)
{
    size_t end = 0;
    while (end < text.size()) {
        size_t width = IsDBCSLeadByte(static_cast<BYTE>(text[end])) ? 2 : 1;
        if (end + width > text.size() || end + width > maxBytes)
            break;
        end += width;
    }
    return text.substr(0, end);
}

bool SameTextIgnoringCase(const char* a, const char* b)
{
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a),
                    reinterpret_cast<const unsigned char*>(b)) == 0;
}
