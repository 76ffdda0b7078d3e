// The built resource-only libraries in the install folder's Resource folder: what programs
// load from them by number must be there, in both languages, at the versions they check.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "BuildMachine.h"
#include "LibraryVersions.h"
#include "ProgramFiles.h"
#include "ResourceIds.h"
#include "SmoothBitmap.h"
#include "TestConfig.h"

namespace {

const char* const kLanguages[] = {"enu", "jpn"};

const std::vector<UINT> kSharedTextIds = {IDS_SHEET_TITLE_FORMAT, IDS_MESSAGE_CAPTION_FORMAT,
    IDS_FINISH_BUTTON, IDS_NEXT_BUTTON, IDS_BACK_BUTTON, IDS_CANCEL_BUTTON, IDS_PRINTER_NAME_COLUMN,
    IDS_PRINTER_PORT_COLUMN, IDS_PRINTER_COMMENT_COLUMN, IDS_PRINTER_LOCATION_COLUMN,
    IDS_NO_PRINTER_INSTALLED, IDS_ASK_NO_SUPPORTED_PRINTER, IDS_MODEL_COLUMN};

const std::vector<UINT> kDownloadTextIds = {IDS_DOWNLOAD_BUTTON, IDS_MESSAGE_LANGUAGE_COLUMN,
    IDS_MENU_PRINT_DOCUMENT, IDS_VERSION_RANGE_FORMAT, IDS_VERSION_SINGLE_FORMAT, IDS_DOWNLOAD_DOCUMENT,
    IDS_PRINTER_ON_PORT_FORMAT, IDS_CONFIRM_JAPANESE_PANEL, IDS_CONFIRM_OTHER_PANEL};

const std::vector<UINT> kFaxTextIds = {IDS_SEND_BUTTON, IDS_INTRO_COUNTRY_SKIPPED, IDS_INTRO_TIME_SKIPPED,
    IDS_INTRO_BOTH_SKIPPED, IDS_SELECTED_PRINTER_PREFIX, IDS_SELECTED_MODEL_PREFIX,
    IDS_SELECTED_COUNTRY_PREFIX, IDS_NO_PRINTER_SELECTED, IDS_NO_MODEL_SELECTED, IDS_NO_COUNTRY_SELECTED,
    IDS_FAX_COUNTRY_COLUMN, IDS_FAX_SETTINGS_DOCUMENT, IDS_PRINTER_PAUSED, IDS_PRINTER_OFFLINE,
    IDS_PRINTER_HAS_JOBS, IDS_TCPIP_ADDRESS_MISSING, IDS_LPR_ADDRESS_MISSING, IDS_PRINTER_NOT_ANSWERING};

// Spooler document names are plain ASCII in every language.
const std::set<UINT> kDocumentNameIds
    = {IDS_MENU_PRINT_DOCUMENT, IDS_DOWNLOAD_DOCUMENT, IDS_FAX_SETTINGS_DOCUMENT};

std::vector<UINT> Join(std::vector<UINT> first, const std::vector<UINT>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

struct TextFamily {
    const char* m_pszPrefix; // file name before the language code
    std::vector<UINT> m_ids;
};

const TextFamily kTextFamilies[] = {
    {"Nivad", Join(kSharedTextIds, kDownloadTextIds)},
    {"Pluvet", Join(kSharedTextIds, kFaxTextIds)},
};

std::string LibraryPath(const std::string& fileName)
{
    return InstallFolder() + "Resource\\" + fileName;
}

// One library mapped as data for the lifetime of the object, as the programs read it.
class ResourceFile {
public:
    explicit ResourceFile(const std::string& fileName)
        : m_hModule(LoadLibraryExA(LibraryPath(fileName).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE))
    {
    }
    ~ResourceFile()
    {
        if (m_hModule)
            FreeLibrary(m_hModule);
    }
    ResourceFile(const ResourceFile&) = delete;
    ResourceFile& operator=(const ResourceFile&) = delete;

    HMODULE Handle() const { return m_hModule; }

    std::string Text(UINT id) const
    {
        char buffer[1024];
        int length = LoadStringA(m_hModule, id, buffer, sizeof buffer);
        return std::string(buffer, length > 0 ? length : 0);
    }

    std::wstring WideText(UINT id) const
    {
        const wchar_t* pText = nullptr;
        int length = LoadStringW(m_hModule, id, reinterpret_cast<LPWSTR>(&pText), 0);
        return length > 0 ? std::wstring(pText, length) : std::wstring();
    }

    // The strings from first upward, up to the first empty one.
    std::vector<std::string> TableFrom(UINT first) const
    {
        std::vector<std::string> table;
        for (std::string text = Text(first); !text.empty(); text = Text(first + table.size()))
            table.push_back(text);
        return table;
    }

private:
    HMODULE m_hModule;
};

std::string FileVersionOf(const std::string& path, WORD* pLanguage)
{
    DWORD handle = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(path.c_str(), &handle));
    if (block.empty() || !GetFileVersionInfoA(path.c_str(), 0, block.size(), block.data()))
        return "";
    WORD* pTranslation = nullptr;
    UINT size = 0;
    if (!VerQueryValueA(
            block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&pTranslation), &size)
        || size < 4)
        return "";
    *pLanguage = pTranslation[0];
    char query[64];
    wsprintfA(query, "\\StringFileInfo\\%04x%04x\\FileVersion", pTranslation[0], pTranslation[1]);
    char* pVersion = nullptr;
    if (!VerQueryValueA(block.data(), query, reinterpret_cast<void**>(&pVersion), &size))
        return "";
    return pVersion;
}

std::string Lower(std::string text)
{
    CharLowerBuffA(&text[0], text.size());
    return text;
}

std::vector<std::pair<std::string, std::string>> ReadSection(
    const std::string& iniPath, const char* pszSection)
{
    std::vector<char> buffer(32768);
    DWORD length = GetPrivateProfileSectionA(pszSection, buffer.data(), buffer.size(), iniPath.c_str());
    std::vector<std::pair<std::string, std::string>> entries;
    for (const char* p = buffer.data(); p < buffer.data() + length && *p; p += strlen(p) + 1) {
        std::string entry(p);
        size_t equals = entry.find('=');
        entries.emplace_back(
            entry.substr(0, equals), equals == std::string::npos ? "" : entry.substr(equals + 1));
    }
    return entries;
}

// Panel languages and fax country codes that the demo and the test configuration use.
void CollectConfiguredNames(
    const std::string& iniPath, std::set<std::string>* pLanguages, std::set<std::string>* pCountryCodes)
{
    for (const auto& entry : ReadSection(iniPath, "Language"))
        pLanguages->insert(Lower(entry.first));
    for (const auto& entry : ReadSection(iniPath, "Fax Country Code"))
        pCountryCodes->insert(entry.first);
    for (const auto& entry : ReadSection(iniPath, "Fax Machine")) {
        std::string list = entry.second + ",";
        for (size_t start = 0, comma; (comma = list.find(',', start)) != std::string::npos; start = comma + 1)
            pCountryCodes->insert(list.substr(start, comma - start));
    }
}

struct PairTable {
    std::vector<std::string> m_keys;
    std::vector<std::wstring> m_names; // wide: a Japanese name read as ANSI here is all '?'
};

// Both halves of a pair table; the names run exactly as far as the keys.
PairTable ReadPairTable(const ResourceFile& file, UINT firstKey, UINT firstName)
{
    PairTable table{file.TableFrom(firstKey), {}};
    for (size_t k = 0; k < table.m_keys.size(); ++k)
        table.m_names.push_back(file.WideText(firstName + k));
    EXPECT_EQ(L"", file.WideText(firstName + table.m_keys.size())) << "a name without its key";
    EXPECT_EQ(0, std::count(table.m_names.begin(), table.m_names.end(), L"")) << "a key without its name";
    EXPECT_EQ(table.m_keys.size(), std::set<std::string>(table.m_keys.begin(), table.m_keys.end()).size());
    EXPECT_EQ(
        table.m_names.size(), std::set<std::wstring>(table.m_names.begin(), table.m_names.end()).size());
    return table;
}

void ExpectFormatWith(const std::string& text, const std::set<std::string>& placeholders)
{
    std::set<std::string> found;
    for (size_t percent = text.find('%'); percent != std::string::npos;
         percent = text.find('%', percent + 1)) {
        size_t end = text.find('s', percent);
        ASSERT_NE(std::string::npos, end) << text;
        found.insert(text.substr(percent, end - percent + 1));
    }
    EXPECT_EQ(placeholders, found) << text;
}

SIZE BitmapSize(HBITMAP hBitmap)
{
    BITMAP info{};
    GetObjectA(hBitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

} // namespace

TEST(ResourceLibraryFiles, AreResourceOnlyLibrariesOfTheCheckedVersions)
{
    struct Expected {
        std::string m_fileName;
        const char* m_pszVersion;
        int m_nMajor;
        WORD m_language;
    };
    std::vector<Expected> libraries = {{"Sorbelt.dll", IMAGE_LIBRARY_VERSION_TEXT, 1, 0x0409}};
    for (const TextFamily& family : kTextFamilies) {
        libraries.push_back(
            {std::string(family.m_pszPrefix) + "enu.dll", TEXT_LIBRARY_VERSION_TEXT, 2, 0x0409});
        libraries.push_back(
            {std::string(family.m_pszPrefix) + "jpn.dll", TEXT_LIBRARY_VERSION_TEXT, 2, 0x0411});
    }
    for (const Expected& library : libraries) {
        SCOPED_TRACE(library.m_fileName);
        WORD language = 0xFFFF;
        std::string version = FileVersionOf(LibraryPath(library.m_fileName), &language);
        EXPECT_EQ(library.m_pszVersion, version);
        EXPECT_EQ(library.m_nMajor, atoi(version.c_str()));
        EXPECT_EQ(library.m_language, language);

        // An ordinary load must work too and run nothing: no entry point, no imports.
        HMODULE hModule = LoadLibraryA(LibraryPath(library.m_fileName).c_str());
        ASSERT_NE(nullptr, hModule);
        auto* pBase = reinterpret_cast<BYTE*>(hModule);
        auto* pHeaders = reinterpret_cast<IMAGE_NT_HEADERS*>(
            pBase + reinterpret_cast<IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
        EXPECT_EQ(kBuildMachine, pHeaders->FileHeader.Machine);
        EXPECT_TRUE(pHeaders->FileHeader.Characteristics & IMAGE_FILE_DLL);
        EXPECT_EQ(0u, pHeaders->OptionalHeader.AddressOfEntryPoint);
        const IMAGE_DATA_DIRECTORY& imports
            = pHeaders->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        if (imports.Size != 0) {
            EXPECT_EQ(0u, reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(pBase + imports.VirtualAddress)->Name);
        }
        FreeLibrary(hModule);
    }
}

TEST(ResourceLibraryFiles, EveryTextIsThereInBothLanguages)
{
    for (const TextFamily& family : kTextFamilies) {
        for (const char* pszLanguage : kLanguages) {
            std::string fileName = std::string(family.m_pszPrefix) + pszLanguage + ".dll";
            ResourceFile file(fileName);
            ASSERT_NE(nullptr, file.Handle()) << fileName;
            for (UINT id : family.m_ids)
                EXPECT_NE("", file.Text(id)) << fileName << " text " << id;
        }
    }
}

TEST(ResourceLibraryFiles, EnglishIsAsciiAndJapaneseFitsCodePage932)
{
    for (const TextFamily& family : kTextFamilies) {
        ResourceFile english(std::string(family.m_pszPrefix) + "enu.dll");
        ResourceFile japanese(std::string(family.m_pszPrefix) + "jpn.dll");
        for (UINT id : family.m_ids) {
            SCOPED_TRACE(std::string(family.m_pszPrefix) + " text " + std::to_string(id));
            std::wstring englishText = english.WideText(id);
            EXPECT_TRUE(
                std::all_of(englishText.begin(), englishText.end(), [](wchar_t c) { return c < 0x80; }));

            std::wstring text = japanese.WideText(id);
            bool bJapanese = std::any_of(text.begin(), text.end(),
                [](wchar_t c) { return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF); });
            EXPECT_EQ(!kDocumentNameIds.count(id), bJapanese);
            // A character outside the Japanese ANSI code page would reach the screen as '?'.
            BOOL bLost = FALSE;
            WideCharToMultiByte(
                932, WC_NO_BEST_FIT_CHARS, text.c_str(), text.size(), nullptr, 0, nullptr, &bLost);
            EXPECT_FALSE(bLost);
        }
    }
}

TEST(ResourceLibraryFiles, FormatTextsKeepTheirPlaceholders)
{
    for (const char* pszLanguage : kLanguages) {
        SCOPED_TRACE(pszLanguage);
        for (const TextFamily& family : kTextFamilies) {
            ResourceFile file(std::string(family.m_pszPrefix) + pszLanguage + ".dll");
            ExpectFormatWith(file.Text(IDS_SHEET_TITLE_FORMAT), {"%s"});
            ExpectFormatWith(file.Text(IDS_MESSAGE_CAPTION_FORMAT), {"%s"});
        }
        ResourceFile download(std::string("Nivad") + pszLanguage + ".dll");
        ExpectFormatWith(download.Text(IDS_VERSION_RANGE_FORMAT), {"%1$s", "%2$s"});
        ExpectFormatWith(download.Text(IDS_VERSION_SINGLE_FORMAT), {"%1$s"});
        ExpectFormatWith(download.Text(IDS_PRINTER_ON_PORT_FORMAT), {"%1$s", "%2$s"});
    }
}

TEST(ResourceLibraryFiles, PairTablesCoverTheConfiguredLanguagesAndCountries)
{
    std::set<std::string> languages, countryCodes;
    CollectConfiguredNames(InstallFolder() + "Zembrak.ini", &languages, &countryCodes);
    {
        ScopedIniFile testConfig(kTestConfig);
        CollectConfiguredNames(TestProgramFolder() + "Zembrak.ini", &languages, &countryCodes);
    }
    ASSERT_TRUE(languages.count("jpn") && languages.count("eng") && countryCodes.count("49"));

    PairTable englishLanguages = ReadPairTable(
        ResourceFile("Nivadenu.dll"), IDS_MESSAGE_LANGUAGE_KEY_FIRST, IDS_MESSAGE_LANGUAGE_NAME_FIRST);
    PairTable japaneseLanguages = ReadPairTable(
        ResourceFile("Nivadjpn.dll"), IDS_MESSAGE_LANGUAGE_KEY_FIRST, IDS_MESSAGE_LANGUAGE_NAME_FIRST);
    EXPECT_EQ(englishLanguages.m_keys, japaneseLanguages.m_keys);
    for (const std::string& language : languages)
        EXPECT_EQ(1, std::count(englishLanguages.m_keys.begin(), englishLanguages.m_keys.end(), language))
            << language;

    PairTable englishCountries = ReadPairTable(
        ResourceFile("Pluvetenu.dll"), IDS_FAX_COUNTRY_CODE_FIRST, IDS_FAX_COUNTRY_NAME_FIRST);
    PairTable japaneseCountries = ReadPairTable(
        ResourceFile("Pluvetjpn.dll"), IDS_FAX_COUNTRY_CODE_FIRST, IDS_FAX_COUNTRY_NAME_FIRST);
    EXPECT_EQ(englishCountries.m_keys, japaneseCountries.m_keys);
    for (const std::string& code : countryCodes)
        EXPECT_EQ(1, std::count(englishCountries.m_keys.begin(), englishCountries.m_keys.end(), code))
            << code;
    // Codes and names stay paired in both languages.
    size_t japan = std::find(englishCountries.m_keys.begin(), englishCountries.m_keys.end(), "81")
        - englishCountries.m_keys.begin();
    ASSERT_LT(japan, englishCountries.m_names.size());
    EXPECT_EQ(L"Japan", englishCountries.m_names[japan]);
    EXPECT_EQ(L"\u65e5\u672c", japaneseCountries.m_names[japan]);
}

TEST(ResourceLibraryFiles, ImagesLoadAtTheirSizes)
{
    ResourceFile images("Sorbelt.dll");
    ASSERT_NE(nullptr, images.Handle());
    auto load = [&](UINT id, int width, int height, UINT flags) {
        return static_cast<HBITMAP>(
            LoadImageA(images.Handle(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, width, height, flags));
    };
    struct Expected {
        UINT m_id;
        LONG m_width, m_height;
    };
    for (Expected image :
        {Expected{IDB_WIZARD_SIDE_PICTURE, 328, 628}, Expected{IDB_DEFAULT_VERSION_IMAGE, 256, 192},
            Expected{IDB_SORT_ASCENDING_ARROW, 18, 10}, Expected{IDB_SORT_DESCENDING_ARROW, 18, 10}}) {
        HBITMAP hBitmap = load(image.m_id, 0, 0, 0);
        ASSERT_NE(nullptr, hBitmap) << image.m_id;
        SIZE size = BitmapSize(hBitmap);
        EXPECT_EQ(image.m_width, size.cx) << image.m_id;
        EXPECT_EQ(image.m_height, size.cy) << image.m_id;
        DeleteObject(hBitmap);
    }

    // The side picture, drawn for 200 %, shrinks to 100 % with each pixel the mean of the four
    // it stands for.
    HDC hDC = CreateCompatibleDC(nullptr);
    HDC hSmallDC = CreateCompatibleDC(nullptr);
    HBITMAP hDrawn = load(IDB_WIZARD_SIDE_PICTURE, 0, 0, LR_CREATEDIBSECTION);
    HBITMAP hSmall = ScaleSmoothly(hDrawn, 164, 314);
    ASSERT_NE(nullptr, hSmall);
    EXPECT_EQ(164, BitmapSize(hSmall).cx);
    EXPECT_EQ(314, BitmapSize(hSmall).cy);
    HGDIOBJ hOld = SelectObject(hDC, hDrawn);
    HGDIOBJ hOldSmall = SelectObject(hSmallDC, hSmall);
    for (POINT at : {POINT{40, 100}, POINT{70, 220}, POINT{120, 300}}) {
        int red = 0;
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                red += GetRValue(GetPixel(hDC, 2 * at.x + dx, 2 * at.y + dy));
        EXPECT_NEAR(red / 4.0, GetRValue(GetPixel(hSmallDC, at.x, at.y)), 1.0) << at.x;
    }
    // A band of another shape shows the picture's middle (the 162 rows from row 233), not the
    // whole picture squashed.
    HBITMAP hBand = ScaleToFill(hDrawn, 164, 81);
    ASSERT_NE(nullptr, hBand);
    SelectObject(hSmallDC, hBand);
    for (POINT at : {POINT{40, 10}, POINT{120, 60}}) {
        int red = 0;
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                red += GetRValue(GetPixel(hDC, 2 * at.x + dx, 233 + 2 * at.y + dy));
        EXPECT_NEAR(red / 4.0, GetRValue(GetPixel(hSmallDC, at.x, at.y)), 1.0) << at.x;
    }
    SelectObject(hSmallDC, hOldSmall);
    DeleteObject(hBand);
    SelectObject(hDC, hOld);
    DeleteObject(hSmall);
    DeleteObject(hDrawn);
    DeleteDC(hSmallDC);

    // Ascending points up, descending down: the tip row's corners are the header's face, the
    // base row's middle is the arrow.
    for (UINT id : {IDB_SORT_ASCENDING_ARROW, IDB_SORT_DESCENDING_ARROW}) {
        HBITMAP hArrow = load(id, 0, 0, 0);
        hOld = SelectObject(hDC, hArrow);
        int tipRow = id == IDB_SORT_ASCENDING_ARROW ? 0 : 9, baseRow = 9 - tipRow;
        EXPECT_EQ(GetPixel(hDC, 0, tipRow), GetPixel(hDC, 17, tipRow))
            << id;
        EXPECT_LT(GetRValue(GetPixel(hDC, 9, baseRow)), 0x80) << id;
        EXPECT_GT(GetRValue(GetPixel(hDC, 0, tipRow)), 0xE0) << id;
        EXPECT_LT(GetRValue(GetPixel(hDC, 9, baseRow)), GetRValue(GetPixel(hDC, 9, tipRow))) << id;
        SelectObject(hDC, hOld);
        DeleteObject(hArrow);
    }
    DeleteDC(hDC);
}
