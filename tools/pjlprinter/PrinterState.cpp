#include "PrinterState.h"

#include <strings.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "PrinterText.h"

namespace {

bool ParseNumber(const std::string& text, long long low, long long high, long long& value)
{
    if (text.empty() || text.find_first_not_of("-0123456789") != std::string::npos)
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= low && value <= high;
}

// A time the printer can show; this keeps the clock's arithmetic far from overflow.
bool ParseTime(const std::string& text, long long& seconds)
{
    std::string shown;
    return ParseNumber(text, INT64_MIN, INT64_MAX, seconds) && UtcTimeText(seconds, shown);
}

template <typename T>
std::string Optional(const std::optional<T>& value)
{
    return value ? std::to_string(*value) : "";
}

}  // namespace

bool PrinterState::SetCountryCode(const std::string& text)
{
    long long number = 0;
    if (!ParseNumber(text, 1, 9999, number))
        return false;
    countryCode = std::to_string(number);
    return true;
}

bool PrinterState::SetDaylightSaving(const std::string& text)
{
    bool on = strcasecmp(text.c_str(), "ON") == 0;
    if (!on && strcasecmp(text.c_str(), "OFF") != 0)
        return false;
    daylightSaving = on ? "ON" : "OFF";
    return true;
}

bool PrinterState::SetTimeZoneOffset(const std::string& text)
{
    long long minutes = 0;
    if (!ParseNumber(text, -720, 840, minutes))
        return false;
    timeZoneOffset = static_cast<int>(minutes);
    return true;
}

bool PrinterState::SetClock(const std::string& text, std::int64_t setAt)
{
    long long seconds = 0;
    if (!ParseTime(text, seconds))
        return false;
    clock = seconds;
    clockSetAt = setAt;
    return true;
}

void PrinterState::Load(const std::string& path)
{
    std::ifstream in(path);
    std::map<std::string, std::string> values;
    std::string line;
    while (std::getline(in, line)) {
        std::size_t equals = line.find('=');
        if (equals != std::string::npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    SetCountryCode(values["country_code"]);
    SetDaylightSaving(values["daylight_saving"]);
    SetTimeZoneOffset(values["time_zone_offset"]);
    long long number = 0;
    if (ParseTime(values["clock_set_at"], number))
        SetClock(values["clock"], number);
    if (!values["panel_language"].empty() &&
        ParseNumber(values["panel_bytes"], 0, UINT32_MAX, number)) {
        PanelLanguage held;
        held.language = values["panel_language"];
        held.versionMin = values["panel_version_min"];
        held.versionMax = values["panel_version_max"];
        held.printer = values["panel_printer"];
        held.bytes = static_cast<std::size_t>(number);
        panel = held;
    }
}

bool PrinterState::Save(const std::string& path) const
{
    std::ostringstream out;
    out << "country_code=" << countryCode << "\n"
        << "daylight_saving=" << daylightSaving << "\n"
        << "time_zone_offset=" << Optional(timeZoneOffset) << "\n"
        << "clock=" << Optional(clock) << "\n"
        << "clock_set_at=" << (clock ? std::to_string(clockSetAt) : "") << "\n"
        << "panel_language=" << (panel ? panel->language : "") << "\n"
        << "panel_version_min=" << (panel ? panel->versionMin : "") << "\n"
        << "panel_version_max=" << (panel ? panel->versionMax : "") << "\n"
        << "panel_printer=" << (panel ? panel->printer : "") << "\n"
        << "panel_bytes=" << (panel ? std::to_string(panel->bytes) : "") << "\n";
    return ReplaceFile(path, out.str());
}

bool ReplaceFile(const std::string& path, const std::string& bytes)
{
    std::string temporary = path + ".new";
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        written = static_cast<bool>(out.flush());
    }
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    std::remove(temporary.c_str());
    return false;
}
