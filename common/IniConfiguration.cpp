#include "IniConfiguration.h"

#include "IniText.h"
#include "ProfileAnswers.h"

namespace {

// The buffers the model was specified with, and the results that say they were too small.
const size_t kNameBufferSize = 0x4000;
const size_t kNamesTooLarge = kNameBufferSize - 2;
const size_t kValueBufferSize = 256;
const size_t kValueTooLong = kValueBufferSize - 1;

struct SectionLayout {
    IniSectionId id;
    const char* name;
    bool optional;   // an absent or empty section is allowed and clears a presence flag
    bool hasValues;  // only the key names are read otherwise
};

// Reading order of the file's sections.
const SectionLayout kSections[] = {
    {SECTION_DRIVERS, "Drivers", false, true},
    {SECTION_LANGUAGE, "Language", false, true},
    {SECTION_MODELS, "Models", false, true},
    {SECTION_MACHINES, "Machines", false, true},
    {SECTION_LOCALIZE, "Localize", false, true},
    {SECTION_LINK, "Link", false, true},
    {SECTION_LANGUAGE_VERSION, "LanguageVersion", false, true},
    {SECTION_LANGUAGE_NAME, "LanguageName", false, true},
    {SECTION_MODEL_ID, "ModelID", false, true},
    {SECTION_FAX_MACHINE, "Fax Machine", true, true},
    {SECTION_FAX_DESTINATION, "Fax Destination", true, true},
    {SECTION_DRIVER_AND_MODEL, "Driver and Model", false, true},
    {SECTION_FAX_COUNTRY_CODE, "Fax Country Code", true, false},
    {SECTION_PANEL_RESTRICTION, "PanelRestriction", false, true},
};

// Fails only when the list did not fit the buffer; an absent or empty section sets `empty`.
bool ReadEntryNames(const IniText& text, const char* section, std::vector<std::string>& names,
                    bool& empty)
{
    ProfileAnswer answer = ProfileEntryNames(text, section, kNameBufferSize);
    empty = answer.length == 0;
    if (answer.length == kNamesTooLarge)
        return false;
    for (size_t position = 0; position + 1 < answer.length;) {
        std::string name(answer.buffer.c_str() + position);
        position += name.size() + 1;
        names.push_back(name);
    }
    return true;
}

bool ReadValues(const IniText& text, const char* section, IniSection& target)
{
    for (const std::string& key : target.keys) {
        ProfileAnswer answer = ProfileValue(text, section, key.c_str(), kValueBufferSize);
        if (answer.length == kValueTooLong)
            return false;
        target.values.push_back(answer.buffer.c_str());
    }
    return true;
}

void ClearPresence(IniConfiguration& configuration, IniSectionId id)
{
    if (id == SECTION_FAX_MACHINE)
        configuration.hasFaxMachine = false;
    else if (id == SECTION_FAX_DESTINATION)
        configuration.hasFaxDestination = false;
    else
        configuration.hasFaxCountryCode = false;
}

// At namespace scope rather than a function's static: the guard of a function's static sets up
// threading objects that outlive a library freed after the call.
const std::string kNoValue;

}  // namespace

const std::string& IniSection::ValueAt(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < values.size() ? values[index] : kNoValue;
}

IniConfiguration ReadIniConfiguration(const IniText& text)
{
    IniConfiguration configuration;
    configuration.characters = text.Characters();
    std::vector<std::string> revision;
    bool empty = false;
    if (ReadEntryNames(text, "Revision", revision, empty) && !empty)
        configuration.revision = revision.front();
    else
        configuration.loaded = false;

    for (const SectionLayout& layout : kSections) {
        IniSection& section = configuration.sections[layout.id];
        if (!ReadEntryNames(text, layout.name, section.keys, empty)) {
            configuration.loaded = false;
        } else if (empty) {
            if (layout.optional)
                ClearPresence(configuration, layout.id);
            else
                configuration.loaded = false;
        } else if (layout.hasValues && !ReadValues(text, layout.name, section)) {
            configuration.loaded = false;
        }
    }
    return configuration;
}
