#include "IniConfig.h"

#include "IniFileBytes.h"
#include "IniLookups.h"
#include "IniText.h"
#include "ModulePath.h"
#include "ResultCodes.h"
#include "SystemAnsiCharacters.h"

namespace {

const char kIniFileName[] = "Zembrak.ini";
// What the configuration report shows for a fax model without codes.
const char kNoCountryCode[] = "No country code";

// A path that cannot be formed and a file that cannot be read both read as a missing file, as
// they do through the profile functions: every required section is absent.
IniConfiguration ReadBesideProgram(std::string& path)
{
    std::string bytes;
    if (GetPathBesideProgram(kIniFileName, path))
        ReadIniFileBytes(path, bytes);
    return ReadIniConfiguration(IniText(bytes, SystemAnsiCharacters()));
}

}  // namespace

CIniConfig::CIniConfig() : m_configuration(ReadBesideProgram(m_strIniPath))
{
    if (!m_configuration.loaded)
        m_nLastError = ERR_INI_READ;
}

bool CIniConfig::GetRevision(std::string& revision) const
{
    revision = m_configuration.revision;
    return !revision.empty();
}

int CIniConfig::FindDriver(const char* driver)
{
    return ini::FindKey(m_configuration, SECTION_DRIVERS, driver, 0, m_nLastError) + 1;
}

int CIniConfig::FindModel(const char* model)
{
    return ini::FindKey(m_configuration, SECTION_MODELS, model, ERR_INI_MODEL, m_nLastError) + 1;
}

int CIniConfig::FindLanguage(const char* language)
{
    return ini::FindKey(m_configuration, SECTION_LANGUAGE, language, 0, m_nLastError) + 1;
}

int CIniConfig::FindDriverAndModel(const char* driver)
{
    return ini::FindKey(m_configuration, SECTION_DRIVER_AND_MODEL, driver, 0, m_nLastError) + 1;
}

bool CIniConfig::FindCountryCode(const char* code)
{
    return ini::FindKey(m_configuration, SECTION_FAX_COUNTRY_CODE, code, ERR_INI_COUNTRY_CODE,
                        m_nLastError) != ini::kNotFound;
}

int CIniConfig::GetLanguageCount() const
{
    return static_cast<int>(GetSection(SECTION_LANGUAGE).keys.size());
}

bool CIniConfig::GetLanguageId(int index, std::string& language)
{
    return ini::KeyAt(m_configuration, SECTION_LANGUAGE, index, language, m_nLastError);
}

bool CIniConfig::GetLanguageName(const char* language, std::string& name)
{
    return ini::LanguageName(m_configuration, language, name, m_nLastError);
}

bool CIniConfig::IsMachine(const char* name) const
{
    return ini::IsKey(m_configuration, SECTION_MACHINES, name);
}

bool CIniConfig::IsDriverMachine(const char* name) const
{
    return ini::IsValue(m_configuration, SECTION_DRIVERS, name);
}

bool CIniConfig::IsModelMachine(const char* name) const
{
    return ini::IsValue(m_configuration, SECTION_MODELS, name);
}

bool CIniConfig::GetUnknownMachineLanguages(int machineIndex, std::string& unknown)
{
    return ini::UnknownLanguages(m_configuration, SECTION_MACHINES, machineIndex, unknown,
                                 m_nLastError) == ini::ListCheck::kChecked;
}

bool CIniConfig::GetUnknownApiLanguages(int apiIndex, std::string& unknown)
{
    return ini::UnknownLanguages(m_configuration, SECTION_LOCALIZE, apiIndex, unknown,
                                 m_nLastError) == ini::ListCheck::kChecked;
}

bool CIniConfig::GetUnsupportedCountryCodes(int faxModelIndex, std::string& unsupported)
{
    ini::ListCheck check =
        ini::UnsupportedCountryCodes(m_configuration, faxModelIndex, unsupported, m_nLastError);
    if (check == ini::ListCheck::kEmptyList)
        unsupported = kNoCountryCode;
    return check == ini::ListCheck::kChecked;
}

bool CIniConfig::IsLanguageEnabledForApi(const char* api, const char* language)
{
    return ini::IsLanguageEnabledForApi(m_configuration, api, language, m_nLastError);
}

int CIniConfig::MatchLanguageForApi(const char* api, const char* code, std::string& language)
{
    return ini::MatchLanguageForApi(m_configuration, api, code, language, m_nLastError) + 1;
}

int CIniConfig::MatchLanguageByPrefix(const char* code, std::string& language)
{
    return ini::MatchLanguageByPrefix(m_configuration, code, language, m_nLastError) + 1;
}

int CIniConfig::HasDriverMachine(const char* driver)
{
    return ini::CountMachineLanguages(m_configuration, SECTION_DRIVERS, driver, m_nLastError);
}

int CIniConfig::HasModelMachine(const char* model)
{
    return ini::CountMachineLanguages(m_configuration, SECTION_MODELS, model, m_nLastError);
}

bool CIniConfig::GetDriverLanguages(const char* driver, std::string& languages)
{
    std::string machine;
    return ini::MachineLanguages(m_configuration, SECTION_DRIVERS, driver, machine, languages,
                                 m_nLastError);
}

bool CIniConfig::GetModelLanguages(const char* model, std::string& languages)
{
    std::string machine;
    return ini::MachineLanguages(m_configuration, SECTION_MODELS, model, machine, languages,
                                 m_nLastError);
}

bool CIniConfig::GetLanguageFile(IniSectionId owner, const char* key, const char* language,
                                 std::string& path)
{
    path.clear();
    std::string fileName;
    if (!ini::LanguageFileName(m_configuration, owner, key, language, fileName, m_nLastError))
        return false;
    // Too long to open: reported as the language-file reader reports a bad path.
    if (!GetPathBesideProgram(fileName.c_str(), path)) {
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
    return ini::Link(m_configuration, language, link, m_nLastError);
}

bool CIniConfig::GetHeaderLanguageName(const char* languageName, std::string& headerName)
{
    return ini::RequiredValue(m_configuration, SECTION_LANGUAGE_NAME, languageName,
                              ERR_INI_LANGUAGE_NAME, headerName, m_nLastError);
}

bool CIniConfig::GetModelId(const char* machine, std::string& modelId)
{
    return ini::RequiredValue(m_configuration, SECTION_MODEL_ID, machine, ERR_INI_MODEL_ID,
                              modelId, m_nLastError);
}

bool CIniConfig::GetLanguageVersion(const char* machine, std::string& version)
{
    return ini::RequiredValue(m_configuration, SECTION_LANGUAGE_VERSION, machine,
                              ERR_INI_LANGUAGE_VERSION, version, m_nLastError);
}

int CIniConfig::GetFaxModelCount() const
{
    return static_cast<int>(GetSection(SECTION_FAX_MACHINE).keys.size());
}

bool CIniConfig::GetFaxModelName(int index, std::string& model)
{
    return ini::KeyAt(m_configuration, SECTION_FAX_MACHINE, index, model, m_nLastError);
}

bool CIniConfig::GetModelForDriver(const char* driver, std::string& model)
{
    return ini::ModelForDriver(m_configuration, driver, model, m_nLastError);
}

int CIniConfig::GetFaxCountryList(const char* model, std::string& list)
{
    return ini::FaxCountryList(m_configuration, model, list, m_nLastError);
}

bool CIniConfig::GetFaxDestination(const char* model, std::string& destination)
{
    return ini::FaxDestination(m_configuration, model, destination, m_nLastError);
}

bool CIniConfig::IsPanelRestricted(const char* code) const
{
    return ini::IsPanelRestricted(m_configuration, code);
}
