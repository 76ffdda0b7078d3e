#include "PrinterState.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace {

bool ParseInteger(const std::string& text, long long& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0';
}

template <typename T>
std::string Optional(const std::optional<T>& value)
{
    return value ? std::to_string(*value) : "";
}

}  // namespace

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
    countryCode = values["country_code"];
    daylightSaving = values["daylight_saving"];
    long long number = 0;
    if (ParseInteger(values["time_zone_offset"], number))
        timeZoneOffset = static_cast<int>(number);
    if (ParseInteger(values["clock"], number))
        clock = number;
    if (ParseInteger(values["clock_set_at"], number))
        clockSetAt = number;
    if (!values["panel_language"].empty() && ParseInteger(values["panel_bytes"], number)) {
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
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush())
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}
