#include "MenuMap.h"

#include "PrinterText.h"

namespace {

const char kNotSet[] = "(not set)";

std::string Item(const std::string& indent, const std::string& name, const std::string& value)
{
    std::string line = indent + name + " ";
    line.resize(30, '.');
    return line + " " + value + "\n";
}

// The printer's clock runs on from the value it was set to.
std::string ClockReading(const PrinterState& state, std::time_t now)
{
    if (!state.clock)
        return kNotSet;
    std::int64_t utc = *state.clock + (now - state.clockSetAt);
    std::int64_t shift = 60 * state.timeZoneOffset.value_or(0) +
                         (state.daylightSaving == "ON" ? 3600 : 0);
    std::string local, universal;
    if (!UtcTimeText(utc + shift, local) || !UtcTimeText(utc, universal))
        return "(out of range)";
    return local + " (" + universal + " UTC)";
}

}  // namespace

std::string MenuMapText(const PrinterState& state, std::time_t now)
{
    std::string page = "MENU MAP                      printed " + LocalTimeText(now) + "\n\n";
    page += Item("", "Message language",
                 state.panel ? state.panel->Description() : "built-in (none downloaded)");
    page += "Fax settings\n";
    page += Item("  ", "Country code", state.countryCode.empty() ? kNotSet : state.countryCode);
    page += "Date/Timer\n";
    page += Item("  ", "Time zone",
                 state.timeZoneOffset ? OffsetText(*state.timeZoneOffset) : kNotSet);
    page += Item("  ", "Summer time",
                 state.daylightSaving.empty() ? kNotSet : state.daylightSaving);
    page += Item("  ", "Date/Time", ClockReading(state, now));
    return page;
}
