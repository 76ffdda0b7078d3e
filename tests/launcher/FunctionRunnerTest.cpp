#include <gtest/gtest.h>

#include <windows.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "ConfigText.h"
#include "LanguageFiles.h"
#include "LauncherMessages.h"
#include "MessageBoxes.h"
#include "ProgramFiles.h"
#include "ProgramRun.h"
#include "ProgramVersion.h"
#include "ReceivedJobs.h"
#include "ResourceFiles.h"
#include "ResourceIds.h"
#include "RunningProgram.h"
#include "TemporaryPrinter.h"
#include "TestConfig.h"
#include "TestPrinters.h"
#include "TimeOffset.h"
#include "WaitFor.h"
#include "WizardDriver.h"
#include "WizardWalk.h"

namespace {

using namespace test_printers;

// The laser is then the only installed printer the download supports, so its wizard preselects
// it; a driver that is not installed keeps the second machine in use.
const std::string kLaserOnlyConfig = WithSection(
    kTestConfig, "Drivers", "Lomarel Test PCL=LT100\r\nAbsent Office Driver=LT200\r\n");
const std::string kNoFaxConfig =
    WithSection(WithSection(WithSection(kLaserOnlyConfig, "Fax Machine", nullptr),
                            "Fax Destination", nullptr),
                "Fax Country Code", nullptr);
// The network fax printers' driver serves the download too, on the second machine.
const std::string kFaxDownloadConfig =
    WithSection(kTestConfig, "Drivers",
                "Lomarel Test PCL=LT100\r\nLomarel Test KX=LT200\r\n"
                "Lomarel Test XPS Driver=LT200\r\nLomarel Test Fax=LT200\r\n");

// Ticks a check box of a wizard in another process, whose handling the driver cannot wait for.
bool Tick(const WizardDriver& wizard, int id)
{
    PostMessageA(GetDlgItem(wizard.ActivePage(), id), BM_CLICK, 0, 0);
    return WaitFor([&] { return wizard.IsChecked(id); });
}

// The built launcher and its three function libraries, copied into a folder of their own with
// the resource libraries and the language files of the configuration.
class FunctionRunnerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* file : {"Zembrak.exe", "Zembrak.dll", "Carvesh.dll", "Quibrant.dll"})
            ASSERT_TRUE(CopyFileA((InstallFolder() + file).c_str(), (Folder() + file).c_str(), FALSE))
                << file;
        UseConfig(kNoFaxConfig);
        DeleteFileA(kLaserPort);
    }

    const std::string& Folder() const { return m_folder.Path(); }
    std::string Launcher() const { return Folder() + "Zembrak.exe"; }
    void UseConfig(const std::string& text) { WriteTextFile(Folder() + "Zembrak.ini", text); }

    // The run shows exactly these boxes, in order, and exits with 0.
    void ExpectBoxes(const std::string& arguments, std::vector<std::string> texts)
    {
        ProgramRun run = RunProgram(Launcher(), arguments);
        EXPECT_TRUE(run.finished) << arguments;
        EXPECT_EQ(0u, run.exitCode) << arguments;
        std::vector<std::string> seen;
        for (const MessageBoxSeen& box : run.boxes)
            seen.push_back(box.text);
        EXPECT_EQ(texts, seen) << arguments;
    }

    ScopedFolder m_folder{"function-runner"};
    ScopedResourceFolder m_resources{m_folder.Path()};
    ScopedLanguageFiles m_languageFiles{m_folder.Path(), kTestConfig};
};

TEST_F(FunctionRunnerTest, WithoutFaxSectionTheDownloadRunsAloneAndASecondLauncherStaysSilent)
{
    RunningProgram first(Launcher(), "");
    HWND sheet = WaitForWizard(first.Id(), 10000);
    ASSERT_NE(nullptr, sheet);

    ProgramRun second = RunProgram(Launcher(), "", 10000);
    EXPECT_TRUE(second.finished);
    EXPECT_EQ(0u, second.exitCode);
    EXPECT_TRUE(second.boxes.empty());

    WizardDriver wizard(sheet);
    ASSERT_NO_FATAL_FAILURE(WalkToTheEnd(wizard));
    EXPECT_EQ(0u, first.WaitForExit());
    EXPECT_EQ(DownloadJob(LanguageFilePath(Folder(), "LT100", "English")), ReadTextFile(kLaserPort));
}

TEST_F(FunctionRunnerTest, WithFaxSectionTheChoosersAnswersDecideWhatRuns)
{
    UseConfig(kLaserOnlyConfig);
    // Asked for the download only: the fax library is reported missing, the download runs.
    {
        RunningProgram launcher(Launcher(), "");
        WizardDriver choice(WaitForWizard(launcher.Id(), 10000));
        ASSERT_TRUE(Tick(choice, IDC_DOWNLOAD_BOX));
        ASSERT_TRUE(choice.WaitForButtonEnabled(kFinishButton, true, 3000));
        ASSERT_TRUE(choice.Press(kFinishButton));
        EXPECT_EQ(kMissingFile, launcher.AnswerBox().text);
        WizardDriver download(WaitForWizard(launcher.Id(), 10000));
        EXPECT_NE(std::string::npos, download.Title().find("Message Download"));
        ASSERT_TRUE(download.Press(kCancelButton));
        EXPECT_EQ(0u, launcher.WaitForExit());
    }
    // Asked for the time only: no download follows the fax step.
    {
        RunningProgram launcher(Launcher(), "");
        WizardDriver choice(WaitForWizard(launcher.Id(), 10000));
        ASSERT_TRUE(Tick(choice, IDC_TIME_BOX));
        ASSERT_TRUE(choice.WaitForButtonEnabled(kFinishButton, true, 3000));
        ASSERT_TRUE(choice.Press(kFinishButton));
        EXPECT_EQ(kMissingFile, launcher.AnswerBox().text);
        EXPECT_EQ(0u, launcher.WaitForExit());
    }
}

// The fax texts replaced by the download's, which have the same version but not the chooser's
// page: without the start-up check the chooser showed a sheet without a page that nothing
// closed, holding the mutex against every later launcher.
TEST_F(FunctionRunnerTest, ATextLibraryWithoutItsWizardsPagesIsAMissingFile)
{
    UseConfig(kLaserOnlyConfig);
    m_resources.Add(InstallFolder() + "Resource\\Nivadenu.dll", "Pluvetenu.dll");
    ExpectBoxes("", {kMissingFile});
    ExpectBoxes("", {kMissingFile});
}

TEST_F(FunctionRunnerTest, ArgumentsAreRefusedBeforeAnyLibraryLoads)
{
    // Without the library a load would report the missing file; the arguments are refused first.
    DeleteFileA((Folder() + "Zembrak.dll").c_str());
    ExpectBoxes("/L enu /B", {kIncorrectParameter});
    ExpectBoxes("/FT 2026-02-30_10:00:00", {kIncorrectParameter});
    // A valid time asks for the fax setup alone, whose library this folder lacks.
    ExpectBoxes("/FT 2028-02-29_10:00:", {kMissingFile});
    ExpectBoxes("", {kMissingFile});
}

// A printer that takes both the download and the fax settings, with everything the download
// needs on the command line: the fax setup runs first, and its printer becomes the download's.
TEST_F(FunctionRunnerTest, TheCombinedRunSetsUpTheFaxThenDownloadsToTheSamePrinter)
{
    ASSERT_TRUE(CopyFileA((InstallFolder() + "Tollimar.dll").c_str(),
                          (Folder() + "Tollimar.dll").c_str(), FALSE));
    UseConfig(kFaxDownloadConfig);
    ForgetReceivedJobs();
    RunningProgram launcher(Launcher(), std::string("/P \"") + kFaxTcp + "\" /L enu /B /C");

    // No introduction and no printer choice: the country code comes first.
    WizardDriver fax(WaitForWizard(launcher.Id(), 10000));
    ASSERT_NE(nullptr, fax.Sheet());
    ASSERT_NE(std::string::npos, fax.Title().find("Printer Setup"));
    EXPECT_TRUE(fax.PageHasControl(IDC_COUNTRY_LIST));
    ASSERT_TRUE(fax.WaitForButtonEnabled(kNextButton, true, 3000));
    EXPECT_FALSE(fax.Button(kBackButton).enabled);
    ASSERT_NO_FATAL_FAILURE(WalkToTheEnd(fax));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(fax.Sheet()); }));

    // The printer comes preset: the download starts on its language page.
    WizardDriver download(WaitForWizard(launcher.Id(), 10000));
    ASSERT_NE(nullptr, download.Sheet());
    EXPECT_NE(std::string::npos, download.Title().find("Message Download"));
    EXPECT_FALSE(download.PageHasControl(IDC_PRINTER_LIST));
    EXPECT_TRUE(download.PageHasControl(IDC_LANGUAGE_LIST));
    ASSERT_NO_FATAL_FAILURE(WalkToTheEnd(download));
    EXPECT_EQ(0u, launcher.WaitForExit());

    std::vector<ReceivedJob> jobs = ReceivedJobs("tcp");
    ForgetReceivedJobs();
    ASSERT_EQ(5u, jobs.size());
    // The model's destination country; the clock's values depend on the machine's zone.
    EXPECT_EQ(CommandJob("@PJL DEFAULT KYVCOUNTRYCODE=81\r\n"), jobs[0].bytes);
    EXPECT_EQ(0u, jobs[1].bytes.find(kUel + "@PJL DEFAULT KYVDAYLIGHTSAVING="));
    EXPECT_EQ(0u, jobs[2].bytes.find(kUel + "@PJL DEFAULT KYVTIMEZONEOFFSET="));
    EXPECT_GT(CurrentTimeOf(jobs[3].bytes), 0);
    EXPECT_EQ(DownloadJob(LanguageFilePath(Folder(), "LT200", "English")), jobs[4].bytes);
}

// A fax printer whose name does not fit the 50-byte record, beside a printer named as the record
// would cut it: the download still reaches the printer the command line named, and only it.
TEST_F(FunctionRunnerTest, APrinterNameTooLongForTheRecordIsStillTheDownloadsPrinter)
{
    ASSERT_TRUE(CopyFileA((InstallFolder() + "Tollimar.dll").c_str(),
                          (Folder() + "Tollimar.dll").c_str(), FALSE));
    UseConfig(kFaxDownloadConfig);
    const std::string longName = "Lomarel Fax With A Name Far Too Long " + std::string(88, 'x');
    ASSERT_EQ(125u, longName.size());
    TemporaryPrinter faxPrinter(longName.c_str(), kFaxTcpPort, kFaxDriver);
    TemporaryPrinter namesake(longName.substr(0, 49).c_str(), kLaserPort, kFaxDriver);
    ASSERT_TRUE(faxPrinter.IsAdded() && namesake.IsAdded());
    ForgetReceivedJobs();

    RunningProgram launcher(Launcher(), "/P \"" + longName + "\" /L enu /B /C");
    WizardDriver fax(WaitForWizard(launcher.Id(), 10000));
    ASSERT_NE(nullptr, fax.Sheet());
    ASSERT_NO_FATAL_FAILURE(WalkToTheEnd(fax));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(fax.Sheet()); }));
    WizardDriver download(WaitForWizard(launcher.Id(), 10000));
    ASSERT_NE(nullptr, download.Sheet());
    EXPECT_TRUE(download.PageHasControl(IDC_LANGUAGE_LIST));
    ASSERT_NO_FATAL_FAILURE(WalkToTheEnd(download));
    EXPECT_EQ(0u, launcher.WaitForExit());

    std::vector<ReceivedJob> jobs = ReceivedJobs("tcp");
    ForgetReceivedJobs();
    ASSERT_EQ(5u, jobs.size());
    EXPECT_EQ(DownloadJob(LanguageFilePath(Folder(), "LT200", "English")), jobs[4].bytes);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kLaserPort));
}

TEST(TimeOffsetTest, OnlyRealLocalTimesInRangeParse)
{
    _putenv("TZ=EST5EDT");
    _tzset();
    time_t moment;
    ASSERT_TRUE(ParseLocalTime("2028-2-29_23:59:", moment));
    tm fields = *localtime(&moment);
    EXPECT_EQ(128, fields.tm_year);
    EXPECT_EQ(1, fields.tm_mon);
    EXPECT_EQ(29, fields.tm_mday);
    EXPECT_EQ(0, fields.tm_sec);
    EXPECT_TRUE(ParseLocalTime("1992-01-01_00:00:00", moment));
    EXPECT_TRUE(ParseLocalTime("2037-12-31_00:00:00", moment));
    // The second is what follows the last ":".
    ASSERT_TRUE(ParseLocalTime("2026-05-01_10:20:30:40", moment));
    EXPECT_EQ(40, localtime(&moment)->tm_sec);
    for (const char* text :
         {"2027-02-29_10:00:00", "2026-04-31_10:00:00", "2026-05-01_24:00:00",
          "2026-05-01_10:60:00", "1991-12-31_10:00:00", "2038-01-01_00:00:00",
          "2026-05-01 10:00:00", "2026-05-01_10:00", "2026-5-1_+1:00:00",
          "2026-05-01_10:00:00:x", "000000000000000000002026-05-01_10:00:00x"})
        EXPECT_FALSE(ParseLocalTime(text, moment)) << text;
    _putenv("TZ=");
    _tzset();
}

TEST(ProgramVersionTest, RevisionReplacesTheFourthPart)
{
    EXPECT_EQ("2.1.0.15", ComposeProgramVersion("2.1.0", "15"));
    EXPECT_EQ("2.1.0.0", ComposeProgramVersion("2.1", ""));
    EXPECT_EQ("2.1.3.4", ComposeProgramVersion("2.1.3.4.5", ""));
    EXPECT_EQ("0.0.0.7", ComposeProgramVersion("", "7"));
}

// Wine lists the test printers in every prefix of the suite; this runs in a second prefix the rig
// makes without any, and skips elsewhere.
TEST_F(FunctionRunnerTest, PrinterlessPrefixReportsNoPrinterAndExitsWithTheListsStatus)
{
    DWORD needed = 0;
    DWORD returned = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, nullptr, 0, &needed,
                  &returned);
    if (needed != 0)
        GTEST_SKIP() << "printers are installed";

    ProgramRun run = RunProgram(Launcher(), "/F 1");
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(0x40004u, run.exitCode);
    ASSERT_EQ(1u, run.boxes.size());
    EXPECT_EQ("Lomarel - Version 2.1.0.7", run.boxes[0].caption);
    EXPECT_EQ(0u, run.boxes[0].text.find("Lomarel cannot find any printer on this computer."));

    // Without the loader the text cannot be shown; the status still comes out.
    DeleteFileA((Folder() + "Quibrant.dll").c_str());
    run = RunProgram(Launcher(), "");
    EXPECT_EQ(0x40004u, run.exitCode);
    ASSERT_EQ(1u, run.boxes.size());
    EXPECT_EQ(kMissingFile, run.boxes[0].text);
}

}  // namespace
