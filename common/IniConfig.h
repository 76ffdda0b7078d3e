#pragma once
#include <string>
#include <vector>

class IniText;

// One section of "Zembrak.ini": entry names in file order, and the value of each
// (values may be fewer than keys when a value failed to read).
struct IniSection {
    std::vector<std::string> keys;
    std::vector<std::string> values;

    int Find(const char* key) const;  // 0-based, -1 when absent; case-insensitive, first match
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

// Read-only model of "Zembrak.ini" beside the running program, loaded by the constructor.
// Lookups ignore case (multibyte-aware) and return 1-based indexes, 0 when not found; failures
// leave their code in GetLastErrorCode (the last one wins).
class CIniConfig {
public:
    CIniConfig();
    CIniConfig(const CIniConfig&) = delete;
    CIniConfig& operator=(const CIniConfig&) = delete;

    int GetLastErrorCode() const { return m_nLastError; }
    // Checks built on the model record their own failures (a language file's read) here too.
    void SetLastErrorCode(int code) { m_nLastError = code; }
    bool IsLoaded() const { return m_bLoaded; }
    const std::string& GetIniPath() const { return m_strIniPath; }
    const IniSection& GetSection(IniSectionId id) const { return m_sections[id]; }

    bool GetRevision(std::string& revision) const;
    int FindDriver(const char* driver);
    int FindModel(const char* model);
    int FindLanguage(const char* language);
    int FindDriverAndModel(const char* driver);
    bool FindCountryCode(const char* code);

    int GetLanguageCount() const;
    bool GetLanguageId(int index, std::string& language);
    bool GetLanguageName(const char* language, std::string& name);

    bool IsMachine(const char* name) const;
    bool IsDriverMachine(const char* name) const;
    bool IsModelMachine(const char* name) const;

    bool GetUnknownMachineLanguages(int machineIndex, std::string& unknown);
    bool GetUnknownApiLanguages(int apiIndex, std::string& unknown);
    bool GetUnsupportedCountryCodes(int faxModelIndex, std::string& unsupported);

    bool IsLanguageEnabledForApi(const char* api, const char* language);
    int MatchLanguageForApi(const char* api, const char* code, std::string& language);

    bool GetHeaderLanguageName(const char* languageName, std::string& headerName);
    bool GetModelId(const char* machine, std::string& modelId);
    bool GetLanguageVersion(const char* machine, std::string& version);

    // The message-download lookups. A driver (a Drivers key) or a model (a Models key) names a
    // machine, which must be a Machines key; the machine's value lists its panel languages.
    // The number of the machine's languages when each is a Language key, else 0.
    int HasDriverMachine(const char* driver);
    int HasModelMachine(const char* model);
    bool GetDriverLanguages(const char* driver, std::string& languages);
    bool GetModelLanguages(const char* model, std::string& languages);
    // The first Language key that begins with the same two characters as `code`.
    int MatchLanguageByPrefix(const char* code, std::string& language);
    // "<program folder><machine>\<language name>.lng", for a language the machine lists.
    bool GetDriverLanguageFile(const char* driver, const char* language, std::string& path);
    bool GetModelLanguageFile(const char* model, const char* language, std::string& path);
    bool GetLink(const char* language, std::string& link);

    // The fax lookups. A fax model is a "Fax Machine" key; its value lists its country codes.
    int GetFaxModelCount() const;
    bool GetFaxModelName(int index, std::string& model);  // 0-based
    // The model a driver names in "Driver and Model"; false when it names none.
    bool GetModelForDriver(const char* driver, std::string& model);
    // The model's whole country-code list and the number of its codes; 0 unless every code is a
    // "Fax Country Code" key.
    int GetFaxCountryList(const char* model, std::string& list);
    bool GetFaxDestination(const char* model, std::string& destination);

    bool HasFaxMachine() const { return m_bHasFaxMachine; }
    bool HasFaxDestination() const { return m_bHasFaxDestination; }
    bool HasFaxCountryCode() const { return m_bHasFaxCountryCode; }
    bool IsPanelRestricted(const char* code) const;

private:
    void Load();
    static bool ReadEntryNames(const IniText& text, const char* section,
                               std::vector<std::string>& names, bool& empty);
    static bool ReadValues(const IniText& text, const char* section, IniSection& target);
    int FindKey(IniSectionId id, const char* key);
    // The value of a key of the section (possibly empty). A key that is named but absent leaves
    // `missingError`, no key at all ERR_INI_ARGUMENT.
    bool FindValue(IniSectionId id, const char* key, int missingError, std::string& value);
    // The key at a 0-based index of the section; ERR_INI_ARGUMENT when there is none.
    bool GetKeyAt(IniSectionId id, int index, std::string& key);
    bool GetRequiredValue(IniSectionId id, const char* key, int errorCode, std::string& value);
    bool CollectUnknownItems(const std::string& list, bool (CIniConfig::*isKnown)(const char*),
                             std::string& unknown);
    bool CollectUnknownLanguages(IniSectionId id, int index, std::string& unknown);
    bool IsKnownLanguage(const char* language);
    bool IsKnownCountryCode(const char* code) { return FindCountryCode(code); }
    int FindLanguageByPrefix(const char* code) const;
    bool GetMachineLanguages(IniSectionId owner, const char* key, std::string& machine,
                             std::string& languages);
    int CountMachineLanguages(IniSectionId owner, const char* key);
    bool GetLanguageFile(IniSectionId owner, const char* key, const char* language,
                         std::string& path);

    int m_nLastError = 0;
    bool m_bLoaded = false;
    std::string m_strIniPath;
    std::string m_strRevision;
    IniSection m_sections[SECTION_COUNT];
    bool m_bHasFaxMachine = true;
    bool m_bHasFaxDestination = true;
    bool m_bHasFaxCountryCode = true;
};
