#include "TextSlot.h"

std::string FillTextSlot(std::string pattern, const std::string& value)
{
    size_t slot = pattern.find("%s");
    if (slot != std::string::npos)
        pattern.replace(slot, 2, value);
    return pattern;
}
