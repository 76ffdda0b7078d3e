#include "PrinterText.h"

#include <cstdio>

namespace {

std::string TimeText(const std::tm& time)
{
    char text[32];
    std::strftime(text, sizeof(text), "%Y-%m-%d %H:%M:%S", &time);
    return text;
}

}  // namespace

std::string GroupedDigits(std::uint64_t number)
{
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, " ");
    return digits;
}

bool UtcTimeText(std::int64_t seconds, std::string& text)
{
    std::time_t time = static_cast<std::time_t>(seconds);
    std::tm fields = {};
    if (time != seconds || gmtime_r(&time, &fields) == nullptr || fields.tm_year > 9999 - 1900 ||
        fields.tm_year < -1900)
        return false;
    text = TimeText(fields);
    return true;
}

std::string LocalTimeText(std::time_t seconds)
{
    std::tm fields = {};
    localtime_r(&seconds, &fields);
    return TimeText(fields);
}

std::string OffsetText(int minutes)
{
    return (minutes < 0 ? "" : "+") + std::to_string(minutes) + " minutes";
}

std::string QuotedBytes(const std::string& bytes)
{
    std::string quoted = "\"";
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            quoted += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof(escape), "\\x%02X", c);
            quoted += escape;
        }
    }
    return quoted + "\"";
}

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}
