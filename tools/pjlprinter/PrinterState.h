#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "PanelLanguage.h"

// What the printer keeps across restarts: the settings the fax unit was given and the panel
// language it holds. Stored as "key=value" lines, empty when never set, for scripts to read.
struct PrinterState {
    std::string countryCode;     // digits
    std::string daylightSaving;  // "ON" or "OFF"
    std::optional<int> timeZoneOffset;     // minutes east of UTC
    std::optional<std::int64_t> clock;     // seconds since 1970, UTC, as set
    std::int64_t clockSetAt = 0;           // this machine's time when it was set
    std::optional<PanelLanguage> panel;

    // Each takes a value as a command or the state file writes it; false, and nothing changes,
    // for a value the printer does not take.
    bool SetCountryCode(const std::string& text);
    bool SetDaylightSaving(const std::string& text);
    bool SetTimeZoneOffset(const std::string& text);
    bool SetClock(const std::string& text, std::int64_t setAt);

    // A missing file is a printer that was never set; unreadable values stay unset.
    void Load(const std::string& path);
    bool Save(const std::string& path) const;
};

// Writes the file whole or not at all, so a reader never sees half of it.
bool ReplaceFile(const std::string& path, const std::string& bytes);
