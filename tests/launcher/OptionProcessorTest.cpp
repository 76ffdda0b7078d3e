#include <gtest/gtest.h>

#include <string>

#include "ArgumentList.h"
#include "IniConfig.h"
#include "OptionProcessor.h"
#include "ProgramFiles.h"
#include "TestConfig.h"
#include "TestPrinters.h"

namespace {

using namespace test_printers;

// Processes a command line whose options are all valid (an error would show a message box).
class OptionProcessorTest : public ::testing::Test {
protected:
    LaunchOptions Process(const std::string& tail)
    {
        m_arguments.reset(new ArgumentList(("C:\\Lomarel\\Zembrak.exe " + tail).c_str()));
        CIniConfig config;
        LaunchOptions options;
        EXPECT_TRUE(OptionProcessor(config, options).Process(*m_arguments)) << tail;
        return options;
    }

    ScopedIniFile m_ini{kTestConfig};
    std::unique_ptr<ArgumentList> m_arguments;
};

TEST_F(OptionProcessorTest, FlagsAndSkippedWords)
{
    LaunchOptions options = Process("stray /B word /C /d /FSKIP");
    EXPECT_TRUE(options.bFlagB);
    EXPECT_TRUE(options.bFlagC);
    EXPECT_TRUE(options.bSkipIntroduction);
    EXPECT_FALSE(options.bSkipCountryCode);

    // The word after the program path is skipped like a value, so "/B" here is never seen
    // as an option; the same goes for a word after an option that takes none.
    options = Process("/C /FCSKIP");
    EXPECT_TRUE(options.bFlagC);
    EXPECT_TRUE(options.bSkipCountryCode);
    options = Process("/D /FTSKIP");
    EXPECT_TRUE(options.bSkipTime);
}

TEST_F(OptionProcessorTest, ValuesPointIntoTheArgumentList)
{
    LaunchOptions options = Process("/l JPN /fl enu /fc 81 /ft 2026-12-08_10:30:00 /f 3");
    EXPECT_STREQ("JPN", options.pszDownloadLanguage);
    EXPECT_STREQ("enu", options.pszFaxLanguage);
    EXPECT_STREQ("81", options.pszCountryCode);
    EXPECT_STREQ("2026-12-08_10:30:00", options.pszTime);
    EXPECT_STREQ("3", options.pszFunction);
    EXPECT_EQ((*m_arguments)[2], options.pszDownloadLanguage);
}

TEST_F(OptionProcessorTest, DownloadPrinterNeedsASupportedDriver)
{
    LaunchOptions options = Process(std::string("/P \"") + kMfp + "\"");
    EXPECT_STREQ(kMfp, options.pszDownloadPrinter);
    EXPECT_TRUE(options.bDownloadPrinterIsFax);

    options = Process(std::string("/p \"") + kLaser + "\"");
    EXPECT_STREQ(kLaser, options.pszDownloadPrinter);
    EXPECT_FALSE(options.bDownloadPrinterIsFax);

    options = Process(std::string("/P \"") + kPlain + "\" /B");
    EXPECT_EQ(nullptr, options.pszDownloadPrinter);
    EXPECT_TRUE(options.bFlagB);
}

TEST_F(OptionProcessorTest, PrinterThatIsNotInstalledIsIgnored)
{
    LaunchOptions options = Process("/P \"No Such Printer\" /FP \"lomarel test mfp\" /P \"\" /C");
    EXPECT_EQ(nullptr, options.pszDownloadPrinter);
    EXPECT_EQ(nullptr, options.pszFaxPrinter);
    EXPECT_TRUE(options.bFlagC);
}

TEST_F(OptionProcessorTest, FaxPrinterNeedsAFaxDriver)
{
    LaunchOptions options = Process(std::string("/FP \"") + kMfp + "\"");
    EXPECT_STREQ(kMfp, options.pszFaxPrinter);
    EXPECT_EQ(nullptr, options.pszDownloadPrinter);

    options = Process(std::string("/FP \"") + kLaser + "\"");
    EXPECT_EQ(nullptr, options.pszFaxPrinter);
}

TEST_F(OptionProcessorTest, SurvivesHugeAndOddCommandLines)
{
    std::string many;
    for (int i = 0; i < 10000; ++i)
        many += i % 3 == 0 ? "/b " : "word ";
    EXPECT_TRUE(Process(many).bFlagB);

    std::string longName(100000, 'n');
    longName[77777] = '\x82';
    EXPECT_EQ(nullptr, Process("/P \"" + longName + "\" /FP " + longName).pszDownloadPrinter);

    // An unterminated quote runs to the end, so the printer name is still whole.
    EXPECT_STREQ(kLaser, Process(std::string("/C /P \"") + kLaser).pszDownloadPrinter);

    std::string bytes = "\x93\xfa\x96\x7b\xff\x80\x01";
    EXPECT_STREQ(bytes.c_str(), Process("/FT " + bytes + " /P \"" + bytes + "\"").pszTime);
}

}  // namespace
