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

// The lookups themselves are tested natively; the model adds its index conventions, the text
// for a fax model without codes, and the program's folder before a language file.
TEST(IniConfig, LookupsKeepTheirIndexConventionsTextsAndPaths)
{
    std::string longName(230, 'm');  // with the program's folder, too long for a path
    std::string text = WithSection(kTestConfig, "Fax Machine", "LT-200=81,44,1\r\nLT-100=\r\n");
    text = WithSection(text, "Models", ("LT-100=LT100\r\nLT-900=" + longName + "\r\n").c_str());
    ScopedIniFile ini(WithSection(text, "Machines",
                                  ("LT100=enu,jpn\r\nLT200=enu,jpn,deu\r\n" + longName + "=enu\r\n").c_str()));
    CIniConfig config;
    EXPECT_EQ(2, config.FindDriver("LOMAREL test kx"));
    EXPECT_EQ(0, config.FindModel("LT-300"));
    EXPECT_EQ(ERR_INI_MODEL, config.GetLastErrorCode());
    std::string value;
    EXPECT_TRUE(config.GetLanguageId(2, value));
    EXPECT_EQ("jpn", value);
    EXPECT_TRUE(config.GetFaxModelName(1, value));
    EXPECT_EQ("LT-100", value);
    EXPECT_EQ(3, config.MatchLanguageByPrefix("JP", value));
    EXPECT_EQ(1, config.MatchLanguageForApi("Lomarel", "ENG", value));
    EXPECT_EQ(0, config.MatchLanguageForApi("FaxSetup", "DEU", value));

    EXPECT_TRUE(config.GetUnsupportedCountryCodes(0, value));
    EXPECT_EQ("44", value);
    EXPECT_FALSE(config.GetUnsupportedCountryCodes(1, value));
    EXPECT_EQ("No country code", value);
    EXPECT_EQ(ERR_INI_COUNTRY_CODE, config.GetLastErrorCode());
    EXPECT_FALSE(config.GetUnknownMachineLanguages(3, value));
    EXPECT_EQ(ERR_INI_LANGUAGE, config.GetLastErrorCode());

    EXPECT_TRUE(config.GetDriverLanguageFile("Lomarel Test PCL", "JPN", value));
    EXPECT_EQ(TestProgramFolder() + "LT100\\Japanese.lng", value);
    EXPECT_FALSE(config.GetModelLanguageFile("LT-900", "enu", value));
    EXPECT_EQ(LNG_ERR_PATH, config.GetLastErrorCode());
}

}  // namespace
