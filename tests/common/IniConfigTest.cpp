#include <gtest/gtest.h>

#include <string>

#include "ConfigText.h"
#include "IniConfig.h"
#include "ProgramFiles.h"
#include "ResultCodes.h"
#include "TestConfig.h"

namespace {

TEST(IniConfig, LoadsACompleteConfigurationBesideTheProgram)
{
    ScopedIniFile ini(kTestConfig);
    CIniConfig config;
    EXPECT_TRUE(config.IsLoaded());
    EXPECT_EQ(0, config.GetLastErrorCode());
    EXPECT_EQ(TestProgramFolder() + "Zembrak.ini", config.GetIniPath());

    std::string revision;
    EXPECT_TRUE(config.GetRevision(revision));
    EXPECT_EQ("7", revision);
    EXPECT_TRUE(config.HasFaxMachine());
    EXPECT_TRUE(config.HasFaxDestination());
    EXPECT_TRUE(config.HasFaxCountryCode());

    const IniSection& drivers = config.GetSection(SECTION_DRIVERS);
    ASSERT_EQ(3u, drivers.keys.size());
    EXPECT_EQ("Lomarel Test KX", drivers.keys[1]);
    EXPECT_EQ("LT200", drivers.values[1]);
    EXPECT_EQ(4, config.GetLanguageCount());
    EXPECT_EQ(2u, config.GetSection(SECTION_FAX_COUNTRY_CODE).keys.size());
    EXPECT_TRUE(config.GetSection(SECTION_FAX_COUNTRY_CODE).values.empty());
}

TEST(IniConfig, MissingFileLeavesEveryListEmptyAndFaxSectionsAbsent)
{
    CIniConfig config;
    EXPECT_FALSE(config.IsLoaded());
    EXPECT_EQ(ERR_INI_READ, config.GetLastErrorCode());
    EXPECT_FALSE(config.HasFaxMachine());
    EXPECT_FALSE(config.HasFaxDestination());
    EXPECT_FALSE(config.HasFaxCountryCode());
    EXPECT_EQ(0, config.GetLanguageCount());
    std::string revision;
    EXPECT_FALSE(config.GetRevision(revision));
}

TEST(IniConfig, FaxSectionsAreOptional)
{
    std::string text = kTestConfig;
    for (const char* section : {"Fax Machine", "Fax Destination", "Fax Country Code"})
        text = WithSection(text, section, nullptr);
    ScopedIniFile ini(text);
    CIniConfig config;
    EXPECT_TRUE(config.IsLoaded());
    EXPECT_EQ(0, config.GetLastErrorCode());
    EXPECT_FALSE(config.HasFaxMachine());
    EXPECT_FALSE(config.HasFaxDestination());
    EXPECT_FALSE(config.HasFaxCountryCode());
}

TEST(IniConfig, RequiredSectionThatIsEmptyOrMissingFailsTheLoad)
{
    for (const char* section : {"Revision", "PanelRestriction", "Link"}) {
        ScopedIniFile ini(WithSection(kTestConfig, section, ""));
        CIniConfig config;
        EXPECT_FALSE(config.IsLoaded()) << section;
        EXPECT_EQ(ERR_INI_READ, config.GetLastErrorCode()) << section;
    }
}

TEST(IniConfig, ValueOf255CharactersFailsButReadingGoesOn)
{
    std::string longest(254, 'v');
    {
        ScopedIniFile ini(WithSection(kTestConfig, "Link", ("enu=" + longest + "\r\n").c_str()));
        CIniConfig config;
        EXPECT_TRUE(config.IsLoaded());
        EXPECT_EQ(longest, config.GetSection(SECTION_LINK).values.at(0));
    }
    ScopedIniFile ini(
        WithSection(kTestConfig, "Link", ("enu=" + longest + "v\r\njpn=short\r\n").c_str()));
    CIniConfig config;
    EXPECT_FALSE(config.IsLoaded());
    EXPECT_EQ(ERR_INI_READ, config.GetLastErrorCode());
    // The bad value ends its section's values, yet the keys and every later section are there.
    EXPECT_EQ(2u, config.GetSection(SECTION_LINK).keys.size());
    EXPECT_TRUE(config.GetSection(SECTION_LINK).values.empty());
    EXPECT_EQ(2u, config.GetSection(SECTION_MODEL_ID).values.size());
    std::string version;
    EXPECT_TRUE(config.GetLanguageVersion("LT200", version));
}

TEST(IniConfig, EntryListThatFillsTheNameBufferFailsTheLoad)
{
    std::string body;
    for (int i = 0; i < 700; ++i)
        body += "Driver number " + std::to_string(100000 + i) + " long name=LT100\r\n";
    ScopedIniFile ini(WithSection(kTestConfig, "Drivers", body.c_str()));
    CIniConfig config;
    EXPECT_FALSE(config.IsLoaded());
    EXPECT_EQ(ERR_INI_READ, config.GetLastErrorCode());
    EXPECT_TRUE(config.GetSection(SECTION_DRIVERS).keys.empty());
    EXPECT_EQ(4, config.GetLanguageCount());
}

TEST(IniConfig, LookupsIgnoreCaseAndSetTheirErrorCodes)
{
    ScopedIniFile ini(kTestConfig);
    CIniConfig config;
    EXPECT_EQ(2, config.FindDriver("LOMAREL test kx"));
    EXPECT_EQ(0, config.FindDriver("Lomarel Test"));
    EXPECT_EQ(0, config.GetLastErrorCode());
    EXPECT_EQ(0, config.FindDriver(""));
    EXPECT_EQ(ERR_INI_ARGUMENT, config.GetLastErrorCode());

    EXPECT_EQ(2, config.FindModel("lt-200"));
    EXPECT_EQ(0, config.FindModel("LT-300"));
    EXPECT_EQ(ERR_INI_MODEL, config.GetLastErrorCode());

    EXPECT_EQ(3, config.FindLanguage("JPN"));
    EXPECT_EQ(1, config.FindDriverAndModel("lomarel test KX"));
    EXPECT_TRUE(config.FindCountryCode("81"));
    EXPECT_FALSE(config.FindCountryCode("44"));
    EXPECT_EQ(ERR_INI_COUNTRY_CODE, config.GetLastErrorCode());

    std::string text;
    EXPECT_TRUE(config.GetLanguageId(2, text));
    EXPECT_EQ("jpn", text);
    EXPECT_FALSE(config.GetLanguageId(4, text));
    EXPECT_EQ(ERR_INI_ARGUMENT, config.GetLastErrorCode());
    EXPECT_TRUE(config.GetLanguageName("DEU", text));
    EXPECT_EQ("German", text);
    EXPECT_FALSE(config.GetLanguageName("fra", text));
    EXPECT_EQ(ERR_INI_LANGUAGE, config.GetLastErrorCode());

    EXPECT_TRUE(config.IsMachine("lt100"));
    EXPECT_TRUE(config.IsDriverMachine("LT200"));
    EXPECT_FALSE(config.IsDriverMachine("LT-200"));
    EXPECT_TRUE(config.IsModelMachine("lt200"));
    EXPECT_TRUE(config.IsPanelRestricted("jpn"));
    EXPECT_FALSE(config.IsPanelRestricted("enu"));
}

TEST(IniConfig, HeaderLookupsNeedANonEmptyValue)
{
    ScopedIniFile ini(WithSection(WithSection(kTestConfig, "ModelID", "LT100=\r\nLT200=X200\r\n"),
                                  "LanguageName", "English=ENGLISH\r\n"));
    CIniConfig config;
    std::string text;
    EXPECT_TRUE(config.GetModelId("lt200", text));
    EXPECT_EQ("X200", text);
    EXPECT_FALSE(config.GetModelId("LT100", text));
    EXPECT_EQ(ERR_INI_MODEL_ID, config.GetLastErrorCode());
    EXPECT_FALSE(config.GetHeaderLanguageName("German", text));
    EXPECT_EQ(ERR_INI_LANGUAGE_NAME, config.GetLastErrorCode());
    EXPECT_FALSE(config.GetLanguageVersion("LT300", text));
    EXPECT_EQ(ERR_INI_LANGUAGE_VERSION, config.GetLastErrorCode());
}

TEST(IniConfig, UnknownListItemsKeepTheirBlanks)
{
    ScopedIniFile ini(WithSection(kTestConfig, "Machines", "LT100=,enu, jpn,xx\r\nLT200=enu,jpn\r\nLT300=\r\n"));
    CIniConfig config;
    std::string unknown;
    EXPECT_TRUE(config.GetUnknownMachineLanguages(0, unknown));
    EXPECT_EQ(",  jpn, xx", unknown);
    EXPECT_TRUE(config.GetUnknownMachineLanguages(1, unknown));
    EXPECT_EQ("", unknown);
    EXPECT_FALSE(config.GetUnknownMachineLanguages(2, unknown));
    EXPECT_EQ(ERR_INI_LANGUAGE, config.GetLastErrorCode());
    EXPECT_FALSE(config.GetUnknownMachineLanguages(3, unknown));
}

TEST(IniConfig, CountryCodeListsOfFaxModels)
{
    ScopedIniFile ini(WithSection(kTestConfig, "Fax Machine", "LT-200=81,44,1\r\nLT-100=\r\n"));
    CIniConfig config;
    std::string unsupported;
    EXPECT_TRUE(config.GetUnsupportedCountryCodes(0, unsupported));
    EXPECT_EQ("44", unsupported);
    EXPECT_FALSE(config.GetUnsupportedCountryCodes(1, unsupported));
    EXPECT_EQ("No country code", unsupported);
    EXPECT_EQ(ERR_INI_COUNTRY_CODE, config.GetLastErrorCode());
    EXPECT_FALSE(config.GetUnsupportedCountryCodes(2, unsupported));
}

TEST(IniConfig, FaxLookupsOfModelsDriversAndDestinations)
{
    std::string text = WithSection(kTestConfig, "Fax Machine", "LT-200=81,1\r\nLT-300=81,44\r\nLT-400=\r\n");
    ScopedIniFile ini(WithSection(text, "Fax Destination", "LT-200=Japan/81\r\nLT-300=\r\n"));
    CIniConfig config;
    std::string value;
    EXPECT_EQ(3, config.GetFaxModelCount());
    EXPECT_TRUE(config.GetFaxModelName(1, value));
    EXPECT_EQ("LT-300", value);
    EXPECT_FALSE(config.GetFaxModelName(3, value));
    EXPECT_EQ(ERR_INI_ARGUMENT, config.GetLastErrorCode());

    EXPECT_TRUE(config.GetModelForDriver("lomarel test kx", value));
    EXPECT_EQ("LT-200", value);
    EXPECT_FALSE(config.GetModelForDriver("Lomarel Test PCL", value));
    EXPECT_EQ(ERR_INI_DRIVER, config.GetLastErrorCode());

    // A list counts only when every one of its codes is a known country code.
    EXPECT_EQ(2, config.GetFaxCountryList("lt-200", value));
    EXPECT_EQ("81,1", value);
    EXPECT_EQ(0, config.GetFaxCountryList("LT-300", value));
    EXPECT_EQ(ERR_INI_COUNTRY_CODE, config.GetLastErrorCode());
    config.SetLastErrorCode(0);
    EXPECT_EQ(0, config.GetFaxCountryList("LT-400", value));
    EXPECT_EQ(ERR_INI_COUNTRY_CODE, config.GetLastErrorCode());
    EXPECT_EQ(0, config.GetFaxCountryList("LT-900", value));
    EXPECT_EQ(ERR_INI_MODEL, config.GetLastErrorCode());

    EXPECT_TRUE(config.GetFaxDestination("LT-200", value));
    EXPECT_EQ("Japan/81", value);
    EXPECT_FALSE(config.GetFaxDestination("LT-300", value));
    EXPECT_EQ(ERR_NO_DESTINATION, config.GetLastErrorCode());
    EXPECT_FALSE(config.GetFaxDestination("LT-400", value));
    EXPECT_EQ(ERR_INI_MODEL, config.GetLastErrorCode());
    EXPECT_FALSE(config.GetFaxDestination("", value));
    EXPECT_EQ(ERR_INI_ARGUMENT, config.GetLastErrorCode());
}

TEST(IniConfig, LanguagesEnabledForAUserInterface)
{
    ScopedIniFile ini(WithSection(kTestConfig, "Localize",
                                  "Lomarel=enu,jpn\r\nFaxSetup=ENU,JPN\r\nBroken=enu,xx\r\n"));
    CIniConfig config;
    EXPECT_TRUE(config.IsLanguageEnabledForApi("FaxSetup", "enu"));
    EXPECT_TRUE(config.IsLanguageEnabledForApi("faxsetup", "Jpn"));
    EXPECT_FALSE(config.IsLanguageEnabledForApi("FaxSetup", "deu"));
    EXPECT_FALSE(config.IsLanguageEnabledForApi("Nobody", "enu"));
    // A list naming an unknown language enables nothing.
    EXPECT_FALSE(config.IsLanguageEnabledForApi("Broken", "enu"));
    EXPECT_FALSE(config.IsLanguageEnabledForApi("", "enu"));
    EXPECT_EQ(ERR_INI_ARGUMENT, config.GetLastErrorCode());
}

TEST(IniConfig, MatchTriesOnlyTheFirstLanguageWithTheSamePrefix)
{
    std::string localize = "Lomarel=enu,jpn\r\nFaxSetup=jpn,eng\r\n";
    ScopedIniFile ini(WithSection(kTestConfig, "Localize", localize.c_str()));
    CIniConfig config;
    std::string language;
    EXPECT_EQ(1, config.MatchLanguageForApi("Lomarel", "ENG", language));
    EXPECT_EQ("enu", language);
    // "enu" comes before "eng" and is not enabled for the fax setup: no match at all.
    EXPECT_EQ(0, config.MatchLanguageForApi("FaxSetup", "ENU", language));
    EXPECT_EQ(3, config.MatchLanguageForApi("FaxSetup", "JPN", language));
    EXPECT_EQ("jpn", language);
    EXPECT_EQ(0, config.MatchLanguageForApi("FaxSetup", "", language));
    EXPECT_EQ(0, config.MatchLanguageForApi("", "JPN", language));
    EXPECT_EQ(ERR_INI_ARGUMENT, config.GetLastErrorCode());
}

TEST(IniConfig, DriverOrModelLeadsToItsMachinesLanguagesAndFiles)
{
    std::string longName(230, 'm');  // with the program's folder, too long for a path
    std::string text =
        WithSection(kTestConfig, "Language", "enu=English\r\njpn=Japanese\r\njp=J\r\n");
    std::string models = "LT-100=LT100\r\nLT-200=LT200\r\nLT-300=LT300\r\nLT-400=LT400\r\nLT-900=";
    text = WithSection(text, "Models", (models + longName + "\r\n").c_str());
    std::string machines = "LT100=enu,jpn\r\nLT200=enu,xx\r\nLT300=\r\n" + longName + "=enu\r\n";
    ScopedIniFile ini(WithSection(text, "Machines", machines.c_str()));
    CIniConfig config;
    EXPECT_EQ(2, config.HasDriverMachine("lomarel test PCL"));
    EXPECT_TRUE(config.GetModelLanguages("lt-200", text));
    EXPECT_EQ("enu,xx", text);
    EXPECT_TRUE(config.GetDriverLanguageFile("Lomarel Test PCL", "JPN", text));
    EXPECT_EQ(TestProgramFolder() + "LT100\\Japanese.lng", text);
    EXPECT_TRUE(config.GetLink("ENU", text));
    EXPECT_EQ("https://support.lomarel.example/en", text);
    EXPECT_EQ(0, config.GetLastErrorCode());

    auto error = [&config](bool found) { return found ? 0 : config.GetLastErrorCode(); };
    EXPECT_EQ(ERR_INI_MACHINE_LANGUAGE, error(config.HasModelMachine("LT-200") != 0));
    EXPECT_EQ(ERR_INI_LANGUAGE, error(config.HasModelMachine("LT-300") != 0));
    EXPECT_EQ(ERR_INI_MACHINE, error(config.HasModelMachine("LT-400") != 0));
    EXPECT_EQ(ERR_INI_MODEL, error(config.GetModelLanguages("LT-500", text)));
    EXPECT_EQ(ERR_INI_DRIVER, error(config.GetDriverLanguages("Lomarel Test", text)));
    EXPECT_EQ(ERR_INI_ARGUMENT, error(config.HasDriverMachine("") != 0));
    // Only whole items of the machine's list count.
    EXPECT_EQ(ERR_INI_LANGUAGE, error(config.GetModelLanguageFile("LT-100", "jp", text)));
    EXPECT_EQ(LNG_ERR_PATH, error(config.GetModelLanguageFile("LT-900", "enu", text)));
    EXPECT_EQ(ERR_INI_LANGUAGE, error(config.GetLink("jpn", text)));

    // The first key in file order with the same two first letters, even when a later one equals
    // the code.
    EXPECT_EQ(2, config.MatchLanguageByPrefix("JP", text));
    EXPECT_EQ("jpn", text);
    EXPECT_EQ(0, config.MatchLanguageByPrefix("fr", text));
}

}  // namespace
