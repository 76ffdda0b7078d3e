#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include <memory>
#include <string>
#include <vector>

#include "FaxPage.h"
#include "FaxWizard.h"
#include "ModalRun.h"
#include "ProgramFiles.h"
#include "ResourceFiles.h"
#include "ResourceIds.h"
#include "TestConfig.h"
#include "TestPrinters.h"
#include "WizardDriver.h"

namespace {

using namespace test_printers;
using Rows = std::vector<std::vector<std::string>>;

enum { INTRODUCTION, PRINTER, MODEL, CONFIRM, COMPLETE };

// Stands in for the confirmation: its Next counts as the settings sent. It shows the chooser's
// template, which every fax text library has.
class SendingStandIn : public FaxPage {
public:
    explicit SendingStandIn(const FaxRun& run)
        : FaxPage(IDD_SELECT_FUNCTION_PAGE, run.language, PSWIZB_BACK | PSWIZB_NEXT)
    {
    }

protected:
    BOOL OnSetActive() override
    {
        PostButtons(m_nWizardButtons);
        return FaxPage::OnSetActive();
    }

    LRESULT OnNext() override
    {
        Manager().SetCompleted(true);
        return 0;
    }
};

// The library's own pages, with the confirmation standing in; the country-code and time pages
// are left out.
std::unique_ptr<CWizardPageBase> CreatePage(const FaxPageStep& step, const FaxRun& run,
                                            int supportedPrinters)
{
    switch (step.kind) {
    case FaxPageKind::SELECT_COUNTRY_CODE:
    case FaxPageKind::SET_TIME:
        return nullptr;
    case FaxPageKind::CONFIRM:
        return std::make_unique<SendingStandIn>(run);
    default:
        return CreateFaxPage(step, run, supportedPrinters);
    }
}

class FaxChoicePagesTest : public ::testing::Test {
protected:
    WizardDriver Start(bool skipCountryCode, bool skipTime)
    {
        FaxRun run;
        run.language = "enu";
        run.skipCountryCode = skipCountryCode;
        run.skipTime = skipTime;
        run.pSelection = &m_selection;
        m_run = std::make_unique<ModalRun>(
            [this, run] { m_nResult = RunFaxWizard(run, CreatePage); });
        HWND sheet = WaitForWizard(GetCurrentProcessId());
        EXPECT_NE(nullptr, sheet);
        return WizardDriver(sheet);
    }

    void GoTo(const WizardDriver& wizard, int button, int page)
    {
        ASSERT_TRUE(wizard.WaitForButtonEnabled(button, true));
        ASSERT_TRUE(wizard.Press(button));
        ASSERT_TRUE(wizard.WaitForActiveIndex(page));
    }

    ScopedIniFile m_ini{kTestConfig};
    ScopedIniFile m_version{"[Version]\r\nMainVersion=4.2\r\n", "Version.txt"};
    ScopedResourceFolder m_resources{TestProgramFolder()};
    PRINTER_SELECTION m_selection = {};
    std::unique_ptr<ModalRun> m_run;
    int m_nResult = -1;
};

TEST_F(FaxChoicePagesTest, TheIntroductionSaysWhichSettingsTheRunLeavesAlone)
{
    struct {
        bool skipCountryCode, skipTime;
        const char* note;
    } const runs[] = {
        {true, false, "The wizard sets only the printer's date and time."},
        {false, true, "The wizard sets only the fax country code."},
        {true, true, "The wizard changes neither the fax country code nor the printer's"},
        {false, false, "You select the printer, its fax model if needed,"},
    };
    for (const auto& run : runs) {
        WizardDriver wizard = Start(run.skipCountryCode, run.skipTime);
        EXPECT_EQ(0u, wizard.ControlText(IDC_INTRO_SKIPPED_NOTE).find(run.note)) << run.note;
        EXPECT_FALSE(wizard.Button(ID_WIZBACK).enabled);
        ASSERT_TRUE(wizard.Press(IDCANCEL));
        ASSERT_TRUE(m_run->WaitForEnd(5000));
    }
}

// The printer page lists the fax printers by name, all printers with the box; the model page
// steps aside for a printer whose driver names its model, both ways, and asks for any other;
// the completion page only finishes, and the record then names the printer and model chosen.
TEST_F(FaxChoicePagesTest, APrinterAndModelChosenOnThePagesReachTheRecord)
{
    WizardDriver wizard = Start(true, true);
    EXPECT_EQ("Lomarel Printer Setup - Version 4.2", wizard.Title());
    GoTo(wizard, ID_WIZNEXT, PRINTER);

    EXPECT_FALSE(wizard.IsChecked(IDC_SHOW_ALL_PRINTERS));
    EXPECT_EQ((std::vector<std::string>{kFaxLpr, kFaxNoHost, kFaxTcp, kMfp}),
              wizard.ListFirstCells(IDC_PRINTER_LIST));
    EXPECT_EQ("Select the printer whose fax unit you want to set up.",
              wizard.ControlText(IDC_SELECTED_PRINTER_NOTE));
    EXPECT_TRUE(wizard.WaitForButtonEnabled(ID_WIZNEXT, false));
    ASSERT_TRUE(wizard.SetChecked(IDC_SHOW_ALL_PRINTERS, true));
    EXPECT_EQ((std::vector<std::string>{kFaxLpr, kFaxNoHost, kFaxTcp, kLaser, kMfp, kXps, kPlain}),
              wizard.ListFirstCells(IDC_PRINTER_LIST));
    ASSERT_TRUE(wizard.SetChecked(IDC_SHOW_ALL_PRINTERS, false));
    EXPECT_EQ(4u, wizard.ListRows(IDC_PRINTER_LIST).size());

    ASSERT_TRUE(wizard.SelectListRow(IDC_PRINTER_LIST, kFaxTcp));
    EXPECT_EQ(std::string("Selected printer: ") + kFaxTcp,
              wizard.ControlText(IDC_SELECTED_PRINTER_NOTE));
    GoTo(wizard, ID_WIZNEXT, CONFIRM);
    GoTo(wizard, ID_WIZBACK, PRINTER);
    EXPECT_EQ(2, wizard.SelectedListRow(IDC_PRINTER_LIST));

    ASSERT_TRUE(wizard.SetChecked(IDC_SHOW_ALL_PRINTERS, true));
    ASSERT_TRUE(wizard.SelectListRow(IDC_PRINTER_LIST, kPlain));
    GoTo(wizard, ID_WIZNEXT, MODEL);
    EXPECT_EQ((Rows{{"LT-200"}}), wizard.ListRows(IDC_MODEL_LIST));
    EXPECT_EQ(0, wizard.SelectedListRow(IDC_MODEL_LIST));
    EXPECT_EQ("Selected fax model: LT-200", wizard.ControlText(IDC_SELECTED_MODEL_NOTE));
    GoTo(wizard, ID_WIZNEXT, CONFIRM);
    GoTo(wizard, ID_WIZNEXT, COMPLETE);

    EXPECT_FALSE(wizard.Button(IDCANCEL).visible);
    EXPECT_EQ("Finish", wizard.Button(ID_WIZFINISH).caption);
    EXPECT_EQ(0, m_selection.bValid);
    ASSERT_TRUE(wizard.WaitForButtonEnabled(ID_WIZFINISH, true));
    ASSERT_TRUE(wizard.Press(ID_WIZFINISH));
    ASSERT_TRUE(m_run->WaitForEnd(5000));
    EXPECT_EQ(0, m_nResult);
    EXPECT_STREQ(kPlain, m_selection.szPrinterName);
    EXPECT_STREQ(kPlainDriver, m_selection.szDriverName);
    EXPECT_STREQ("C:\\test-out\\plain.prn", m_selection.szPortName);
    EXPECT_STREQ("LT-200", m_selection.szModelName);
    EXPECT_EQ(1, m_selection.bValid);
}

// A model chosen for one printer is not reported for another whose driver names its own.
TEST_F(FaxChoicePagesTest, AModelChosenForAnEarlierPrinterDoesNotReachTheRecord)
{
    WizardDriver wizard = Start(true, true);
    GoTo(wizard, ID_WIZNEXT, PRINTER);
    ASSERT_TRUE(wizard.SetChecked(IDC_SHOW_ALL_PRINTERS, true));
    ASSERT_TRUE(wizard.SelectListRow(IDC_PRINTER_LIST, kPlain));
    GoTo(wizard, ID_WIZNEXT, MODEL);
    GoTo(wizard, ID_WIZNEXT, CONFIRM);
    GoTo(wizard, ID_WIZBACK, MODEL);
    GoTo(wizard, ID_WIZBACK, PRINTER);
    ASSERT_TRUE(wizard.SelectListRow(IDC_PRINTER_LIST, kFaxTcp));
    GoTo(wizard, ID_WIZNEXT, CONFIRM);
    GoTo(wizard, ID_WIZNEXT, COMPLETE);
    ASSERT_TRUE(wizard.WaitForButtonEnabled(ID_WIZFINISH, true));
    ASSERT_TRUE(wizard.Press(ID_WIZFINISH));
    ASSERT_TRUE(m_run->WaitForEnd(5000));
    EXPECT_STREQ(kFaxTcp, m_selection.szPrinterName);
    EXPECT_STREQ("", m_selection.szModelName);
}

}  // namespace
