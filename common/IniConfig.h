#pragma once
#include <string>

#include "IniConfiguration.h"

// Read-only model of "Zembrak.ini" beside the running program, read once by the constructor: it
// holds what was read and the code of its last failure, and asks the lookups of IniLookups.h.
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
    bool IsLoaded() const { return m_configuration.loaded; }
    const std::string& GetIniPath() const { return m_strIniPath; }
    const IniSection& GetSection(IniSectionId id) const { return m_configuration.Section(id); }

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
    // An empty list of codes gives the text "No country code".
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

    bool HasFaxMachine() const { return m_configuration.hasFaxMachine; }
    bool HasFaxDestination() const { return m_configuration.hasFaxDestination; }
    bool HasFaxCountryCode() const { return m_configuration.hasFaxCountryCode; }
    bool IsPanelRestricted(const char* code) const;

private:
    bool GetLanguageFile(IniSectionId owner, const char* key, const char* language,
                         std::string& path);

    int m_nLastError = 0;
    std::string m_strIniPath;
    IniConfiguration m_configuration;
};
