// The configuration's lookups over a value read from text, without Windows.
#include <gtest/gtest.h>

#include <string>

#include "CommaList.h"
#include "ConfigText.h"
#include "IniLookups.h"
#include "IniText.h"
#include "ResultCodes.h"
#include "TestConfig.h"

namespace {

using ini::kNotFound;
using ini::ListCheck;

IniConfiguration Read(const std::string& text, const AnsiCharacters& characters = SingleByteCharacters())
{
    return ReadIniConfiguration(IniText(text, characters));
}

TEST(IniLookups, KeysAndValuesIgnoreCaseAndSetTheirErrorCodes)
{
    IniConfiguration config = Read(kTestConfig);
    int error = 0;
    EXPECT_EQ(1, ini::FindKey(config, SECTION_DRIVERS, "LOMAREL test kx", 0, error));
    EXPECT_EQ(kNotFound, ini::FindKey(config, SECTION_DRIVERS, "Lomarel Test", 0, error));
    EXPECT_EQ(0, error);
    EXPECT_EQ(kNotFound, ini::FindKey(config, SECTION_DRIVERS, "", 0, error));
    EXPECT_EQ(ERR_INI_ARGUMENT, error);
    EXPECT_EQ(1, ini::FindKey(config, SECTION_MODELS, "lt-200", ERR_INI_MODEL, error));
    EXPECT_EQ(kNotFound, ini::FindKey(config, SECTION_MODELS, "LT-300", ERR_INI_MODEL, error));
    EXPECT_EQ(ERR_INI_MODEL, error);
    EXPECT_EQ(2, ini::FindKey(config, SECTION_LANGUAGE, "JPN", 0, error));
    EXPECT_EQ(0, ini::FindKey(config, SECTION_DRIVER_AND_MODEL, "lomarel test KX", 0, error));
    EXPECT_EQ(1, ini::FindKey(config, SECTION_FAX_COUNTRY_CODE, "81", ERR_INI_COUNTRY_CODE, error));
    EXPECT_EQ(kNotFound, ini::FindKey(config, SECTION_FAX_COUNTRY_CODE, "44", ERR_INI_COUNTRY_CODE,
                                      error));
    EXPECT_EQ(ERR_INI_COUNTRY_CODE, error);

    std::string text;
    EXPECT_TRUE(ini::KeyAt(config, SECTION_LANGUAGE, 2, text, error));
    EXPECT_EQ("jpn", text);
    EXPECT_FALSE(ini::KeyAt(config, SECTION_LANGUAGE, 4, text, error));
    EXPECT_EQ(ERR_INI_ARGUMENT, error);
    EXPECT_TRUE(ini::LanguageName(config, "DEU", text, error));
    EXPECT_EQ("German", text);
    EXPECT_FALSE(ini::LanguageName(config, "fra", text, error));
    EXPECT_EQ(ERR_INI_LANGUAGE, error);

    EXPECT_TRUE(ini::IsKey(config, SECTION_MACHINES, "lt100"));
    EXPECT_TRUE(ini::IsValue(config, SECTION_DRIVERS, "LT200"));
    EXPECT_FALSE(ini::IsValue(config, SECTION_DRIVERS, "LT-200"));
    EXPECT_TRUE(ini::IsValue(config, SECTION_MODELS, "lt200"));
    EXPECT_TRUE(ini::IsPanelRestricted(config, "jpn"));
    EXPECT_FALSE(ini::IsPanelRestricted(config, "enu"));

    // Header values must not be empty.
    config = Read(WithSection(WithSection(kTestConfig, "ModelID", "LT100=\r\nLT200=X200\r\n"),
                              "LanguageName", "English=ENGLISH\r\n"));
    EXPECT_TRUE(ini::RequiredValue(config, SECTION_MODEL_ID, "lt200", ERR_INI_MODEL_ID, text, error));
    EXPECT_EQ("X200", text);
    EXPECT_FALSE(ini::RequiredValue(config, SECTION_MODEL_ID, "LT100", ERR_INI_MODEL_ID, text, error));
    EXPECT_EQ(ERR_INI_MODEL_ID, error);
    EXPECT_FALSE(ini::RequiredValue(config, SECTION_LANGUAGE_NAME, "German", ERR_INI_LANGUAGE_NAME,
                                    text, error));
    EXPECT_EQ(ERR_INI_LANGUAGE_NAME, error);
    EXPECT_FALSE(ini::RequiredValue(config, SECTION_LANGUAGE_VERSION, "LT300",
                                    ERR_INI_LANGUAGE_VERSION, text, error));
    EXPECT_EQ(ERR_INI_LANGUAGE_VERSION, error);
}

TEST(IniLookups, ListsKeepTheirItemsAsWritten)
{
    std::string text = WithSection(kTestConfig, "Machines", "LT100=,enu, jpn,xx\r\nLT200=enu,jpn\r\nLT300=\r\n");
    IniConfiguration config = Read(WithSection(text, "Fax Machine", "LT-200=81,44,1\r\nLT-100=\r\n"));
    int error = 0;
    std::string unknown;
    EXPECT_EQ(ListCheck::kChecked, ini::UnknownLanguages(config, SECTION_MACHINES, 0, unknown, error));
    EXPECT_EQ(",  jpn, xx", unknown);
    EXPECT_EQ(ListCheck::kChecked, ini::UnknownLanguages(config, SECTION_MACHINES, 1, unknown, error));
    EXPECT_EQ("", unknown);
    error = 0;
    EXPECT_EQ(ListCheck::kEmptyList, ini::UnknownLanguages(config, SECTION_MACHINES, 2, unknown, error));
    EXPECT_EQ(ERR_INI_LANGUAGE, error);
    EXPECT_EQ(ListCheck::kNoEntry, ini::UnknownLanguages(config, SECTION_MACHINES, 3, unknown, error));

    EXPECT_EQ(ListCheck::kChecked, ini::UnsupportedCountryCodes(config, 0, unknown, error));
    EXPECT_EQ("44", unknown);
    error = 0;
    EXPECT_EQ(ListCheck::kEmptyList, ini::UnsupportedCountryCodes(config, 1, unknown, error));
    EXPECT_EQ("", unknown);
    EXPECT_EQ(ERR_INI_COUNTRY_CODE, error);
    EXPECT_EQ(ListCheck::kNoEntry, ini::UnsupportedCountryCodes(config, 2, unknown, error));
}

TEST(IniLookups, LanguagesOfUserInterfacesAndTheFirstWithTheSamePrefix)
{
    IniConfiguration config = Read(WithSection(
        kTestConfig, "Localize", "Lomarel=enu,jpn\r\nFaxSetup=jpn,eng\r\nBroken=enu,xx\r\n"));
    int error = 0;
    EXPECT_TRUE(ini::IsLanguageEnabledForApi(config, "faxsetup", "Jpn", error));
    EXPECT_FALSE(ini::IsLanguageEnabledForApi(config, "FaxSetup", "deu", error));
    EXPECT_FALSE(ini::IsLanguageEnabledForApi(config, "Nobody", "enu", error));
    // A list naming an unknown language enables nothing.
    EXPECT_FALSE(ini::IsLanguageEnabledForApi(config, "Broken", "enu", error));
    EXPECT_FALSE(ini::IsLanguageEnabledForApi(config, "", "enu", error));
    EXPECT_EQ(ERR_INI_ARGUMENT, error);

    std::string language;
    EXPECT_EQ(0, ini::MatchLanguageForApi(config, "Lomarel", "ENG", language, error));
    EXPECT_EQ("enu", language);
    // "enu" comes before "eng" and is not enabled for the fax setup: no match at all.
    EXPECT_EQ(kNotFound, ini::MatchLanguageForApi(config, "FaxSetup", "ENU", language, error));
    EXPECT_EQ(2, ini::MatchLanguageForApi(config, "FaxSetup", "JPN", language, error));
    EXPECT_EQ(kNotFound, ini::MatchLanguageForApi(config, "FaxSetup", "", language, error));
    error = 0;
    EXPECT_EQ(kNotFound, ini::MatchLanguageForApi(config, "", "JPN", language, error));
    EXPECT_EQ(ERR_INI_ARGUMENT, error);
    EXPECT_EQ(2, ini::MatchLanguageByPrefix(config, "jp", language, error));
    EXPECT_EQ("jpn", language);
    EXPECT_EQ(kNotFound, ini::MatchLanguageByPrefix(config, "fr", language, error));
}

TEST(IniLookups, DriverOrModelLeadsToItsMachinesLanguagesAndFiles)
{
    std::string text =
        WithSection(kTestConfig, "Language", "enu=English\r\njpn=Japanese\r\njp=J\r\nfr=\r\n");
    text = WithSection(text, "Models", "LT-100=LT100\r\nLT-200=LT200\r\nLT-300=LT300\r\nLT-400=LT400\r\n");
    IniConfiguration config =
        Read(WithSection(text, "Machines", "LT100=enu,jpn,fr\r\nLT200=enu,xx\r\nLT300=\r\n"));
    int error = 0;
    std::string value;
    EXPECT_EQ(3, ini::CountMachineLanguages(config, SECTION_DRIVERS, "lomarel test PCL", error));
    EXPECT_TRUE(ini::LanguageFileName(config, SECTION_DRIVERS, "Lomarel Test PCL", "JPN", value, error));
    EXPECT_EQ("LT100\\Japanese.lng", value);
    // A language the list names anywhere, even inside an item, has its file.
    EXPECT_TRUE(ini::LanguageFileName(config, SECTION_MODELS, "LT-100", "jp", value, error));
    EXPECT_EQ("LT100\\J.lng", value);
    EXPECT_TRUE(ini::Link(config, "ENU", value, error));
    EXPECT_EQ(0, error);

    auto failure = [&error](bool found) { return found ? 0 : error; };
    std::string machine;
    EXPECT_EQ(ERR_INI_MACHINE_LANGUAGE,
              failure(ini::CountMachineLanguages(config, SECTION_MODELS, "LT-200", error) != 0));
    EXPECT_EQ(ERR_INI_LANGUAGE,
              failure(ini::MachineLanguages(config, SECTION_MODELS, "LT-300", machine, value, error)));
    EXPECT_EQ(ERR_INI_MACHINE,
              failure(ini::MachineLanguages(config, SECTION_MODELS, "LT-400", machine, value, error)));
    EXPECT_EQ(ERR_INI_MODEL,
              failure(ini::MachineLanguages(config, SECTION_MODELS, "LT-500", machine, value, error)));
    EXPECT_EQ(ERR_INI_DRIVER,
              failure(ini::MachineLanguages(config, SECTION_DRIVERS, "Lomarel Test", machine, value, error)));
    EXPECT_EQ(ERR_INI_ARGUMENT,
              failure(ini::CountMachineLanguages(config, SECTION_DRIVERS, "", error) != 0));
    // A language without a name, or one the list does not name, has no file.
    EXPECT_EQ(ERR_INI_LANGUAGE,
              failure(ini::LanguageFileName(config, SECTION_MODELS, "LT-100", "fr", value, error)));
    EXPECT_EQ(ERR_INI_LANGUAGE,
              failure(ini::LanguageFileName(config, SECTION_MODELS, "LT-200", "jpn", value, error)));
    EXPECT_EQ(ERR_INI_LANGUAGE, failure(ini::Link(config, "jpn", value, error)));
}

TEST(IniLookups, FaxModelsDriversAndDestinations)
{
    std::string text = WithSection(kTestConfig, "Fax Machine", "LT-200=81,1\r\nLT-300=81,44\r\nLT-400=\r\n");
    IniConfiguration config =
        Read(WithSection(text, "Fax Destination", "LT-200=Japan/81\r\nLT-300=\r\n"));
    int error = 0;
    std::string value;
    EXPECT_TRUE(ini::ModelForDriver(config, "lomarel test kx", value, error));
    EXPECT_EQ("LT-200", value);
    EXPECT_FALSE(ini::ModelForDriver(config, "Lomarel Test PCL", value, error));
    EXPECT_EQ(ERR_INI_DRIVER, error);

    // A list counts only when every one of its codes is a known country code.
    EXPECT_EQ(2, ini::FaxCountryList(config, "lt-200", value, error));
    EXPECT_EQ("81,1", value);
    EXPECT_EQ(0, ini::FaxCountryList(config, "LT-300", value, error));
    EXPECT_EQ(ERR_INI_COUNTRY_CODE, error);
    error = 0;
    EXPECT_EQ(0, ini::FaxCountryList(config, "LT-400", value, error));
    EXPECT_EQ(ERR_INI_COUNTRY_CODE, error);
    EXPECT_EQ(0, ini::FaxCountryList(config, "LT-900", value, error));
    EXPECT_EQ(ERR_INI_MODEL, error);

    EXPECT_TRUE(ini::FaxDestination(config, "LT-200", value, error));
    EXPECT_EQ("Japan/81", value);
    EXPECT_FALSE(ini::FaxDestination(config, "LT-300", value, error));
    EXPECT_EQ(ERR_NO_DESTINATION, error);
    EXPECT_FALSE(ini::FaxDestination(config, "LT-400", value, error));
    EXPECT_EQ(ERR_INI_MODEL, error);
    EXPECT_FALSE(ini::FaxDestination(config, "", value, error));
    EXPECT_EQ(ERR_INI_ARGUMENT, error);
}

// In code page 932 a double-byte character is one letter: its second byte is never folded or
// matched alone, and full-width letters have a case.
TEST(IniLookups, CodePage932LettersAndTheBytesInsideCharacters)
{
    const std::string katakanaA = "\x83\x41";   // second byte "A"
    const std::string katakanaDi = "\x83\x61";  // second byte "a"
    const std::string fullWidthA = "\x82\x60", fullWidthSmallA = "\x82\x81";
    std::string text = WithSection(kTestConfig, "Language",
                                   ("enu=English\r\n" + katakanaA + "x=Kana\r\n" + fullWidthA +
                                    "=Wide\r\n").c_str());
    IniConfiguration config = Read(text, CodePage932Characters());
    int error = 0;
    EXPECT_EQ(kNotFound, ini::FindKey(config, SECTION_LANGUAGE, (katakanaDi + "x").c_str(), 0, error));
    EXPECT_EQ(2, ini::FindKey(config, SECTION_LANGUAGE, fullWidthSmallA.c_str(), 0, error));
    std::string language;
    EXPECT_EQ(1, ini::MatchLanguageByPrefix(config, (katakanaA + "xyz").c_str(), language, error));
    EXPECT_EQ(kNotFound, ini::MatchLanguageByPrefix(config, (katakanaDi + "x").c_str(), language, error));

    const AnsiCharacters japanese = CodePage932Characters();
    EXPECT_FALSE(ListContainsIgnoringCase("enu," + katakanaA, "a", japanese));
    EXPECT_TRUE(ListContainsIgnoringCase("enu," + katakanaA, "a", SingleByteCharacters()));
    EXPECT_TRUE(ListContainsIgnoringCase("x" + fullWidthA + ",jpn", fullWidthSmallA + ",J", japanese));
    // Cyrillic lower case skips the code that cannot end a character.
    EXPECT_TRUE(japanese.SameIgnoringCase("\x84\x4F\x84\x60", "\x84\x80\x84\x91"));
    EXPECT_FALSE(japanese.SameIgnoringCase("\x84\x4F", "\x84\x7F"));
    EXPECT_TRUE(japanese.SameIgnoringCase("\x87\x54\x87\x5D", "\xFA\x40\xFA\x49"));
}

}  // namespace
