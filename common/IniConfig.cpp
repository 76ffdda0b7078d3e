#include "IniConfig.h"

#include <mbstring.h>

#include "CommaList.h"
#include "IniFileBytes.h"
#include "IniText.h"
#include "ModulePath.h"
#include "MultibyteText.h"
#include "OptionalText.h"
#include "ProfileAnswers.h"
#include "ResultCodes.h"
#include "SystemAnsiCharacters.h"

namespace {

const char kIniFileName[] = "Zembrak.ini";
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

// At namespace scope rather than a function's static: the guard of a function's static sets up
// threading objects that outlive a library freed after the call.
const std::string kNoValue;

}  // namespace

int IniSection::Find(const char* key) const
{
    for (size_t i = 0; i < keys.size(); ++i) {
        if (SameTextIgnoringCase(keys[i].c_str(), key))
            return static_cast<int>(i);
    }
    return -1;
}

const std::string& IniSection::ValueAt(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < values.size() ? values[index] : kNoValue;
}

CIniConfig::CIniConfig() { Load(); }

void CIniConfig::Load()
{
    m_bLoaded = true;
    if (!GetPathBesideProgram(kIniFileName, m_strIniPath)) {
        // Nothing can be read: the file counts as missing.
        m_bLoaded = false;
        m_nLastError = ERR_INI_READ;
        m_bHasFaxMachine = m_bHasFaxDestination = m_bHasFaxCountryCode = false;
        return;
    }

    // A file that cannot be read reads as a missing one, as it does through the profile
    // functions: every required section is absent.
    std::string bytes;
    ReadIniFileBytes(m_strIniPath, bytes);
    const IniText text(bytes, SystemAnsiCharacters());

    bool ok = true;
    std::vector<std::string> revision;
    bool empty = false;
    if (ReadEntryNames(text, "Revision", revision, empty) && !empty)
        m_strRevision = revision.front();
    else
        ok = false;

    for (const SectionLayout& layout : kSections) {
        IniSection& section = m_sections[layout.id];
        if (!ReadEntryNames(text, layout.name, section.keys, empty)) {
            ok = false;
            continue;
        }
        if (empty) {
            if (!layout.optional)
                ok = false;
            else if (layout.id == SECTION_FAX_MACHINE)
                m_bHasFaxMachine = false;
            else if (layout.id == SECTION_FAX_DESTINATION)
                m_bHasFaxDestination = false;
            else
                m_bHasFaxCountryCode = false;
            continue;
        }
        if (layout.hasValues && !ReadValues(text, layout.name, section))
            ok = false;
    }

    if (!ok) {
        m_bLoaded = false;
        m_nLastError = ERR_INI_READ;
    }
}

// Fails only when the list did not fit the buffer; an absent or empty section sets `empty`.
bool CIniConfig::ReadEntryNames(const IniText& text, const char* section,
                                std::vector<std::string>& names, bool& empty)
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

bool CIniConfig::ReadValues(const IniText& text, const char* section, IniSection& target)
{
    for (const std::string& key : target.keys) {
        ProfileAnswer answer = ProfileValue(text, section, key.c_str(), kValueBufferSize);
        if (answer.length == kValueTooLong)
            return false;
        target.values.push_back(answer.buffer.c_str());
    }
    return true;
}

bool CIniConfig::GetRevision(std::string& revision) const
{
    revision = m_strRevision;
    return !revision.empty();
}

int CIniConfig::FindKey(IniSectionId id, const char* key)
{
    if (IsEmpty(key)) {
        m_nLastError = ERR_INI_ARGUMENT;
        return 0;
    }
    return m_sections[id].Find(key) + 1;
}

bool CIniConfig::FindValue(IniSectionId id, const char* key, int missingError, std::string& value)
{
    value.clear();
    int index = FindKey(id, key);
    if (index == 0) {
        if (!IsEmpty(key))
            m_nLastError = missingError;
        return false;
    }
    value = m_sections[id].ValueAt(index - 1);
    return true;
}

int CIniConfig::FindDriver(const char* driver) { return FindKey(SECTION_DRIVERS, driver); }

int CIniConfig::FindModel(const char* model)
{
    int index = FindKey(SECTION_MODELS, model);
    if (index == 0 && !IsEmpty(model))
        m_nLastError = ERR_INI_MODEL;
    return index;
}

int CIniConfig::FindLanguage(const char* language) { return FindKey(SECTION_LANGUAGE, language); }

int CIniConfig::FindDriverAndModel(const char* driver)
{
    return FindKey(SECTION_DRIVER_AND_MODEL, driver);
}

bool CIniConfig::FindCountryCode(const char* code)
{
    int index = FindKey(SECTION_FAX_COUNTRY_CODE, code);
    if (index == 0 && !IsEmpty(code))
        m_nLastError = ERR_INI_COUNTRY_CODE;
    return index != 0;
}

int CIniConfig::GetLanguageCount() const
{
    return static_cast<int>(m_sections[SECTION_LANGUAGE].keys.size());
}

bool CIniConfig::GetLanguageId(int index, std::string& language)
{
    return GetKeyAt(SECTION_LANGUAGE, index, language);
}

bool CIniConfig::GetKeyAt(IniSectionId id, int index, std::string& key)
{
    key.clear();
    const std::vector<std::string>& keys = m_sections[id].keys;
    if (index < 0 || static_cast<size_t>(index) >= keys.size()) {
        m_nLastError = ERR_INI_ARGUMENT;
        return false;
    }
    key = keys[index];
    return !key.empty();
}

bool CIniConfig::GetLanguageName(const char* language, std::string& name)
{
    name.clear();
    const IniSection& section = m_sections[SECTION_LANGUAGE];
    int index = IsEmpty(language) ? -1 : section.Find(language);
    if (index < 0) {
        m_nLastError = ERR_INI_LANGUAGE;
        return false;
    }
    name = section.ValueAt(index);
    return true;
}

bool CIniConfig::IsMachine(const char* name) const
{
    return !IsEmpty(name) && m_sections[SECTION_MACHINES].Find(name) >= 0;
}

static bool IsOneOf(const std::vector<std::string>& values, const char* name)
{
    for (const std::string& value : values) {
        if (SameTextIgnoringCase(value.c_str(), name))
            return true;
    }
    return false;
}

bool CIniConfig::IsDriverMachine(const char* name) const
{
    return !IsEmpty(name) && IsOneOf(m_sections[SECTION_DRIVERS].values, name);
}

bool CIniConfig::IsModelMachine(const char* name) const
{
    return !IsEmpty(name) && IsOneOf(m_sections[SECTION_MODELS].values, name);
}

bool CIniConfig::IsKnownLanguage(const char* language)
{
    std::string name;
    return GetLanguageName(language, name);
}

// Appends every item of the comma-separated list that isKnown rejects, joined by ", ".
bool CIniConfig::CollectUnknownItems(const std::string& list,
                                     bool (CIniConfig::*isKnown)(const char*),
                                     std::string& unknown)
{
    bool first = true;
    for (const std::string& item : SplitAtCommas(list)) {
        if ((this->*isKnown)(item.c_str()))
            continue;
        // An empty item keeps its place too, so ",xx" lists as ", xx".
        if (!first)
            unknown += ", ";
        unknown += item;
        first = false;
    }
    return true;
}

bool CIniConfig::CollectUnknownLanguages(IniSectionId id, int index, std::string& unknown)
{
    unknown.clear();
    const std::string& list = m_sections[id].ValueAt(index);
    if (list.empty()) {
        m_nLastError = ERR_INI_LANGUAGE;
        return false;
    }
    return CollectUnknownItems(list, &CIniConfig::IsKnownLanguage, unknown);
}

bool CIniConfig::GetUnknownMachineLanguages(int machineIndex, std::string& unknown)
{
    return CollectUnknownLanguages(SECTION_MACHINES, machineIndex, unknown);
}

bool CIniConfig::GetUnknownApiLanguages(int apiIndex, std::string& unknown)
{
    return CollectUnknownLanguages(SECTION_LOCALIZE, apiIndex, unknown);
}

bool CIniConfig::GetUnsupportedCountryCodes(int faxModelIndex, std::string& unsupported)
{
    unsupported.clear();
    const IniSection& faxMachines = m_sections[SECTION_FAX_MACHINE];
    if (faxModelIndex < 0 || static_cast<size_t>(faxModelIndex) >= faxMachines.keys.size()) {
        m_nLastError = ERR_INI_COUNTRY_CODE;
        return false;
    }
    const std::string& list = faxMachines.ValueAt(faxModelIndex);
    if (list.empty()) {
        m_nLastError = ERR_INI_COUNTRY_CODE;
        unsupported = "No country code";
        return false;
    }
    return CollectUnknownItems(list, &CIniConfig::IsKnownCountryCode, unsupported);
}

bool CIniConfig::IsLanguageEnabledForApi(const char* api, const char* language)
{
    if (IsEmpty(api) || IsEmpty(language)) {
        m_nLastError = ERR_INI_ARGUMENT;
        return false;
    }
    int apiIndex = m_sections[SECTION_LOCALIZE].Find(api);
    if (apiIndex < 0)
        return false;
    std::string unknown;
    if (!GetUnknownApiLanguages(apiIndex, unknown) || !unknown.empty())
        return false;
    std::string list = LowerCase(m_sections[SECTION_LOCALIZE].ValueAt(apiIndex));
    return _mbsstr(reinterpret_cast<const unsigned char*>(list.c_str()),
                   reinterpret_cast<const unsigned char*>(LowerCase(language).c_str())) != nullptr;
}

// 0-based, -1 when no Language key begins with the code's first two characters.
int CIniConfig::FindLanguageByPrefix(const char* code) const
{
    const std::vector<std::string>& keys = m_sections[SECTION_LANGUAGE].keys;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (_mbsnicmp(reinterpret_cast<const unsigned char*>(code),
                      reinterpret_cast<const unsigned char*>(keys[i].c_str()), 2) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int CIniConfig::MatchLanguageForApi(const char* api, const char* code, std::string& language)
{
    if (IsEmpty(api)) {
        m_nLastError = ERR_INI_ARGUMENT;
        return 0;
    }
    int index = IsEmpty(code) ? -1 : FindLanguageByPrefix(code);
    if (index < 0)
        return 0;
    // Later keys with the same prefix are not tried.
    language = m_sections[SECTION_LANGUAGE].keys[index];
    return IsLanguageEnabledForApi(api, language.c_str()) ? index + 1 : 0;
}

int CIniConfig::MatchLanguageByPrefix(const char* code, std::string& language)
{
    language.clear();
    if (IsEmpty(code)) {
        m_nLastError = ERR_INI_ARGUMENT;
        return 0;
    }
    int index = FindLanguageByPrefix(code);
    if (index < 0)
        return 0;
    language = m_sections[SECTION_LANGUAGE].keys[index];
    return index + 1;
}

// The machine that a Drivers or Models key names, and the machine's language list.
bool CIniConfig::GetMachineLanguages(IniSectionId owner, const char* key, std::string& machine,
                                     std::string& languages)
{
    languages.clear();
    if (!FindValue(owner, key, owner == SECTION_DRIVERS ? ERR_INI_DRIVER : ERR_INI_MODEL, machine))
        return false;
    const IniSection& machines = m_sections[SECTION_MACHINES];
    int machineIndex = machine.empty() ? -1 : machines.Find(machine.c_str());
    if (machineIndex < 0) {
        m_nLastError = ERR_INI_MACHINE;
        return false;
    }
    languages = machines.ValueAt(machineIndex);
    if (languages.empty()) {
        m_nLastError = ERR_INI_LANGUAGE;
        return false;
    }
    return true;
}

int CIniConfig::CountMachineLanguages(IniSectionId owner, const char* key)
{
    std::string machine;
    std::string languages;
    if (!GetMachineLanguages(owner, key, machine, languages))
        return 0;
    std::vector<std::string> items = SplitAtCommas(languages);
    for (const std::string& item : items) {
        if (m_sections[SECTION_LANGUAGE].Find(item.c_str()) < 0) {
            m_nLastError = ERR_INI_MACHINE_LANGUAGE;
            return 0;
        }
    }
    return static_cast<int>(items.size());
}

int CIniConfig::HasDriverMachine(const char* driver)
{
    return CountMachineLanguages(SECTION_DRIVERS, driver);
}

int CIniConfig::HasModelMachine(const char* model)
{
    return CountMachineLanguages(SECTION_MODELS, model);
}

bool CIniConfig::GetDriverLanguages(const char* driver, std::string& languages)
{
    std::string machine;
    return GetMachineLanguages(SECTION_DRIVERS, driver, machine, languages);
}

bool CIniConfig::GetModelLanguages(const char* model, std::string& languages)
{
    std::string machine;
    return GetMachineLanguages(SECTION_MODELS, model, machine, languages);
}

bool CIniConfig::GetLanguageFile(IniSectionId owner, const char* key, const char* language,
                                 std::string& path)
{
    path.clear();
    if (IsEmpty(language)) {
        m_nLastError = ERR_INI_ARGUMENT;
        return false;
    }
    std::string machine;
    std::string languages;
    if (!GetMachineLanguages(owner, key, machine, languages))
        return false;
    // Whole items only: a key that is merely part of another item is not the machine's.
    std::string name;
    if (!GetLanguageName(language, name) || name.empty() ||
        !IsOneOf(SplitAtCommas(languages), language)) {
        m_nLastError = ERR_INI_LANGUAGE;
        return false;
    }
    // Too long to open: reported as the language-file reader reports a bad path.
    if (!GetPathBesideProgram((machine + "\\" + name + ".lng").c_str(), path)) {
        m_nLastError = LNG_ERR_PATH;
        return false;
    }
    return true;
}

bool CIniConfig::GetDriverLanguageFile(const char* driver, const char* language,
                                       std::string& path)
{
    return GetLanguageFile(SECTION_DRIVERS, driver, language, path);
}

bool CIniConfig::GetModelLanguageFile(const char* model, const char* language, std::string& path)
{
    return GetLanguageFile(SECTION_MODELS, model, language, path);
}

bool CIniConfig::GetLink(const char* language, std::string& link)
{
    if (IsEmpty(language)) {
        link.clear();
        m_nLastError = ERR_INI_ARGUMENT;
        return false;
    }
    // An empty link would open nothing: it counts as missing.
    return GetRequiredValue(SECTION_LINK, language, ERR_INI_LANGUAGE, link);
}

bool CIniConfig::GetRequiredValue(IniSectionId id, const char* key, int errorCode,
                                  std::string& value)
{
    const IniSection& section = m_sections[id];
    value = IsEmpty(key) ? std::string() : section.ValueAt(section.Find(key));
    if (value.empty()) {
        m_nLastError = errorCode;
        return false;
    }
    return true;
}

bool CIniConfig::GetHeaderLanguageName(const char* languageName, std::string& headerName)
{
    return GetRequiredValue(SECTION_LANGUAGE_NAME, languageName, ERR_INI_LANGUAGE_NAME, headerName);
}

bool CIniConfig::GetModelId(const char* machine, std::string& modelId)
{
    return GetRequiredValue(SECTION_MODEL_ID, machine, ERR_INI_MODEL_ID, modelId);
}

bool CIniConfig::GetLanguageVersion(const char* machine, std::string& version)
{
    return GetRequiredValue(SECTION_LANGUAGE_VERSION, machine, ERR_INI_LANGUAGE_VERSION, version);
}

int CIniConfig::GetFaxModelCount() const
{
    return static_cast<int>(m_sections[SECTION_FAX_MACHINE].keys.size());
}

bool CIniConfig::GetFaxModelName(int index, std::string& model)
{
    return GetKeyAt(SECTION_FAX_MACHINE, index, model);
}

bool CIniConfig::GetModelForDriver(const char* driver, std::string& model)
{
    return FindValue(SECTION_DRIVER_AND_MODEL, driver, ERR_INI_DRIVER, model) && !model.empty();
}

int CIniConfig::GetFaxCountryList(const char* model, std::string& list)
{
    list.clear();
    std::string value;
    if (!FindValue(SECTION_FAX_MACHINE, model, ERR_INI_MODEL, value))
        return 0;
    if (value.empty()) {
        m_nLastError = ERR_INI_COUNTRY_CODE;
        return 0;
    }
    std::vector<std::string> codes = SplitAtCommas(value);
    for (const std::string& code : codes) {
        if (!FindCountryCode(code.c_str())) {
            m_nLastError = ERR_INI_COUNTRY_CODE;
            return 0;
        }
    }
    list = value;
    return static_cast<int>(codes.size());
}

bool CIniConfig::GetFaxDestination(const char* model, std::string& destination)
{
    if (!FindValue(SECTION_FAX_DESTINATION, model, ERR_INI_MODEL, destination))
        return false;
    if (destination.empty()) {
        m_nLastError = ERR_NO_DESTINATION;
        return false;
    }
    return true;
}

bool CIniConfig::IsPanelRestricted(const char* code) const
{
    if (IsEmpty(code))
        return false;
    const IniSection& section = m_sections[SECTION_PANEL_RESTRICTION];
    int index = section.Find(code);
    return index >= 0 && SameTextIgnoringCase(section.ValueAt(index).c_str(), "TRUE");
}
