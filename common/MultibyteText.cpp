#include "MultibyteText.h"

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
