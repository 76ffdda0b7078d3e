#include "UiLanguage.h"

#include <stdio.h>
#include <stdlib.h>

#include <vector>

#include "DialogTemplates.h"
#include "FindExport.h"
#include "IniConfig.h"
#include "ModulePath.h"
#include "MultibyteText.h"
#include "ResourceIds.h"
#include "ResourcePaths.h"
#include "VersionInfo.h"

namespace {

const size_t kCodeBytes = 3;

enum RegistryRead { READ_OK, READ_OPEN_FAILED, READ_QUERY_FAILED };

// A LANGID written as hexadecimal text in a registry value under HKEY_USERS.
RegistryRead ReadHexLanguage(const char* subkey, const char* valueName, LANGID& language)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_USERS, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return READ_OPEN_FAILED;
    char text[33] = {};  // one byte more than asked for: the stored text need not end in a zero
    DWORD size = sizeof text - 1;
    LONG status = RegQueryValueExA(key, valueName, nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return READ_QUERY_FAILED;
    language = static_cast<LANGID>(strtoul(text, nullptr, 16));
    return READ_OK;
}

// Windows 9x keeps the language of its resources in the default user's desktop settings.
bool DetectWin9xLanguage(LANGID& language)
{
    RegistryRead read = ReadHexLanguage(".Default\\Control Panel\\desktop\\ResourceLocale",
                                        nullptr, language);
    if (read == READ_OK)
        return true;
    MessageBoxW(nullptr, read == READ_OPEN_FAILED ? L"Failed RegOpenKey" : L"Failed RegQueryValueEx",
                L"Fatal Error", MB_SETFOREGROUND | MB_ICONWARNING);
    return false;
}

void DetectNt5Language(LANGID& language)
{
    HMODULE kernel = LoadLibraryA("kernel32.dll");
    if (kernel == nullptr)
        return;
    typedef LANGID(WINAPI * GetUiLanguage)();
    auto getUiLanguage = FindExport<GetUiLanguage>(kernel, "GetUserDefaultUILanguage");
    if (getUiLanguage != nullptr)
        language = getUiLanguage();
    FreeLibrary(kernel);
}

std::string ToCode(const std::string& text) { return CutAtCharacter(text, kCodeBytes); }

// The major part of the file's "FileVersion" (the number before the first ".") equals `major`.
bool HasMajorVersion(const std::string& path, long major)
{
    std::string version = CVersionInfo(path.c_str()).GetFileVersion();
    size_t dot = version.find('.');
    return dot != std::string::npos && strtol(version.substr(0, dot).c_str(), nullptr, 10) == major;
}

bool IsPresentWithVersion(const char* relativePath, long major,
                          const std::vector<unsigned>& templateIds = {})
{
    std::string path;
    return GetPathBesideProgram(relativePath, path) && HasMajorVersion(path, major) &&
           HoldsDialogTemplates(path, templateIds);
}

// The pages of the wizards whose templates each text library serves.
const std::vector<unsigned> kDownloadPageTemplates = {
    IDD_DOWNLOAD_INTRODUCTION_PAGE, IDD_SELECT_PRINTER_PAGE,   IDD_SELECT_MODEL_PAGE,
    IDD_SELECT_LANGUAGE_PAGE,       IDD_MENU_PRINT_PAGE,       IDD_MESSAGE_VERSION_PAGE,
    IDD_DOWNLOAD_MESSAGE_PAGE,      IDD_DOWNLOAD_CONCLUSION_PAGE};
const std::vector<unsigned> kFaxPageTemplates = {
    IDD_SELECT_FUNCTION_PAGE,  IDD_FAX_INTRODUCTION_PAGE, IDD_SELECT_PRINTER_PAGE,
    IDD_SELECT_MODEL_PAGE,     IDD_FAX_COUNTRY_CODE_PAGE, IDD_FAX_SET_TIME_PAGE,
    IDD_FAX_CONFIRM_PAGE,      IDD_FAX_COMPLETE_PAGE};

// Every language enabled for `api` needs its library `pattern` (its "%s" filled with the
// language) at version 2 beside the program, with the templates of its wizards' pages.
bool CheckLanguageLibraries(const char* api, const char* pattern,
                            const std::vector<unsigned>& templateIds)
{
    CIniConfig config;
    const std::vector<std::string>& languages = config.GetSection(SECTION_LANGUAGE).keys;
    if (languages.empty())
        return false;
    for (const std::string& language : languages) {
        if (!config.IsLanguageEnabledForApi(api, language.c_str()))
            continue;
        char relativePath[MAX_PATH];
        int length = snprintf(relativePath, sizeof relativePath, pattern, language.c_str());
        if (length < 0 || static_cast<size_t>(length) >= sizeof relativePath ||
            !IsPresentWithVersion(relativePath, 2, templateIds))
            return false;
    }
    return true;
}

}  // namespace

std::string UserLocaleAbbreviation()
{
    int size = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, nullptr, 0);
    if (size <= 0)
        return std::string();
    std::vector<char> text(size);
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, text.data(), size) == 0)
        return std::string();
    return text.data();
}

bool DetectUiLanguage(LANGID& language)
{
    language = 0;
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return false;
    if (version.dwPlatformId != VER_PLATFORM_WIN32_NT) {
        if (!DetectWin9xLanguage(language))
            return false;
    } else if (version.dwMajorVersion >= 5) {
        DetectNt5Language(language);
    } else if (ReadHexLanguage(".DEFAULT\\Control Panel\\International", "Locale", language) !=
               READ_OK) {
        return false;
    }
    return language != 0;
}

std::string ResolveUiLanguage(const char* name, const char* requested)
{
    CIniConfig config;
    if (requested != nullptr && *requested != '\0' &&
        config.IsLanguageEnabledForApi(name, requested))
        return ToCode(requested);

    // The detected language only tells whether there is one; the code comes from the locale.
    LANGID detected;
    std::string code = DetectUiLanguage(detected) ? UserLocaleAbbreviation() : std::string();
    if (!code.empty() && config.IsLanguageEnabledForApi(name, code.c_str()))
        return ToCode(code);
    std::string sameStart;
    if (config.MatchLanguageForApi(name, code.c_str(), sameStart) != 0)
        return ToCode(sameStart);
    return "enu";
}

bool CheckDownloadResources()
{
    return CheckLanguageLibraries("Lomarel", kDownloadTextLibraryPattern, kDownloadPageTemplates) &&
           IsPresentWithVersion(kImageLibraryPath, 1);
}

bool CheckFaxResources()
{
    return CheckLanguageLibraries("FaxSetup", kFaxTextLibraryPattern, kFaxPageTemplates);
}
