#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "ConfigText.h"
#include "IntroductionPage.h"
#include "LCDMessageDownloadManager.h"
#include "MenuPrintPage.h"
#include "ModalRun.h"
#include "ProgramFiles.h"
#include "ResourceFiles.h"
#include "ResourceIds.h"
#include "ResourcePaths.h"
#include "SelectPrinterPage.h"
#include "SheetTitle.h"
#include "TestConfig.h"
#include "TemporaryPrinter.h"
#include "TestPrinters.h"
#include "WizardDriver.h"

namespace {

using namespace test_printers;
using Rows = std::vector<std::vector<std::string>>;

enum { INTRODUCTION, PRINTER, AFTER_PRINTER };

// The introduction and printer pages in a real download sheet, followed by a page to land on,
// run on a thread of their own with the test printers of the prefix.
class DownloadPagesTest : public ::testing::Test {
protected:
    void Start(const std::string& config, int supportedPrinters)
    {
        m_config = std::make_unique<ScopedIniFile>(config);
        m_run = std::make_unique<ModalRun>([this, supportedPrinters] {
            // Captioned as the entry point captions it: pages carry the sheet's caption.
            CResourceLibrary texts(DownloadTextLibraryPath("enu").c_str());
            CLCDMessageDownloadManager sheet(LoadSheetTitle(texts).c_str(), "enu");
            CIntroductionPage introduction("enu");
            CSelectPrinterPage printer("enu");
            printer.SetSupportedPrinterCount(supportedPrinters);
            CMenuPrintPage after("enu");
            sheet.AddPage(&introduction);
            sheet.AddPage(&printer);
            sheet.AddPage(&after);
            sheet.SetWizardMode();
            sheet.DoModal();
            sheet.GetPrinter(m_strPrinter, m_strPort, m_strDriver);
            m_nResult = sheet.GetResult();
        });
    }

    WizardDriver Wizard()
    {
        HWND sheet = WaitForWizard(GetCurrentProcessId());
        EXPECT_NE(nullptr, sheet);
        return WizardDriver(sheet);
    }

    void GoTo(WizardDriver& wizard, int button, int page)
    {
        ASSERT_TRUE(wizard.WaitForButtonEnabled(button, true, 2000));
        ASSERT_TRUE(wizard.Press(button));
        ASSERT_TRUE(wizard.WaitForActiveIndex(page));
    }

    void Cancel(WizardDriver& wizard)
    {
        ASSERT_TRUE(wizard.Press(IDCANCEL));
        ASSERT_TRUE(m_run->WaitForEnd(5000));
    }

    ScopedResourceFolder m_resources{TestProgramFolder()};
    ScopedIniFile m_version{"[Version]\r\nMainVersion=4.2\r\n", "Version.txt"};
    std::unique_ptr<ScopedIniFile> m_config;
    std::unique_ptr<ModalRun> m_run;
    std::string m_strPrinter, m_strPort, m_strDriver;
    std::atomic<int> m_nResult{-1};
};

TEST_F(DownloadPagesTest, TheOnlySupportedPrinterIsChosenAndADoubleClickTakesItOn)
{
    Start(WithSection(kTestConfig, "Drivers", "Lomarel Test PCL=LT100\r\n"), 1);
    WizardDriver wizard = Wizard();
    EXPECT_EQ("Lomarel Panel Message Download - Version 4.2", wizard.Title());
    EXPECT_FALSE(wizard.Button(ID_WIZBACK).enabled);
    EXPECT_EQ("&Next >", wizard.Button(ID_WIZNEXT).caption);
    EXPECT_EQ("Cancel", wizard.Button(IDCANCEL).caption);
    GoTo(wizard, ID_WIZNEXT, PRINTER);

    EXPECT_FALSE(wizard.IsChecked(IDC_SHOW_ALL_PRINTERS));
    EXPECT_EQ((Rows{{kLaser, kLaserPort, "", ""}}), wizard.ListRows(IDC_PRINTER_LIST));
    EXPECT_EQ(0, wizard.SelectedListRow(IDC_PRINTER_LIST));
    EXPECT_TRUE(wizard.WaitForButtonEnabled(ID_WIZNEXT, true, 2000));
    EXPECT_EQ("< &Back", wizard.Button(ID_WIZBACK).caption);

    ASSERT_TRUE(wizard.DoubleClickListRow(IDC_PRINTER_LIST, kLaser));
    ASSERT_TRUE(wizard.WaitForActiveIndex(AFTER_PRINTER));
    Cancel(wizard);
    EXPECT_EQ(0, m_nResult);
    EXPECT_EQ(kLaser, m_strPrinter);
    EXPECT_EQ(kLaserPort, m_strPort);
    EXPECT_EQ(kLaserDriver, m_strDriver);
}

TEST_F(DownloadPagesTest, WithoutSupportedPrintersEveryPrinterIsListedSortableAndTheBoxNarrowsIt)
{
    Start(WithSection(kTestConfig, "Drivers", "Lomarel Test PCL=LT100\r\nLomarel Test KX=LT200\r\n"), 0);
    WizardDriver wizard = Wizard();
    GoTo(wizard, ID_WIZNEXT, PRINTER);
    EXPECT_TRUE(wizard.IsChecked(IDC_SHOW_ALL_PRINTERS)) << "no supported printer was counted";
    Rows all = wizard.ListRows(IDC_PRINTER_LIST);
    ASSERT_EQ(kCount, static_cast<int>(all.size()));
    EXPECT_FALSE(wizard.Button(ID_WIZNEXT).enabled);
    ASSERT_TRUE(wizard.SelectListRow(IDC_PRINTER_LIST, kPlain));
    EXPECT_TRUE(wizard.WaitForButtonEnabled(ID_WIZNEXT, true, 2000));

    // The first click after a fill sorts descending, the second ascending, each with its arrow;
    // another column keeps the direction and takes the arrow, and no row loses a cell.
    std::vector<std::string> ascending = wizard.ListFirstCells(IDC_PRINTER_LIST);
    std::sort(ascending.begin(), ascending.end());
    std::vector<std::string> descending(ascending.rbegin(), ascending.rend());
    ASSERT_TRUE(wizard.ClickListColumn(IDC_PRINTER_LIST, 0));
    EXPECT_EQ(descending, wizard.ListFirstCells(IDC_PRINTER_LIST));
    HBITMAP descendingArrow = wizard.ListColumnBitmap(IDC_PRINTER_LIST, 0);
    EXPECT_NE(nullptr, descendingArrow);
    ASSERT_TRUE(wizard.ClickListColumn(IDC_PRINTER_LIST, 0));
    EXPECT_EQ(ascending, wizard.ListFirstCells(IDC_PRINTER_LIST));
    EXPECT_NE(nullptr, wizard.ListColumnBitmap(IDC_PRINTER_LIST, 0));
    EXPECT_NE(descendingArrow, wizard.ListColumnBitmap(IDC_PRINTER_LIST, 0));
    ASSERT_TRUE(wizard.ClickListColumn(IDC_PRINTER_LIST, 1));
    EXPECT_EQ(nullptr, wizard.ListColumnBitmap(IDC_PRINTER_LIST, 0));
    EXPECT_NE(nullptr, wizard.ListColumnBitmap(IDC_PRINTER_LIST, 1));
    Rows byPort = wizard.ListRows(IDC_PRINTER_LIST);
    EXPECT_TRUE(std::is_sorted(byPort.begin(), byPort.end(),
                               [](const auto& a, const auto& b) { return a[1] < b[1]; }));
    for (const auto& row : all)
        EXPECT_NE(byPort.end(), std::find(byPort.begin(), byPort.end(), row)) << row[0];
    EXPECT_EQ(kPlain, byPort.at(wizard.SelectedListRow(IDC_PRINTER_LIST))[0]);

    // Clearing the box drops the unsupported choice, and with it Next.
    ASSERT_TRUE(wizard.SetChecked(IDC_SHOW_ALL_PRINTERS, false));
    EXPECT_EQ((std::vector<std::string>{kLaser, kMfp}), wizard.ListFirstCells(IDC_PRINTER_LIST));
    EXPECT_EQ(-1, wizard.SelectedListRow(IDC_PRINTER_LIST));
    EXPECT_TRUE(wizard.WaitForButtonEnabled(ID_WIZNEXT, false, 2000));

    // Coming back is no first activation: the box stays as the user left it.
    GoTo(wizard, ID_WIZBACK, INTRODUCTION);
    GoTo(wizard, ID_WIZNEXT, PRINTER);
    EXPECT_FALSE(wizard.IsChecked(IDC_SHOW_ALL_PRINTERS));
    ASSERT_TRUE(wizard.SelectListRow(IDC_PRINTER_LIST, kMfp));
    GoTo(wizard, ID_WIZNEXT, AFTER_PRINTER);
    Cancel(wizard);
    EXPECT_EQ(kMfp, m_strPrinter);
    EXPECT_EQ(kMfpDriver, m_strDriver);
}

TEST_F(DownloadPagesTest, AChosenPrinterThatWasRemovedIsNoLongerOffered)
{
    const char vanishing[] = "Vanishing Printer";
    TemporaryPrinter printer(vanishing, kLaserPort, kLaserDriver);
    ASSERT_TRUE(printer.IsAdded());
    Start(kTestConfig, 4);
    WizardDriver wizard = Wizard();
    GoTo(wizard, ID_WIZNEXT, PRINTER);
    ASSERT_TRUE(wizard.SelectListRow(IDC_PRINTER_LIST, vanishing));
    GoTo(wizard, ID_WIZNEXT, AFTER_PRINTER);
    printer.Remove();
    GoTo(wizard, ID_WIZBACK, PRINTER);
    EXPECT_EQ(-1, wizard.SelectedListRow(IDC_PRINTER_LIST));
    EXPECT_TRUE(wizard.WaitForButtonEnabled(ID_WIZNEXT, false, 2000));
    Cancel(wizard);
}

}  // namespace
