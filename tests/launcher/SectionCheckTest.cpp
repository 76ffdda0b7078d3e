#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ConfigText.h"
#include "ExpectedReport.h"
#include "ProgramFiles.h"
#include "ReportFile.h"
#include "SectionCheck.h"
#include "TestConfig.h"

namespace {

using namespace expected_report;

const char kNoEntries[] = "項目がありません。\r\n";

class SectionCheckTest : public ::testing::Test {
protected:
    ~SectionCheckTest() override { DeleteFileA(m_reportPath.c_str()); }

    // Checks a configuration beside the test program; the silent run must agree with the
    // reported one. Returns the report.
    std::string Check(const std::string& configText, bool expectPassed)
    {
        ScopedIniFile ini(configText);
        return CheckWithAndWithoutReport(CheckSections, m_reportPath, expectPassed);
    }

    std::string m_reportPath = TestProgramFolder() + "sections.log";
};

TEST_F(SectionCheckTest, WithoutFaxSectionsTheFaxChecksAreLeftOut)
{
    std::string noFax = WithSection(WithSection(WithSection(kTestConfig, "Fax Machine", nullptr),
                                                "Fax Destination", nullptr),
                                    "Fax Country Code", nullptr);
    EXPECT_EQ(CleanSections(false), Check(noFax, true));
}

TEST_F(SectionCheckTest, CrossReferenceFaultsAreAllReported)
{
    std::string config = kTestConfig;
    config = WithSection(config, "Drivers",
                         "Lomarel Test PCL=\r\n"
                         "Lomarel Test KX=LT999\r\n"
                         "Lomarel Test XPS Driver=lt200\r\n");
    config = WithSection(config, "Models", "LT-100=LT100\r\nLT-200=LT200\r\nLT-300=Lt300\r\n");
    config = WithSection(config, "LanguageVersion", "LT100=1.00\r\nlt200=\r\nLT300=3.00\r\n");
    config = WithSection(config, "ModelID", "LT100=\r\nLT200=LT200\r\n");
    config = WithSection(config, "Language",
                         "enu=English\r\neng=\r\njpn=Japanese\r\ndeu=Deutsch\r\n");
    config = WithSection(config, "Machines", "LT100=enu,jpn\r\nLT200=enu,xx,jpn,deu\r\nLT300=\r\n");
    config = WithSection(config, "Localize", "Lomarel=enu,jpn\r\nfaxsetup=enu,kor\r\n");
    config = WithSection(config, "Link", "enu=https://support.lomarel.example/en\r\nJPN=\r\n");
    config = WithSection(config, "Fax Destination", nullptr);
    config = WithSection(config, "Fax Country Code", nullptr);
    config = WithSection(config, "Driver and Model", "Lomarel Test KX=\r\n");

    std::string expected =
        Block(kRevision) +
        Block(kLanguageVersion,
              "lt200 機種名は[Models]セクションに存在しません。\r\n"
              "2 個目の lt200 機種名に対応する 言語ファイルヘッダ用言語ファイル版数 がありません。\r\n"
              "LT300 機種名は[Models]セクションに存在しません。\r\n") +
        Block(kDrivers,
              "1 個目の Lomarel Test PCL ドライバに対応する 機種名 がありません。\r\n"
              "Lomarel Test PCL ドライバに対応する機種名  は、[Machines]セクションに存在しません。\r\n"
              "Lomarel Test KX ドライバに対応する機種名 LT999 は、[Machines]セクションに存在しません。\r\n") +
        Block(kModels) +
        Block(kModelId, "1 個目の LT100 機種名に対応する 言語ファイルヘッダ用機種ID がありません。\r\n") +
        Block(kLanguage,
              "2 個目の eng 言語識別子に対応する 言語名 がありません。\r\n"
              "Deutsch 言語名は[LanguageName]セクションに存在しません。\r\n") +
        Block(kLanguageName,
              "British 言語名は[Language]セクションに存在しません。\r\n"
              "German 言語名は[Language]セクションに存在しません。\r\n") +
        Block(kMachineLanguages,
              "LT200 機種に対応する言語 xx は、[Language]セクションに存在しません。\r\n"
              "3 個目の LT300 機種に対応する 言語識別子のリスト がありません。\r\n") +
        Block(kMachineNames,
              "LT100 機種は、[Drivers]セクションに存在しません。\r\n"
              "LT300 機種は、[Drivers]セクションに存在しません。\r\n") +
        Block(kLocalizeNames, "faxsetup は、無効なAPI名です。\r\n") +
        Block(kLocalizeLanguages,
              "faxsetup APIに対応する言語 kor は、[Language]セクションに存在しません。\r\n") +
        Block(kLink,
              "JPN 言語識別子は[Language]セクションに存在しません。\r\n"
              "2 個目の JPN 言語識別子に対応する URL がありません。\r\n") +
        // Only one fax section: no fax checks, and the note runs into the next header.
        "Faxのinfoは不足です" +
        Block(kDriverAndModel, "1 個目の Lomarel Test KX Driverに対応するModelがありません。\r\n");
    EXPECT_EQ(expected, Check(config, false));
}

TEST_F(SectionCheckTest, FaxSectionFaults)
{
    std::string config = WithSection(kTestConfig, "Fax Machine", "LT-200=81,44,1\r\nLT-100=\r\n");
    config = WithSection(config, "Fax Destination", "LT-200=\r\n");
    std::string report = Check(config, false);

    // The unsupported-codes note has no line end of its own.
    std::string fax =
        Block(kFaxMachine,
              "44　Country　Codeはsupportしない"
              "2 個目の LT-100 Modelに対応するCountry Code　List がありません。\r\n"
              "No country code　Country　Codeはsupportしない") +
        Block(kFaxDestination, "1 個目の LT-200 Modelに対応するDestinationがありません。\r\n") +
        Block(kFaxCountryCode);
    size_t start = report.find(kFaxMachine);
    ASSERT_NE(std::string::npos, start) << report;
    EXPECT_EQ(fax + Block(kDriverAndModel), report.substr(start));
}

TEST_F(SectionCheckTest, MissingOrUnreadableSections)
{
    // An empty file: every list is empty, and the absent fax sections are consistent.
    std::string expected;
    for (const char* header : {kRevision, kLanguageVersion, kDrivers, kModels, kModelId, kLanguage,
                               kLanguageName, kMachineLanguages, kMachineNames, kLocalizeNames,
                               kLocalizeLanguages, kLink, kDriverAndModel})
        expected += Block(header, kNoEntries);
    EXPECT_EQ(expected, Check("", false));

    // A value too long to read ends the section's values early.
    std::string tooLong(300, 'u');
    std::string link = "enu=https://x.example/\r\njpn=" + tooLong + "\r\n";
    std::string report = Check(WithSection(kTestConfig, "Link", link.c_str()), false);
    EXPECT_NE(std::string::npos,
              report.find(Block(kLink, "項目数が一致しません。langFile : 1 / langName : 0\r\n")))
        << report;
}

}  // namespace
