#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include <memory>
#include <string>
#include <vector>

#include "ConfigText.h"
#include "FaxPage.h"
#include "FaxPagePlan.h"
#include "FaxWizard.h"
#include "MessageBoxes.h"
#include "ModalRun.h"
#include "ProgramFiles.h"
#include "ResourceFiles.h"
#include "ResultCodes.h"
#include "StandInPage.h"
#include "TestConfig.h"
#include "TestPrinters.h"
#include "WizardDriver.h"

extern "C" int WINAPI KyvFaxSetup(const char*, const char*, int, const char*, int, int, int,
                                  PRINTER_SELECTION*);

namespace {

using namespace test_printers;

const int kBackNext = PSWIZB_BACK | PSWIZB_NEXT;
const int kPageName = 100;  // the stand-in template's one text

std::vector<std::pair<FaxPageKind, int>> Plan(const char* printer, bool skipIntroduction,
                                              bool skipCountryCode, bool skipTime)
{
    FaxRun run;
    run.printerName = printer;
    run.skipIntroduction = skipIntroduction;
    run.skipCountryCode = skipCountryCode;
    run.skipTime = skipTime;
    std::vector<std::pair<FaxPageKind, int>> steps;
    for (const FaxPageStep& step : PlanFaxPages(run))
        steps.emplace_back(step.kind, step.wizardButtons);
    return steps;
}

TEST(FaxPagePlanTest, ThePageARunStartsOnOffersNextOnlyButTheConfirmationKeepsBack)
{
    using K = FaxPageKind;
    EXPECT_EQ((std::vector<std::pair<K, int>>{{K::INTRODUCTION, PSWIZB_NEXT},
                                               {K::SELECT_PRINTER, kBackNext},
                                               {K::SELECT_MODEL, kBackNext},
                                               {K::SELECT_COUNTRY_CODE, kBackNext},
                                               {K::SET_TIME, kBackNext},
                                               {K::CONFIRM, kBackNext},
                                               {K::COMPLETE, PSWIZB_FINISH}}),
              Plan("", false, false, false));
    EXPECT_EQ((std::vector<std::pair<K, int>>{{K::SELECT_PRINTER, PSWIZB_NEXT},
                                               {K::SELECT_MODEL, kBackNext},
                                               {K::SET_TIME, kBackNext},
                                               {K::CONFIRM, kBackNext},
                                               {K::COMPLETE, PSWIZB_FINISH}}),
              Plan("", true, true, false));
    // The printer pages come first: the country code keeps Back.
    EXPECT_EQ((std::vector<std::pair<K, int>>{{K::SELECT_PRINTER, PSWIZB_NEXT},
                                               {K::SELECT_MODEL, kBackNext},
                                               {K::SELECT_COUNTRY_CODE, kBackNext},
                                               {K::CONFIRM, kBackNext},
                                               {K::COMPLETE, PSWIZB_FINISH}}),
              Plan("", true, false, true));
    EXPECT_EQ((std::vector<std::pair<K, int>>{{K::SELECT_COUNTRY_CODE, PSWIZB_NEXT},
                                               {K::CONFIRM, kBackNext},
                                               {K::COMPLETE, PSWIZB_FINISH}}),
              Plan(kMfp, true, false, true));
    EXPECT_EQ((std::vector<std::pair<K, int>>{{K::SET_TIME, PSWIZB_NEXT},
                                               {K::CONFIRM, kBackNext},
                                               {K::COMPLETE, PSWIZB_FINISH}}),
              Plan(kMfp, true, true, false));
    EXPECT_EQ((std::vector<std::pair<K, int>>{{K::CONFIRM, kBackNext},
                                               {K::COMPLETE, PSWIZB_FINISH}}),
              Plan(kMfp, true, true, true));
    // With the introduction first, later pages keep Back even when the printer is given.
    EXPECT_EQ((std::vector<std::pair<K, int>>{{K::INTRODUCTION, PSWIZB_NEXT},
                                               {K::CONFIRM, kBackNext},
                                               {K::COMPLETE, PSWIZB_FINISH}}),
              Plan(kMfp, false, true, true));
}

std::unique_ptr<CWizardPageBase> CreateStandIn(const FaxPageStep& step, const FaxRun& run,
                                               int supportedPrinters)
{
    return std::make_unique<StandInPage>(step, run, supportedPrinters);
}

class FaxWizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_resources.Add(TestProgramFolder() + "Pluvettst.dll", "Pluvettst.dll");
        memset(&m_selection, 0x55, sizeof m_selection);
        m_untouched = m_selection;
        g_seen = SheetSeen();
    }

    // Starts the wizard for the run on a thread of its own; its pages stand in for the real ones.
    std::unique_ptr<WizardDriver> Start(FaxRun run)
    {
        run.language = "tst";
        run.pSelection = &m_selection;
        m_run = std::make_unique<ModalRun>(
            [this, run] { m_nResult = RunFaxWizard(run, CreateStandIn); });
        return std::make_unique<WizardDriver>(WaitForWizard(GetCurrentProcessId()));
    }

    bool Untouched() const { return memcmp(&m_selection, &m_untouched, sizeof m_selection) == 0; }

    ScopedIniFile m_ini{kTestConfig};
    ScopedIniFile m_version{"[Version]\r\nMainVersion=4.2\r\n", "Version.txt"};
    ScopedResourceFolder m_resources{TestProgramFolder()};
    PRINTER_SELECTION m_selection;
    PRINTER_SELECTION m_untouched;
    std::unique_ptr<ModalRun> m_run;
    int m_nResult = -1;
};

TEST_F(FaxWizardTest, AGivenPrinterIsLookedUpAndReportedOnlyOnceTheSettingsWereSent)
{
    FaxRun run;
    run.printerName = kMfp;
    run.timeOffset = -3600;
    run.countryCode = "81";
    run.skipIntroduction = true;
    run.skipTime = true;
    auto wizard = Start(run);
    ASSERT_NE(nullptr, wizard->Sheet());
    EXPECT_EQ("Stand-in fax setup 4.2", wizard->Title());
    EXPECT_EQ("country code", wizard->ControlText(kPageName));
    EXPECT_FALSE(wizard->Button(kBackButton).enabled);
    EXPECT_EQ(kMfp, g_seen.printer);
    EXPECT_EQ(kMfpDriver, g_seen.driver);
    EXPECT_EQ("C:\\test-out\\mfp.prn", g_seen.port);
    EXPECT_EQ("81", g_seen.countryCode);
    EXPECT_EQ(-3600, g_seen.timeOffset);

    ASSERT_TRUE(wizard->PressWhenEnabled(kNextButton));
    EXPECT_EQ("confirmation", wizard->ControlText(kPageName));
    EXPECT_TRUE(wizard->Button(kBackButton).enabled);
    ASSERT_TRUE(wizard->PressWhenEnabled(kNextButton));
    EXPECT_EQ("completion", wizard->ControlText(kPageName));
    EXPECT_TRUE(Untouched());
    ASSERT_TRUE(wizard->PressWhenEnabled(kFinishButton));
    ASSERT_TRUE(m_run->WaitForEnd(5000));

    EXPECT_EQ(0, m_nResult);
    EXPECT_STREQ(kMfp, m_selection.szPrinterName);
    EXPECT_STREQ(kMfpDriver, m_selection.szDriverName);
    EXPECT_STREQ("C:\\test-out\\mfp.prn", m_selection.szPortName);
    EXPECT_STREQ("LT-200", m_selection.szModelName);
    EXPECT_EQ(1, m_selection.bValid);
}

// A name cut to the record's field would hand on another printer's name, or none's.
TEST_F(FaxWizardTest, AnUnknownPrinterKeepsItsNameButOneTooLongForTheRecordIsNotHandedOn)
{
    const std::string longName(60, 'N');
    FaxRun run;
    run.printerName = longName;
    auto wizard = Start(run);
    ASSERT_NE(nullptr, wizard->Sheet());
    EXPECT_EQ("introduction", wizard->ControlText(kPageName));
    EXPECT_FALSE(wizard->Button(kBackButton).enabled);
    EXPECT_EQ(longName, g_seen.printer);
    EXPECT_EQ("", g_seen.port);
    EXPECT_EQ("", g_seen.driver);
    // The pages a printer choice needs are left out: the country code follows.
    ASSERT_TRUE(wizard->PressWhenEnabled(kNextButton));
    EXPECT_EQ("country code", wizard->ControlText(kPageName));
    ASSERT_TRUE(wizard->PressWhenEnabled(kNextButton));
    EXPECT_EQ("time", wizard->ControlText(kPageName));
    ASSERT_TRUE(wizard->PressWhenEnabled(kNextButton));
    ASSERT_TRUE(wizard->PressWhenEnabled(kNextButton));
    ASSERT_TRUE(wizard->PressWhenEnabled(kFinishButton));
    ASSERT_TRUE(m_run->WaitForEnd(5000));

    EXPECT_TRUE(Untouched());
}

TEST_F(FaxWizardTest, CancelLeavesTheRecordAsItWas)
{
    auto wizard = Start(FaxRun());
    ASSERT_NE(nullptr, wizard->Sheet());
    EXPECT_EQ("introduction", wizard->ControlText(kPageName));
    ASSERT_TRUE(wizard->PressWhenEnabled(kNextButton));
    EXPECT_EQ("printer", wizard->ControlText(kPageName));
    // The laser's driver is no fax driver; the multi-function printer's and the three network
    // fax printers' are.
    EXPECT_EQ(4, g_seen.supportedPrinters);
    ASSERT_TRUE(wizard->Press(kCancelButton));
    ASSERT_TRUE(m_run->WaitForEnd(5000));
    EXPECT_EQ(0, m_nResult);
    EXPECT_TRUE(Untouched());
}

// The export's checks before any wizard: the fax texts must exist, and without a supported fax
// printer the user decides whether to go on.
TEST_F(FaxWizardTest, WithoutAFaxPrinterTheUserIsAskedAndNoEndsTheCallWithTheCountsCode)
{
    int result = -1;
    auto ask = [&](const char* language, const char* button) {
        return RunAnsweringBox(
            [&] { result = KyvFaxSetup(nullptr, language, 0, nullptr, 0, 0, 0, &m_selection); },
            button);
    };

    EXPECT_EQ("Cannot run Lomarel - a required file is missing.", ask("xyz", "OK").text);
    EXPECT_EQ(0, result);

    ScopedIniFile noFaxDriver(
        WithSection(kTestConfig, "Driver and Model", "Absent Fax Driver=LT-200\r\n"));
    // The language is cut to its three letters.
    MessageBoxSeen question = ask("tstextra", "&No");
    EXPECT_EQ("No fax printer. Go on?", question.text);
    EXPECT_EQ("Stand-in question 4.2", question.caption);
    EXPECT_EQ(0, result);

    // A configuration that cannot be read is the code the count ends with.
    ScopedIniFile broken("[Revision]\r\n");
    ask("tst", "&No");
    EXPECT_EQ(ERR_INI_READ, result);
    EXPECT_TRUE(Untouched());
}

}  // namespace
