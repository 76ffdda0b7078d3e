#include "VersionNumbers.h"

#include <stdint.h>

namespace {

uint32_t LeadingDigits(const std::string& text, size_t begin)
{
    uint32_t value = 0;
    for (size_t i = begin; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + static_cast<uint32_t>(text[i] - '0');
    return value;
}

}  // namespace

int LeadingVersionNumber(const std::string& version)
{
    return static_cast<int>(LeadingDigits(version, 0));
}

int PackedVersionNumber(const std::string& version)
{
    const int kShifts[] = {24, 16, 8, 0};
    size_t stops = 0;
    for (char c : version)
        stops += c == '.' ? 1 : 0;
    if (stops == 0)
        return 0;
    size_t parts = stops < 3 ? stops : 4;
    uint32_t packed = 0;
    size_t begin = 0;
    for (size_t part = 0; part < parts; ++part) {
        packed += LeadingDigits(version, begin) << kShifts[part];
        size_t stop = version.find('.', begin);
        begin = stop == std::string::npos ? version.size() : stop + 1;
    }
    return static_cast<int>(packed);
}
