#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "ConfigText.h"
#include "DisplayLanguageCheck.h"
#include "ExpectedReport.h"
#include "IniConfig.h"
#include "LanguageFileWriter.h"
#include "LanguageHeaderText.h"
#include "LanguageFiles.h"
#include "ProgramFiles.h"
#include "ReportFile.h"
#include "ReportSink.h"
#include "TestConfig.h"

namespace {

const char* const kHeader = expected_report::kDisplayLanguages;

// Checks the language files beside the test program, which is where the checks look.
class DisplayLanguageCheckTest : public ::testing::Test {
protected:
    ~DisplayLanguageCheckTest() override { DeleteFileA(m_reportPath.c_str()); }

    void Install(const std::string& configText)
    {
        // The old files go first: their owners would remove what the new ones write.
        m_files.reset();
        m_ini.reset();
        m_ini.reset(new ScopedIniFile(configText));
        m_files.reset(new ScopedLanguageFiles(m_folder, configText));
    }

    std::string FilePath(const char* machine, const char* languageName) const
    {
        return LanguageFilePath(m_folder, machine, languageName);
    }

    // The path as the check forms it: two backslashes behind the program's folder.
    std::string CheckedPath(const char* machine, const char* languageName) const
    {
        return m_folder + "\\" + machine + "\\" + languageName + ".lng";
    }

    std::string MachineLine(const char* machine) const
    {
        return std::string(machine) + " : " + m_folder + "\\" + machine + "\r\n";
    }

    // Runs the check silently and with a report; both must agree. Returns the report.
    std::string Check(bool expectPassed)
    {
        return CheckWithAndWithoutReport(CheckDisplayLanguages, m_reportPath, expectPassed);
    }

    std::string m_folder = TestProgramFolder();
    std::string m_reportPath = m_folder + "languages.log";
    std::unique_ptr<ScopedIniFile> m_ini;
    std::unique_ptr<ScopedLanguageFiles> m_files;
};

TEST_F(DisplayLanguageCheckTest, HeaderAndConfigurationFaults)
{
    std::string config =
        WithSection(kTestConfig, "Machines", "LT100=enu,,xx,jpn,eng,deu\r\nLT200=enu,jpn,deu\r\n");
    config = WithSection(config, "LanguageName",
                         "English=ENGLISH\r\nJapanese=JAPANESE\r\nGerman=GERMAN\r\n");
    Install(config);
    DeleteFileA(FilePath("LT100", "Japanese").c_str());
    WriteLanguageFile(FilePath("LT100", "British"), "LT100", "ENGLISH-UK", "1.00");
    WriteTextFile(FilePath("LT100", "German"), std::string(19, '\0'));
    WriteLanguageFile(FilePath("LT200", "English"), "LT200", "ENGLISH", "2.01");
    WriteLanguageFile(FilePath("LT200", "Japanese"), "LT200", "JAPANESE-OLD", "2.00");
    // Bytes that are not text are shown alike in every line, and break none.
    WriteLanguageFile(FilePath("LT200", "German"), std::string("LT\0\t100", 7), "GERMAN", "2.00");

    EXPECT_EQ(
        kHeader + CheckedPath("LT100", "Japanese") + " 言語ファイルがありません。\r\n" +
            "[LanguageName]セクションに British 言語はありません。\r\n" +
            CheckedPath("LT100", "German") + " 言語ファイルは不正です。\r\n" +
            // The empty item keeps its place in the list of unknown identifiers.
            "[LanguageName]セクションに , xx 言語はありません。\r\n" +
            CheckedPath("LT200", "English") +
            " 言語ファイルのヘッダの版数 2.01 が、[LanguageVersion]セクションの版数 2.00 と一致しません。\r\n" +
            CheckedPath("LT200", "Japanese") +
            " 言語ファイルのヘッダの言語名 JAPANESE-OLD が、パスから判断される言語名 JAPANESE と一致しません。\r\n" +
            CheckedPath("LT200", "German") +
            " 言語ファイルのヘッダの機種名 LT\\x00\\x09100 が、パスから判断される機種名 LT200 と一致しません。\r\n"
            "\r\n" +
            MachineLine("LT100") +
            "enu : English.lng\t : 1.00 - 1.00 : ENGLISH : LT100\tSuccess\r\n"
            " LangID error\r\n"
            "xx LangID error\r\n"
            "jpn : Japanese.lng\t not found\r\n"
            "eng : British.lng\t : 1.00 - 1.00 : ENGLISH-UK not found : LT100\tFailed\r\n"
            "deu : German.lng\t file error\r\n"
            "\r\n" +
            MachineLine("LT200") +
            "enu : English.lng\t : 2.01 - 2.01 Version error : ENGLISH : LT200\tFailed\r\n"
            "jpn : Japanese.lng\t : 2.00 - 2.00 : JAPANESE-OLD LanguageName error (JAPANESE)"
            " : LT200\tFailed\r\n"
            "deu : German.lng\t : 2.00 - 2.00 : GERMAN : LT\\x00\\x09100 ModelID error (LT200)\tFailed\r\n"
            "\r\n",
        Check(false));
}

TEST_F(DisplayLanguageCheckTest, EachReadFailureIsNamed)
{
    Install(WithSection(kTestConfig, "Machines", "LT200=enu,jpn,deu\r\nLT300=enu\r\n"));
    DeleteFileA(FilePath("LT300", "English").c_str());
    ASSERT_TRUE(RemoveDirectoryA((m_folder + "LT300").c_str()));
    HeaderLines unknownKey = StandardHeader("LT200", "ENGLISH", "2.00", "2.00");
    unknownKey.emplace_back("Model", "LT200");
    WriteTextFile(FilePath("LT200", "English"), BuildLanguageFile(unknownKey, "data"));
    HeaderLines wrongId = StandardHeader("LT200", "JAPANESE", "2.00", "2.00");
    for (auto& line : wrongId) {
        if (line.first == "ID")
            line.second = "download additional message.";
    }
    WriteTextFile(FilePath("LT200", "Japanese"), BuildLanguageFile(wrongId, "data"));
    // Held open without sharing while the check runs.
    HANDLE locked = CreateFileA(FilePath("LT200", "German").c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);
    std::string report = Check(false);
    CloseHandle(locked);

    CIniConfig config;  // the model keeps the code of the last failed read
    CReportSink silent;
    CheckDisplayLanguages(config, silent);
    EXPECT_EQ(LNG_ERR_PATH, config.GetLastErrorCode());

    EXPECT_EQ(kHeader + CheckedPath("LT200", "English") +
                  " 言語ファイルのヘッダ情報が不足しています。\r\n" +
                  CheckedPath("LT200", "Japanese") +
                  " ファイルの ID は言語ファイルのものではありません。\r\n" +
                  CheckedPath("LT200", "German") +
                  " 言語ファイルへのアクセスエラーが発生しました。\r\n" +
                  CheckedPath("LT300", "English") +
                  " 言語ファイルのパス、ドライブが存在しません。\r\n"
                  "\r\n" +
                  MachineLine("LT200") +
                  "enu : English.lng\t header error\r\n"
                  // A rejected header leaves no ID to show.
                  "jpn : Japanese.lng\t  ID error\r\n"
                  "deu : German.lng\t access error\r\n"
                  "\r\n" +
                  MachineLine("LT300") + "enu : English.lng\t path or drive not found\r\n\r\n",
              report);
}

TEST_F(DisplayLanguageCheckTest, MachinesSectionUnusable)
{
    Install(WithSection(kTestConfig, "Machines", ""));
    EXPECT_EQ(std::string(kHeader) + "[Machines]セクションに必要な値がありません。\r\n", Check(false));

    std::string tooLong(300, 'x');
    std::string machines = "LT100=enu\r\nLT200=" + tooLong + "\r\n";
    Install(WithSection(kTestConfig, "Machines", machines.c_str()));
    EXPECT_EQ(std::string(kHeader) +
                  "[Machines]セクションの項目数が一致しません。machines : 1 / lanID list : 0\r\n",
              Check(false));
}

}  // namespace
