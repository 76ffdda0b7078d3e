#include <gtest/gtest.h>

#include <windows.h>
#include <string.h>

#include <atomic>
#include <memory>
#include <string>

#include "ConfigText.h"
#include "HeapInUse.h"
#include "LanguageFiles.h"
#include "MessageBoxes.h"
#include "MessageDownloadExports.h"
#include "ModalRun.h"
#include "ProgramFiles.h"
#include "PropertySheet.h"
#include "ReceivedJobs.h"
#include "ResourceFiles.h"
#include "ResourceIds.h"
#include "SpoolerOverride.h"
#include "TestConfig.h"
#include "TestPrinters.h"
#include "VersionNumbers.h"
#include "WaitFor.h"
#include "WizardDriver.h"

namespace {

using namespace test_printers;
using DownloadToPrinter = int(WINAPI*)(const char*, const char*, int, int, const PRINTER_SELECTION*);
using VersionExport = int(WINAPI*)();

const char kPlainPort[] = "C:\\test-out\\plain.prn";

// Zembrak.dll as the launcher finds it: beside the running program, with the configuration, the
// main version, the resource libraries and the language files the configuration names.
class MessageDownloadTest : public ::testing::Test {
protected:
    MessageDownloadTest()
    {
        CopyFileA((InstallFolder() + "Zembrak.dll").c_str(), m_strLibrary.c_str(), FALSE);
        m_hLibrary = LoadLibraryA(m_strLibrary.c_str());
        m_pDownload = reinterpret_cast<DownloadToPrinter>(reinterpret_cast<void*>(
            GetProcAddress(m_hLibrary, "KyvMsgdlDownloadToPrinter")));
        DeleteFileA(kLaserPort);
        DeleteFileA(kPlainPort);
    }
    ~MessageDownloadTest() override
    {
        FreeLibrary(m_hLibrary);
        DeleteFileA(m_strLibrary.c_str());
    }

    void SetUp() override { ASSERT_NE(nullptr, m_pDownload); }

    void Start(const char* printer, const char* language, int b, int c)
    {
        m_run = std::make_unique<ModalRun>([this, printer, language, b, c] {
            m_nResult = m_pDownload(printer, language, b, c, &m_preset);
        });
    }

    WizardDriver Wizard()
    {
        HWND sheet = WaitForWizard(GetCurrentProcessId());
        EXPECT_NE(nullptr, sheet);
        return WizardDriver(sheet);
    }

    // Presses Next (or Finish) once the page offers it, and waits for another page.
    void Next(WizardDriver& wizard, int button = ID_WIZNEXT)
    {
        int page = wizard.ActiveIndex();
        ASSERT_TRUE(wizard.WaitForButtonEnabled(button, true, 2000)) << "on page " << page;
        ASSERT_TRUE(wizard.Press(button));
        if (button == ID_WIZNEXT) {
            ASSERT_TRUE(WaitFor([&] { return wizard.ActiveIndex() != page; }, 5000))
                << "from page " << page;
        }
    }

    std::string m_strLibrary = TestProgramFolder() + "Zembrak.dll";
    HMODULE m_hLibrary = nullptr;
    DownloadToPrinter m_pDownload = nullptr;
    ScopedResourceFolder m_resources{TestProgramFolder()};
    ScopedIniFile m_version{"[Version]\r\nMainVersion=4.2\r\n", "Version.txt"};
    ScopedIniFile m_config{kTestConfig};
    ScopedLanguageFiles m_languageFiles{TestProgramFolder(), kTestConfig};
    PRINTER_SELECTION m_preset = {};
    std::unique_ptr<ModalRun> m_run;
    std::atomic<int> m_nResult{-1};
};

TEST_F(MessageDownloadTest, FullWizardSendsTheChosenLanguageToTheChosenPrinter)
{
    // A preset printer that is not installed is no preset: the user chooses.
    strcpy(m_preset.szPrinterName, "Lomarel Test Gone");
    strcpy(m_preset.szDriverName, kLaserDriver);
    m_preset.bValid = 1;
    Start(nullptr, nullptr, 0, 0);
    WizardDriver wizard = Wizard();
    EXPECT_EQ("Lomarel Panel Message Download - Version 4.2", wizard.Title());
    Next(wizard);
    ASSERT_TRUE(wizard.SelectListRow(IDC_PRINTER_LIST, kLaser));
    Next(wizard);  // the laser's driver names its machine: no model page
    ASSERT_TRUE(wizard.PageHasControl(IDC_LANGUAGE_LIST));
    EXPECT_EQ((std::vector<std::vector<std::string>>{{"English (United States)"}, {"Japanese"}}),
              wizard.ListRows(IDC_LANGUAGE_LIST));
    ASSERT_TRUE(wizard.SelectListRow(IDC_LANGUAGE_LIST, "English (United States)"));
    Next(wizard);
    ASSERT_TRUE(wizard.PageHasControl(IDC_PRINT_MENU_BUTTON));
    // Enter goes on; the page's own button is there for those who want it.
    EXPECT_TRUE(wizard.WaitForKeyboardOn(ID_WIZNEXT));
    Next(wizard);
    ASSERT_TRUE(wizard.PageHasControl(IDC_VERSION_TEXT));
    EXPECT_EQ("Message version: 1.00", wizard.ControlText(IDC_VERSION_TEXT));
    EXPECT_TRUE(wizard.WaitForKeyboardOn(ID_WIZNEXT));
    Next(wizard);
    EXPECT_EQ("&Download", wizard.Button(ID_WIZNEXT).caption);
    Next(wizard);
    EXPECT_FALSE(wizard.Button(IDCANCEL).visible);
    EXPECT_EQ("Finish", wizard.Button(ID_WIZFINISH).caption);
    Next(wizard, ID_WIZFINISH);
    ASSERT_TRUE(m_run->WaitForEnd(5000));
    EXPECT_EQ(0, m_nResult);
    EXPECT_EQ(DownloadJob(LanguageFilePath(TestProgramFolder(), "LT100", "English")),
              ReadTextFile(kLaserPort));
}

TEST_F(MessageDownloadTest, UnsupportedPrinterDownloadsByTheModelChosenForIt)
{
    Start(nullptr, nullptr, 0, 0);
    WizardDriver wizard = Wizard();
    Next(wizard);
    ASSERT_TRUE(wizard.SetChecked(IDC_SHOW_ALL_PRINTERS, true));
    ASSERT_TRUE(wizard.SelectListRow(IDC_PRINTER_LIST, kPlain));
    Next(wizard);
    ASSERT_TRUE(wizard.PageHasControl(IDC_MODEL_LIST));
    ASSERT_TRUE(wizard.SelectListRow(IDC_MODEL_LIST, "LT-200"));
    Next(wizard);
    ASSERT_TRUE(wizard.SelectListRow(IDC_LANGUAGE_LIST, "German"));
    for (int page = 0; page < 3; ++page)
        Next(wizard);
    EXPECT_EQ("LT-200", wizard.ControlText(IDC_SUMMARY_MODEL));
    Next(wizard);
    Next(wizard, ID_WIZFINISH);
    ASSERT_TRUE(m_run->WaitForEnd(5000));
    EXPECT_EQ(0, m_nResult);
    EXPECT_EQ(DownloadJob(LanguageFilePath(TestProgramFolder(), "LT200", "German")),
              ReadTextFile(kPlainPort));
}

TEST_F(MessageDownloadTest, ShortWizardOpensOnTheLanguageOfTheOnlySupportedPrinter)
{
    ScopedIniFile onlyLaser{WithSection(kTestConfig, "Drivers", "Lomarel Test PCL=LT100\r\n")};
    Start(nullptr, "jpn", 1, 1);
    WizardDriver wizard = Wizard();
    ASSERT_TRUE(wizard.PageHasControl(IDC_LANGUAGE_LIST));
    EXPECT_FALSE(wizard.Button(ID_WIZBACK).enabled);
    EXPECT_EQ(1, wizard.SelectedListRow(IDC_LANGUAGE_LIST)) << "the requested language";
    ASSERT_TRUE(wizard.Press(IDCANCEL));
    ASSERT_TRUE(m_run->WaitForEnd(5000));
    EXPECT_EQ(0, m_nResult);
}

TEST_F(MessageDownloadTest, ArgumentsThatCallForNoWizardShowNothing)
{
    Start(kLaser, "xyz", 1, 1);  // not a language of the configuration
    ASSERT_TRUE(m_run->WaitForEnd(5000));
    EXPECT_EQ(0, m_nResult);
    Start(nullptr, "enu", 1, 0);
    ASSERT_TRUE(m_run->WaitForEnd(5000));
    EXPECT_EQ(0, m_nResult);
}

TEST_F(MessageDownloadTest, VersionsComeFromTheFileVersions)
{
    auto version = reinterpret_cast<VersionExport>(
        reinterpret_cast<void*>(GetProcAddress(m_hLibrary, "KyvMsgdlGetVersion")));
    ASSERT_NE(nullptr, version);
    EXPECT_EQ(2, version());
    EXPECT_EQ(3, LeadingVersionNumber("3.10.2.7"));
    EXPECT_EQ(3, LeadingVersionNumber("3, 10, 2, 7"));
    EXPECT_EQ(0, LeadingVersionNumber("v3"));
    EXPECT_EQ(0x030A0207, PackedVersionNumber("3.10.2.7"));
    EXPECT_EQ(3 << 24, PackedVersionNumber("3.10"));
    EXPECT_EQ((3 << 24) + (10 << 16), PackedVersionNumber("3.10.2"));
    EXPECT_EQ(0, PackedVersionNumber("3, 10, 2, 7"));
}

// A long-lived caller loads and frees the library around every call, as the launcher does; each
// load used to keep the C++ runtime's emergency pools (some 146 KB with the loader library's).
TEST_F(MessageDownloadTest, LibraryFreedAfterEachCallLeavesNoHeapBehind)
{
    FreeLibrary(m_hLibrary);
    auto call = [this] {
        HMODULE library = LoadLibraryA(m_strLibrary.c_str());
        auto version = reinterpret_cast<VersionExport>(
            reinterpret_cast<void*>(GetProcAddress(library, "KyvMsgdlGetVersion")));
        EXPECT_EQ(2, version != nullptr ? version() : 0);
        FreeLibrary(library);
    };
    call();  // what stays loaded anyway
    long long before = HeapBytesInUse();
    const int kCalls = 4;
    for (int i = 0; i < kCalls; ++i)
        call();
    EXPECT_LT((HeapBytesInUse() - before) / kCalls, 1024);
    m_hLibrary = LoadLibraryA(m_strLibrary.c_str());
}

// Wine always has printers in the test prefix; only the spooler table can show none. The export
// is called in this program, where the table is the one the override swaps.
BOOL WINAPI NoPrinters(DWORD, LPSTR, DWORD, LPBYTE, DWORD, LPDWORD needed, LPDWORD returned)
{
    *needed = 0;
    *returned = 0;
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

TEST_F(MessageDownloadTest, NoPrinterInstalledIsReportedAndReturnsTheListsCode)
{
    SpoolerOverride spooler;
    spooler.Api().EnumPrintersA = NoPrinters;
    m_run = std::make_unique<ModalRun>(
        [this] { m_nResult = KyvMsgdlDownloadToPrinter(nullptr, nullptr, 0, 0, &m_preset); });
    HWND box = WaitForMessageBox(GetCurrentProcessId());
    ASSERT_NE(nullptr, box);
    MessageBoxSeen seen = ReadMessageBox(box);
    EXPECT_EQ("Lomarel - Version 4.2", seen.caption);
    EXPECT_EQ(0u, seen.text.find("Lomarel cannot find any printer"));
    ASSERT_TRUE(PressMessageBoxButton(box));
    ASSERT_TRUE(m_run->WaitForEnd(5000));
    EXPECT_EQ(0x40004, m_nResult);
}

}  // namespace
