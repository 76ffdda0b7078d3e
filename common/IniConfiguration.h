#pragma once
#include <string>
#include <vector>

#include "AnsiCharacters.h"

class IniText;

// One section of "Zembrak.ini": entry names in file order, and the value of each
// (values may be fewer than keys when a value failed to read).
struct IniSection {
    std::vector<std::string> keys;
    std::vector<std::string> values;

    const std::string& ValueAt(int index) const;  // "" when the index has no value
};

enum IniSectionId {
    SECTION_DRIVERS,
    SECTION_LANGUAGE,
    SECTION_MODELS,
    SECTION_MACHINES,
    SECTION_LOCALIZE,
    SECTION_LINK,
    SECTION_LANGUAGE_VERSION,
    SECTION_LANGUAGE_NAME,
    SECTION_MODEL_ID,
    SECTION_FAX_MACHINE,
    SECTION_FAX_DESTINATION,
    SECTION_DRIVER_AND_MODEL,
    SECTION_FAX_COUNTRY_CODE,
    SECTION_PANEL_RESTRICTION,
    SECTION_COUNT
};

// What one read of "Zembrak.ini" holds, as the key-by-key reading of the profile functions
// gave it, and the code page its text is compared in. A missing file reads as an empty text.
struct IniConfiguration {
    bool loaded = true;  // false when a section failed to read or a value was too long
    std::string revision;
    IniSection sections[SECTION_COUNT];
    bool hasFaxMachine = true;
    bool hasFaxDestination = true;
    bool hasFaxCountryCode = true;
    AnsiCharacters characters;

    const IniSection& Section(IniSectionId id) const { return sections[id]; }
};

IniConfiguration ReadIniConfiguration(const IniText& text);
