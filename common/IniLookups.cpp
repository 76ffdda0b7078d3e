#include "IniLookups.h"

#include <algorithm>
#include <vector>

#include "CommaList.h"
#include "OptionalText.h"
#include "ResultCodes.h"

namespace ini {

namespace {

int Find(const IniConfiguration& config, const std::vector<std::string>& list, const char* text)
{
    for (size_t i = 0; i < list.size(); ++i) {
        if (config.characters.SameIgnoringCase(list[i], text))
            return static_cast<int>(i);
    }
    return kNotFound;
}

// Without an error code: an empty key is simply not there.
int KeyPosition(const IniConfiguration& config, IniSectionId id, const char* key)
{
    return IsEmpty(key) ? kNotFound : Find(config, config.Section(id).keys, key);
}

// The value of a key, possibly empty.
bool FindValue(const IniConfiguration& config, IniSectionId id, const char* key,
               int notFoundError, std::string& value, int& error)
{
    int index = FindKey(config, id, key, notFoundError, error);
    value = config.Section(id).ValueAt(index);
    return index != kNotFound;
}

// Collects the items of `list` that `isKnown` rejects, joined by ", ".
template <typename IsKnown>
void CollectUnknownItems(const std::string& list, IsKnown isKnown, std::string& unknown)
{
    bool first = true;
    for (const std::string& item : SplitAtCommas(list)) {
        if (isKnown(item.c_str()))
            continue;
        // An empty item keeps its place too, so ",xx" lists as ", xx".
        if (!first)
            unknown += ", ";
        unknown += item;
        first = false;
    }
}

// The first Language key whose first two characters are those of the code, case ignored.
int FindLanguageByPrefix(const IniConfiguration& config, const char* code)
{
    auto start = [&config](const std::string& text) {
        std::vector<unsigned> characters = config.characters.LowerCaseCharacters(text);
        characters.resize(std::min<size_t>(characters.size(), 2));
        return characters;
    };
    const std::vector<std::string>& keys = config.Section(SECTION_LANGUAGE).keys;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (start(keys[i]) == start(code))
            return static_cast<int>(i);
    }
    return kNotFound;
}

}  // namespace

int FindKey(const IniConfiguration& config, IniSectionId id, const char* key, int notFoundError,
            int& error)
{
    if (IsEmpty(key)) {
        error = ERR_INI_ARGUMENT;
        return kNotFound;
    }
    int index = KeyPosition(config, id, key);
    if (index == kNotFound && notFoundError != 0)
        error = notFoundError;
    return index;
}

bool KeyAt(const IniConfiguration& config, IniSectionId id, int index, std::string& key,
           int& error)
{
    key.clear();
    const std::vector<std::string>& keys = config.Section(id).keys;
    if (index < 0 || static_cast<size_t>(index) >= keys.size()) {
        error = ERR_INI_ARGUMENT;
        return false;
    }
    key = keys[index];
    return !key.empty();
}

bool IsKey(const IniConfiguration& config, IniSectionId id, const char* name)
{
    return KeyPosition(config, id, name) != kNotFound;
}

bool IsValue(const IniConfiguration& config, IniSectionId id, const char* name)
{
    return !IsEmpty(name) && Find(config, config.Section(id).values, name) != kNotFound;
}

bool RequiredValue(const IniConfiguration& config, IniSectionId id, const char* key,
                   int missingError, std::string& value, int& error)
{
    value = config.Section(id).ValueAt(KeyPosition(config, id, key));
    if (value.empty()) {
        error = missingError;
        return false;
    }
    return true;
}

bool LanguageName(const IniConfiguration& config, const char* language, std::string& name,
                  int& error)
{
    int index = KeyPosition(config, SECTION_LANGUAGE, language);
    name = config.Section(SECTION_LANGUAGE).ValueAt(index);
    if (index == kNotFound)
        error = ERR_INI_LANGUAGE;
    return index != kNotFound;
}

ListCheck UnknownLanguages(const IniConfiguration& config, IniSectionId id, int index,
                           std::string& unknown, int& error)
{
    unknown.clear();
    const IniSection& section = config.Section(id);
    const std::string& list = section.ValueAt(index);
    if (list.empty()) {
        error = ERR_INI_LANGUAGE;
        return index < 0 || static_cast<size_t>(index) >= section.keys.size()
                   ? ListCheck::kNoEntry
                   : ListCheck::kEmptyList;
    }
    std::string name;
    CollectUnknownItems(
        list, [&](const char* item) { return LanguageName(config, item, name, error); }, unknown);
    return ListCheck::kChecked;
}

ListCheck UnsupportedCountryCodes(const IniConfiguration& config, int faxModelIndex,
                                  std::string& unsupported, int& error)
{
    unsupported.clear();
    const IniSection& faxMachines = config.Section(SECTION_FAX_MACHINE);
    if (faxModelIndex < 0 || static_cast<size_t>(faxModelIndex) >= faxMachines.keys.size()) {
        error = ERR_INI_COUNTRY_CODE;
        return ListCheck::kNoEntry;
    }
    const std::string& list = faxMachines.ValueAt(faxModelIndex);
    if (list.empty()) {
        error = ERR_INI_COUNTRY_CODE;
        return ListCheck::kEmptyList;
    }
    CollectUnknownItems(
        list,
        [&](const char* code) {
            return FindKey(config, SECTION_FAX_COUNTRY_CODE, code, ERR_INI_COUNTRY_CODE, error) !=
                   kNotFound;
        },
        unsupported);
    return ListCheck::kChecked;
}

bool IsLanguageEnabledForApi(const IniConfiguration& config, const char* api,
                             const char* language, int& error)
{
    if (IsEmpty(api) || IsEmpty(language)) {
        error = ERR_INI_ARGUMENT;
        return false;
    }
    int apiIndex = KeyPosition(config, SECTION_LOCALIZE, api);
    if (apiIndex == kNotFound)
        return false;
    std::string unknown;
    if (UnknownLanguages(config, SECTION_LOCALIZE, apiIndex, unknown, error) !=
            ListCheck::kChecked ||
        !unknown.empty())
        return false;
    return ListContainsIgnoringCase(config.Section(SECTION_LOCALIZE).ValueAt(apiIndex), language,
                                    config.characters);
}

int MatchLanguageForApi(const IniConfiguration& config, const char* api, const char* code,
                        std::string& language, int& error)
{
    if (IsEmpty(api)) {
        error = ERR_INI_ARGUMENT;
        return kNotFound;
    }
    int index = IsEmpty(code) ? kNotFound : FindLanguageByPrefix(config, code);
    if (index == kNotFound)
        return kNotFound;
    // Later keys with the same prefix are not tried.
    language = config.Section(SECTION_LANGUAGE).keys[index];
    return IsLanguageEnabledForApi(config, api, language.c_str(), error) ? index : kNotFound;
}

int MatchLanguageByPrefix(const IniConfiguration& config, const char* code, std::string& language,
                          int& error)
{
    language.clear();
    if (IsEmpty(code)) {
        error = ERR_INI_ARGUMENT;
        return kNotFound;
    }
    int index = FindLanguageByPrefix(config, code);
    if (index != kNotFound)
        language = config.Section(SECTION_LANGUAGE).keys[index];
    return index;
}

bool IsPanelRestricted(const IniConfiguration& config, const char* code)
{
    const IniSection& section = config.Section(SECTION_PANEL_RESTRICTION);
    int index = KeyPosition(config, SECTION_PANEL_RESTRICTION, code);
    return index != kNotFound && config.characters.SameIgnoringCase(section.ValueAt(index), "TRUE");
}

bool MachineLanguages(const IniConfiguration& config, IniSectionId owner, const char* key,
                      std::string& machine, std::string& languages, int& error)
{
    languages.clear();
    if (!FindValue(config, owner, key, owner == SECTION_DRIVERS ? ERR_INI_DRIVER : ERR_INI_MODEL,
                   machine, error))
        return false;
    int machineIndex = KeyPosition(config, SECTION_MACHINES, machine.c_str());
    if (machineIndex == kNotFound) {
        error = ERR_INI_MACHINE;
        return false;
    }
    languages = config.Section(SECTION_MACHINES).ValueAt(machineIndex);
    if (languages.empty()) {
        error = ERR_INI_LANGUAGE;
        return false;
    }
    return true;
}

int CountMachineLanguages(const IniConfiguration& config, IniSectionId owner, const char* key,
                          int& error)
{
    std::string machine;
    std::string languages;
    if (!MachineLanguages(config, owner, key, machine, languages, error))
        return 0;
    std::vector<std::string> items = SplitAtCommas(languages);
    for (const std::string& item : items) {
        if (Find(config, config.Section(SECTION_LANGUAGE).keys, item.c_str()) == kNotFound) {
            error = ERR_INI_MACHINE_LANGUAGE;
            return 0;
        }
    }
    return static_cast<int>(items.size());
}

bool LanguageFileName(const IniConfiguration& config, IniSectionId owner, const char* key,
                      const char* language, std::string& fileName, int& error)
{
    fileName.clear();
    if (IsEmpty(language)) {
        error = ERR_INI_ARGUMENT;
        return false;
    }
    std::string machine;
    std::string languages;
    if (!MachineLanguages(config, owner, key, machine, languages, error))
        return false;
    std::string name;
    if (!LanguageName(config, language, name, error) || name.empty() ||
        !ListContainsIgnoringCase(languages, language, config.characters)) {
        error = ERR_INI_LANGUAGE;
        return false;
    }
    fileName = machine + "\\" + name + ".lng";
    return true;
}

bool Link(const IniConfiguration& config, const char* language, std::string& link, int& error)
{
    if (IsEmpty(language)) {
        link.clear();
        error = ERR_INI_ARGUMENT;
        return false;
    }
    // An empty link would open nothing: it counts as missing.
    return RequiredValue(config, SECTION_LINK, language, ERR_INI_LANGUAGE, link, error);
}

bool ModelForDriver(const IniConfiguration& config, const char* driver, std::string& model,
                    int& error)
{
    return FindValue(config, SECTION_DRIVER_AND_MODEL, driver, ERR_INI_DRIVER, model, error) &&
           !model.empty();
}

int FaxCountryList(const IniConfiguration& config, const char* model, std::string& list,
                   int& error)
{
    list.clear();
    std::string value;
    if (!FindValue(config, SECTION_FAX_MACHINE, model, ERR_INI_MODEL, value, error))
        return 0;
    if (value.empty()) {
        error = ERR_INI_COUNTRY_CODE;
        return 0;
    }
    std::vector<std::string> codes = SplitAtCommas(value);
    for (const std::string& code : codes) {
        if (FindKey(config, SECTION_FAX_COUNTRY_CODE, code.c_str(), ERR_INI_COUNTRY_CODE, error) ==
            kNotFound) {
            error = ERR_INI_COUNTRY_CODE;
            return 0;
        }
    }
    list = value;
    return static_cast<int>(codes.size());
}

bool FaxDestination(const IniConfiguration& config, const char* model, std::string& destination,
                    int& error)
{
    if (!FindValue(config, SECTION_FAX_DESTINATION, model, ERR_INI_MODEL, destination, error))
        return false;
    if (destination.empty()) {
        error = ERR_NO_DESTINATION;
        return false;
    }
    return true;
}

}  // namespace ini
