// Each file of the table is read twice, by the model and key by key through
// GetPrivateProfileStringA the way the model once read it, and the two readings must agree section
// by section and key by key. The table runs in an English and in a Japanese locale (code pages
// 1252 and 932).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IniConfig.h"
#include "ProgramFiles.h"
#include "TestConfig.h"

namespace {

// In the order of IniSectionId.
const char* const kSectionNames[SECTION_COUNT] = {
    "Drivers",     "Language",        "Models",           "Machines",         "Localize",
    "Link",        "LanguageVersion", "LanguageName",     "ModelID",          "Fax Machine",
    "Fax Destination", "Driver and Model", "Fax Country Code", "PanelRestriction"};

struct Reading {
    bool loaded = true;
    std::string revision;
    bool hasFax[3] = {true, true, true};
    IniSection sections[SECTION_COUNT];
};

// The key-by-key reading through the API: entry names into 16384 bytes (16382 meaning "cut"),
// values into 256 bytes (255 meaning "cut"), the fax sections optional.
bool ReadNames(const std::string& path, const char* section, std::vector<std::string>& names,
               DWORD& length)
{
    std::vector<char> buffer(0x4000);
    length = GetPrivateProfileStringA(section, nullptr, "", buffer.data(), 0x4000, path.c_str());
    if (length == 0x3FFE)
        return false;
    for (DWORD at = 0; at + 1 < length; at += static_cast<DWORD>(names.back().size()) + 1)
        names.push_back(buffer.data() + at);
    return true;
}

Reading ReadThroughApi(const std::string& path)
{
    Reading reading;
    std::vector<std::string> revision;
    DWORD length = 0;
    if (ReadNames(path, "Revision", revision, length) && length != 0)
        reading.revision = revision.front();
    else
        reading.loaded = false;
    for (int id = 0; id < SECTION_COUNT; ++id) {
        IniSection& section = reading.sections[id];
        if (!ReadNames(path, kSectionNames[id], section.keys, length)) {
            reading.loaded = false;
            continue;
        }
        bool optional = id == SECTION_FAX_MACHINE || id == SECTION_FAX_DESTINATION ||
                        id == SECTION_FAX_COUNTRY_CODE;
        if (length == 0) {
            if (optional)
                reading.hasFax[id == SECTION_FAX_MACHINE ? 0 : id == SECTION_FAX_DESTINATION ? 1 : 2] = false;
            else
                reading.loaded = false;
            continue;
        }
        if (id == SECTION_FAX_COUNTRY_CODE)
            continue;
        for (const std::string& key : section.keys) {
            char value[256];
            if (GetPrivateProfileStringA(kSectionNames[id], key.c_str(), "", value, 256,
                                         path.c_str()) == 255) {
                reading.loaded = false;
                break;
            }
            section.values.push_back(value);
        }
    }
    return reading;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    size_t at = text.find(from);
    EXPECT_NE(std::string::npos, at) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string Repeated(const std::string& unit, size_t count)
{
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += unit;
    return text;
}

// Entry names of one section whose list takes `bytes` bytes with its terminators, each name
// made of `unit` (one or two bytes) and a number.
std::string NamesOfTotalSize(size_t bytes, const std::string& unit)
{
    std::string body;
    size_t used = 0;
    for (int i = 0; used < bytes; ++i) {
        std::string name = std::to_string(10000 + i) + Repeated(unit, 40);
        if (used + name.size() + 1 > bytes)
            name = std::string(bytes - used - 1, 'z');
        used += name.size() + 1;
        body += name + "=LT100\r\n";
    }
    return body;
}

struct Case {
    const char* what;
    std::string text;
};

std::vector<Case> Files()
{
    const std::string base = kTestConfig;
    const std::string link = "enu=https://support.lomarel.example/en\r\n";
    const std::string japanese = "\x83\x65\x83\x58\x83\x67";  // katakana "tesuto" in code page 932
    std::vector<Case> files = {
        {"names in another case",
         Replaced(Replaced(base, "[Drivers]", "[DRIVERS]"), "Lomarel Test KX=", "LOMAREL test kx=")},
        {"a section twice", base + "[Drivers]\r\nLater=LT100\r\n[link]\r\nfra=x\r\n"},
        {"a key repeated", Replaced(base, link, link + "ENU=second\r\nenu=third\r\n")},
        {"blanks around names, = and values",
         Replaced(Replaced(base, link, " \t enu \t = \t https://x \t \r\n  jpn=  \r\n"),
                  "[Models]", " \t[ \tModels\t ] \t")},
        {"a value in quotes",
         Replaced(base, link,
                  "a=\"quoted\"\r\nb='single'\r\nc=\"open\r\nd=\"\"\r\ne=\"\r\nf=\"x\"y\"\r\n"
                  "g= \" spaced \" \r\nh='mixed\"\r\n")},
        {"comment lines", Replaced(base, link, ";enu=commented\r\n  ;x=y\r\n#hash=z\r\n" + link)},
        {"lines without =", Replaced(base, link, "lonely\r\n" + link + "[Models\r\nnot a header]\r\n")},
        {"blank lines", Replaced(base, "[Models]", "\r\n   \r\n\t\r\n[Models]\r\n\r\n")},
        {"LF alone and no end on the last line",
         Replaced(Replaced(base, "[Models]\r\nLT-100=LT100\r\n", "[Models]\nLT-100=LT100\n"),
                  "JPN=TRUE\r\n", "JPN=TRUE")},
        {"CR alone", Replaced(base, "LT-100=LT100\r\n", "LT-100=LT100\rLT-300=LT100\r\n")},
        {"double-byte keys and values",
         Replaced(base, link,
                  japanese + "=" + japanese + "\r\n\x83\x41=upper\r\n\x83\x61=lower\r\n"
                  "\x95\x5C]=\x95\x5C\r\n\x81\x40" + japanese + "\x81\x40=\x81\x40v\x81\x40\r\n")},
        {"a value at the longest the model allows",
         Replaced(base, link,
                  "a=" + std::string(254, 'v') + "\r\nb=\"" + std::string(254, 'q') + "\"\r\n" +
                  "c=\"" + std::string(255, 'q') + "\"\r\nd=" + Repeated("\x83\x65", 127) +
                  "\r\n")},
        {"a value past the longest", Replaced(base, link, "a=" + std::string(255, 'v') + "\r\n")},
        {"a quoted value past the longest",
         Replaced(base, link, "a=\"" + std::string(256, 'q') + "\"\r\n")},
        {"a double-byte value past the longest",
         Replaced(base, link, "a=" + Repeated("\x83\x65", 128) + "\r\n")},
        {"a section at the largest", Replaced(base, link, NamesOfTotalSize(16381, "n"))},
        {"a section past the largest", Replaced(base, link, NamesOfTotalSize(16382, "n"))},
        {"a double-byte section past the largest",
         Replaced(base, link, NamesOfTotalSize(16000, "\x83\x65"))},
        {"an empty file", ""},
        {"a UTF-8 byte-order mark", "\xEF\xBB\xBF" + base},
        {"a UTF-8 byte-order mark before text that is not ASCII",
         "\xEF\xBB\xBF" + Replaced(base, link, "enu=\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88\r\n")},
        {"a NUL byte inside a line",
         Replaced(Replaced(base, link, std::string("enu=ht\0tp\r\njp\0n=x\r\nab \0cd=y\r\n", 29)),
                  "[Models]", std::string("[Models]\0junk", 13))},
        {"an empty name before the first key", Replaced(base, link, "=first\r\n" + link)},
        // Blank lines between them do not join lines with empty names into a run.
        {"empty names among the keys",
         Replaced(Replaced(base, link,
                           link + "=middle\r\n \t= \t\r\n=\r\njpn=x\r\n   \r\n=a\r\nfra=z\r\n\t\r\n\r\n"
                                  "=b\r\ndeu=w\n\n=c\r\nita=v\r\r=last\r\n"),
                  "[Models]\r\n", "[Models]\r\n=\r\n=again\r\n")},
        // The API reads the file through UTF-16: a character with two spellings in code page 932
        // (0x8790 and 0x81E0) comes back in one, and so is one key; broken or unassigned
        // double-byte sequences come back as the default character.
        {"double-byte spellings the API changes",
         Replaced(Replaced(base, link,
                           "\x87\x90=first\r\n\x81\xE0=second\r\nc\x81 =y\x81\x7F\r\n"
                           "\x81\rd=\x85\x40\xEB\x40\r\n" + link),
                  "[Revision]\r\n", "[Revision]\r\n\x81\x7F")},
        {"other blanks",
         Replaced(base, link, "\x1a" "enu\xA0=\xA0value\x1a\r\n\xC4rger=1\r\n\xE4rger=2\r\n")},
    };
    return files;
}

void ExpectSameReadings(const char* what, const Reading& api, CIniConfig& config)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(api.loaded, config.IsLoaded());
    EXPECT_EQ(api.loaded ? 0 : 0x70002, config.GetLastErrorCode());
    std::string revision;
    config.GetRevision(revision);
    EXPECT_EQ(api.revision, revision);
    EXPECT_EQ(api.hasFax[0], config.HasFaxMachine());
    EXPECT_EQ(api.hasFax[1], config.HasFaxDestination());
    EXPECT_EQ(api.hasFax[2], config.HasFaxCountryCode());
    for (int id = 0; id < SECTION_COUNT; ++id) {
        const IniSection& model = config.GetSection(static_cast<IniSectionId>(id));
        EXPECT_EQ(api.sections[id].keys, model.keys) << kSectionNames[id];
        EXPECT_EQ(api.sections[id].values, model.values) << kSectionNames[id];
    }
}

void ReadEveryFileBothWays()
{
    std::string path = TestProgramFolder() + "Zembrak.ini";
    {
        SCOPED_TRACE("a missing file");
        DeleteFileA(path.c_str());
        Reading api = ReadThroughApi(path);
        CIniConfig config;
        ExpectSameReadings("a missing file", api, config);
    }
    for (const Case& file : Files()) {
        ScopedIniFile ini(file.text);
        Reading api = ReadThroughApi(path);
        CIniConfig config;
        ExpectSameReadings(file.what, api, config);
    }
}

TEST(IniReadDifferential, TheModelHoldsWhatTheApiReadsKeyByKey) { ReadEveryFileBothWays(); }

TEST(JapaneseIniReadDifferential, TheModelHoldsWhatTheApiReadsKeyByKey)
{
    ReadEveryFileBothWays();
}

}  // namespace
