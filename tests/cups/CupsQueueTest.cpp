#include <gtest/gtest.h>

#include <windows.h>
#include <stdlib.h>

#include <string>

#include "ConfigText.h"
#include "LanguageFiles.h"
#include "ProgramFiles.h"
#include "ReceivedJobs.h"
#include "ResourceFiles.h"
#include "RunningProgram.h"
#include "TestConfig.h"
#include "WaitFor.h"
#include "WizardWalk.h"

namespace {

// Set by cups-queue-test.sh: the CUPS queue it made, and the virtual printer's state folder.
std::string Setting(const char* name)
{
    const char* value = getenv(name);
    return value == nullptr ? std::string() : value;
}

std::string ReceivedFile(const std::string& name)
{
    std::string path = Setting("LOMAREL_VIRTUAL_PRINTER") + "\\" + name;
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES ? std::string()
                                                                       : ReadTextFile(path);
}

// The launcher, its libraries, resources and language files in a folder of their own, with a
// configuration whose driver list and fax models name the driver Wine gives the CUPS queue.
class CupsQueueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(Queue().empty()) << "run through cups-queue-test.sh";
        for (const char* file :
             {"Zembrak.exe", "Zembrak.dll", "Carvesh.dll", "Quibrant.dll", "Tollimar.dll"})
            ASSERT_TRUE(CopyFileA((InstallFolder() + file).c_str(), (Folder() + file).c_str(), FALSE))
                << file;
        std::string drivers = "Lomarel Test PCL=LT100\r\n" + Queue() + "=LT200\r\n";
        std::string models = Queue() + "=LT-200\r\n";
        WriteTextFile(Folder() + "Zembrak.ini",
                      WithSection(WithSection(kTestConfig, "Drivers", drivers.c_str()),
                                  "Driver and Model", models.c_str()));
    }

    static std::string Queue() { return Setting("LOMAREL_CUPS_QUEUE"); }
    const std::string& Folder() const { return m_folder.Path(); }

    ScopedFolder m_folder{"cups-queue"};
    ScopedResourceFolder m_resources{m_folder.Path()};
    ScopedLanguageFiles m_languageFiles{m_folder.Path(), kTestConfig};
};

// The combined run of the launcher on the CUPS printer: the fax settings, then the download.
// Each job goes through Wine's spooler and the raw queue to the virtual printer unchanged.
TEST_F(CupsQueueTest, FaxSettingsAndDownloadReachTheVirtualPrinterByteForByte)
{
    RunningProgram launcher(Folder() + "Zembrak.exe", "/P \"" + Queue() + "\" /L enu /B /C");
    WizardDriver fax(WaitForWizard(launcher.Id(), 20000));
    ASSERT_NE(nullptr, fax.Sheet());
    ASSERT_NO_FATAL_FAILURE(WalkToTheEnd(fax));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(fax.Sheet()); }));
    WizardDriver download(WaitForWizard(launcher.Id(), 10000));
    ASSERT_NE(nullptr, download.Sheet());
    ASSERT_NO_FATAL_FAILURE(WalkToTheEnd(download));
    EXPECT_EQ(0u, launcher.WaitForExit());

    std::string languageFile = LanguageFilePath(Folder(), "LT200", "English");
    // CUPS hands the jobs on one after another, in the order they were sent.
    EXPECT_TRUE(WaitFor([&] {
        return ReceivedFile("jobs\\job-5.prn") == DownloadJob(languageFile);
    }, 30000));
    EXPECT_EQ(ReadTextFile(languageFile), ReceivedFile("panel-messages.lng"));
    EXPECT_EQ(CommandJob("@PJL DEFAULT KYVCOUNTRYCODE=81\r\n"), ReceivedFile("jobs\\job-1.prn"));
    EXPECT_EQ(0u, ReceivedFile("jobs\\job-2.prn").find(kUel + "@PJL DEFAULT KYVDAYLIGHTSAVING="));
    EXPECT_EQ(0u, ReceivedFile("jobs\\job-3.prn").find(kUel + "@PJL DEFAULT KYVTIMEZONEOFFSET="));
    EXPECT_GT(CurrentTimeOf(ReceivedFile("jobs\\job-4.prn")), 0);
}

}  // namespace
