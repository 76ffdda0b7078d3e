#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "ConfigText.h"
#include "ExpectedReport.h"
#include "LanguageFiles.h"
#include "LauncherMessages.h"
#include "ProgramFiles.h"
#include "ProgramRun.h"
#include "ReportFile.h"
#include "ResourceFiles.h"
#include "TestConfig.h"

namespace {

// The built Zembrak.exe in a folder of its own, with its resource libraries, a configuration and
// the configuration's language files.
class ConfigurationReportRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string installed = InstallFolder() + "Zembrak.exe";
        ASSERT_TRUE(CopyFileA(installed.c_str(), Launcher().c_str(), FALSE));
        UseConfig(kTestConfig);
    }

    void TearDown() override
    {
        m_files.reset();
        DeleteFileA(ReportPath().c_str());
        RemoveDirectoryA(ReportPath().c_str());
    }

    std::string Launcher() const { return m_folder.Path() + "Zembrak.exe"; }
    std::string ReportPath() const { return m_folder.Path() + "error.log"; }

    void UseConfig(const std::string& text)
    {
        m_files.reset();
        WriteTextFile(m_folder.Path() + "Zembrak.ini", text);
        m_files.reset(new ScopedLanguageFiles(m_folder.Path(), text));
    }

    ProgramRun Run(const std::string& arguments)
    {
        ProgramRun run = RunProgram(Launcher(), arguments);
        EXPECT_TRUE(run.finished) << arguments;
        EXPECT_EQ(0u, run.exitCode) << arguments;
        return run;
    }

    void ExpectMissingFile(const std::string& arguments)
    {
        ProgramRun run = Run(arguments);
        ASSERT_EQ(1u, run.boxes.size()) << arguments;
        EXPECT_EQ("Lomarel", run.boxes[0].caption);
        EXPECT_EQ(kMissingFile, run.boxes[0].text);
    }

    // The whole report of the test configuration, which passes everything.
    std::string CleanReport() const
    {
        std::string machines = m_folder.Path() + "\\";
        return expected_report::CleanSections(true) + expected_report::kDisplayLanguages +
               "\r\n"
               "LT100 : " + machines + "LT100\r\n"
               "enu : English.lng\t : 1.00 - 1.00 : ENGLISH : LT100\tSuccess\r\n"
               "jpn : Japanese.lng\t : 1.00 - 1.00 : JAPANESE : LT100\tSuccess\r\n"
               "\r\n"
               "LT200 : " + machines + "LT200\r\n"
               "enu : English.lng\t : 2.00 - 2.00 : ENGLISH : LT200\tSuccess\r\n"
               "jpn : Japanese.lng\t : 2.00 - 2.00 : JAPANESE : LT200\tSuccess\r\n"
               "deu : German.lng\t : 2.00 - 2.00 : GERMAN : LT200\tSuccess\r\n"
               "\r\n";
    }

    ScopedFolder m_folder{"config-report"};
    ScopedResourceFolder m_resources{m_folder.Path()};
    std::unique_ptr<ScopedLanguageFiles> m_files;
};

TEST_F(ConfigurationReportRunTest, CheckInifileWritesTheWholeReport)
{
    EXPECT_TRUE(Run("/CheckInifile").boxes.empty());
    EXPECT_EQ(CleanReport(), ReadReport(ReportPath()));
}

TEST_F(ConfigurationReportRunTest, EachRunStartsTheReportAfresh)
{
    UseConfig(WithSection(kTestConfig, "Localize", "Lomarel=enu\r\nFaxsetup=enu\r\n"));
    // Faults do not stop the report run, and it shows nothing of its own.
    EXPECT_TRUE(Run("/CheckInifile").boxes.empty());
    EXPECT_NE(std::string::npos, ReadReport(ReportPath()).find("Faxsetup は、無効なAPI名です。"));

    UseConfig(kTestConfig);
    Run("/checkinifile");
    EXPECT_EQ(CleanReport(), ReadReport(ReportPath()));
}

TEST_F(ConfigurationReportRunTest, ReportThatCannotBeOpenedIsAnnounced)
{
    ASSERT_TRUE(CreateDirectoryA(ReportPath().c_str(), nullptr));
    ProgramRun run = Run("/CheckInifile");
    ASSERT_EQ(1u, run.boxes.size());
    EXPECT_EQ("Can't open file " + ReportPath() + ", error = 5\n", run.boxes[0].text);
    EXPECT_EQ("Error", run.boxes[0].caption);  // the system's own caption
    EXPECT_FALSE(run.boxes[0].hasIcon);
}

TEST_F(ConfigurationReportRunTest, InconsistentInstallationDoesNotStart)
{
    UseConfig(WithSection(kTestConfig, "Link", "ENU=https://support.lomarel.example/en\r\n"));
    ExpectMissingFile("");

    UseConfig(kTestConfig);
    DeleteFileA(LanguageFilePath(m_folder.Path(), "LT200", "German").c_str());
    ExpectMissingFile("/F 1");
    // The silent check writes no report.
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(ReportPath().c_str()));
}

// A header length that claims a hundred megabytes of zeros: the file error, in the report and
// at the start.
TEST_F(ConfigurationReportRunTest, HugeHeaderIsTheFileError)
{
    WriteSparseLanguageFile(LanguageFilePath(m_folder.Path(), "LT200", "German"), "", 128u << 20);
    ExpectMissingFile("");
    EXPECT_TRUE(Run("/CheckInifile").boxes.empty());
    std::string report = ReadReport(ReportPath());
    EXPECT_NE(std::string::npos,
              report.find(m_folder.Path() + "\\LT200\\German.lng 言語ファイルは不正です。\r\n"));
    EXPECT_NE(std::string::npos, report.find("deu : German.lng\t file error\r\n"));
}

TEST_F(ConfigurationReportRunTest, MissingResourceLibraryStopsTheStartButNotTheReport)
{
    m_resources.Remove("Pluvetjpn.dll");
    ExpectMissingFile("");
    // The report comes first and is whole; the resource check after it announces the gap.
    ExpectMissingFile("/CheckInifile");
    EXPECT_EQ(CleanReport(), ReadReport(ReportPath()));
}

}  // namespace
