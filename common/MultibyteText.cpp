#include "MultibyteText.h"

#include <mbstring.h>
#include <windows.h>

#include <vector>

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

std::string LowerCase(const std::string& text)
{
    std::vector<unsigned char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    _mbslwr(buffer.data());
    return reinterpret_cast<const char*>(buffer.data());
}
