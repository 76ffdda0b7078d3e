#include <gtest/gtest.h>

#include <windows.h>

#include <string.h>
#include <time.h>

#include <memory>
#include <string>
#include <vector>

#include "ModalRun.h"
#include "PostedMessages.h"
#include "PrinterSelection.h"
#include "ProgramFiles.h"
#include "ReceivedJobs.h"
#include "ResourceFiles.h"
#include "ResourceIds.h"
#include "ResourceLibrary.h"
#include "ResourcePaths.h"
#include "TestConfig.h"
#include "TestPrinters.h"
#include "WaitFor.h"
#include "WizardDriver.h"

extern "C" int WINAPI KyvFaxSetup(const char*, const char*, int, const char*, int, int, int,
                                  PRINTER_SELECTION*);

namespace {

using namespace test_printers;

std::string SelectedFirstCell(const WizardDriver& wizard, int list)
{
    int row = wizard.SelectedListRow(list);
    return row < 0 ? std::string() : wizard.ListFirstCells(list).at(row);
}

// The fax export with its real pages, driven as a user would, sending to the test printers.
class FaxEndToEndTest : public ::testing::Test {
protected:
    FaxEndToEndTest()
    {
        memset(&m_selection, 0x55, sizeof m_selection);
        m_untouched = m_selection;
        ForgetReceivedJobs();
    }
    ~FaxEndToEndTest() override { ForgetReceivedJobs(); }

    std::unique_ptr<WizardDriver> Start(const char* printer, int skipIntroduction)
    {
        m_run = std::make_unique<ModalRun>([=] {
            m_nResult =
                KyvFaxSetup(printer, "enu", 0, nullptr, skipIntroduction, 0, 0, &m_selection);
        });
        return std::make_unique<WizardDriver>(WaitForWizard(GetCurrentProcessId()));
    }

    // Next, and the page the wizard lands on once that page has posted its buttons.
    int Next(const WizardDriver& wizard, DWORD timeoutMs = 5000) const
    {
        int index = wizard.ActiveIndex();
        if (!wizard.PressWhenEnabled(kNextButton))
            return -1;
        WaitFor([&] { return wizard.ActiveIndex() != index; }, timeoutMs);
        WaitForPostedMessagesHandled(m_run->ThreadId());
        return wizard.ActiveIndex();
    }

    std::string Text(UINT id) const { return m_texts.LoadText(id); }
    bool Untouched() const { return memcmp(&m_selection, &m_untouched, sizeof m_selection) == 0; }

    ScopedIniFile m_ini{kTestConfig};
    ScopedResourceFolder m_resources{TestProgramFolder()};
    CResourceLibrary m_texts{FaxTextLibraryPath("enu").c_str()};
    PRINTER_SELECTION m_selection;
    PRINTER_SELECTION m_untouched;
    std::unique_ptr<ModalRun> m_run;
    int m_nResult = -1;
};

// The test runs in Tokyo's time zone (TZ=JST-9): 540 minutes east, no daylight saving.
TEST_F(FaxEndToEndTest, AFullRunSendsTheFourSettingsAndReportsThePrinter)
{
    auto wizard = Start(nullptr, 0);
    ASSERT_NE(nullptr, wizard->Sheet());
    EXPECT_EQ(0, wizard->ActiveIndex());
    EXPECT_FALSE(wizard->Button(kBackButton).enabled);

    // The printer page's lists and the model page's skipping are the choice pages' tests.
    ASSERT_EQ(1, Next(*wizard));
    ASSERT_TRUE(wizard->SelectListRow(IDC_PRINTER_LIST, kFaxTcp));
    ASSERT_EQ(3, Next(*wizard));
    // The countries of the printer's model LT-200 ("81,1"), in the configuration's order.
    EXPECT_EQ((std::vector<std::string>{"Japan", "United States / Canada"}),
              wizard->ListFirstCells(IDC_COUNTRY_LIST));

    // Without a country of the caller's, the model's destination is chosen.
    EXPECT_EQ("Japan", SelectedFirstCell(*wizard, IDC_COUNTRY_LIST));
    EXPECT_EQ(Text(IDS_SELECTED_COUNTRY_PREFIX) + "Japan",
              wizard->ControlText(IDC_SELECTED_COUNTRY_NOTE));

    ASSERT_EQ(4, Next(*wizard));
    EXPECT_FALSE(wizard->IsChecked(IDC_DAYLIGHT_SAVING_BOX));

    ASSERT_EQ(5, Next(*wizard));
    EXPECT_EQ(Text(IDS_SEND_BUTTON), wizard->Button(kNextButton).caption);
    EXPECT_EQ("Japan", wizard->ControlText(IDC_SELECTED_COUNTRY_NOTE));
    EXPECT_TRUE(ReceivedJobs("tcp").empty());
    time_t before = time(nullptr);
    // Sending takes the echo check and the pause between the country and the clock.
    ASSERT_EQ(6, Next(*wizard, 15000));
    time_t after = time(nullptr);

    // Once the settings went out there is no way back and no cancelling.
    EXPECT_FALSE(wizard->Button(kCancelButton).visible);
    EXPECT_FALSE(wizard->Button(kBackButton).enabled);
    EXPECT_EQ(Text(IDS_FINISH_BUTTON), wizard->Button(kFinishButton).caption);
    ASSERT_TRUE(wizard->PressWhenEnabled(kFinishButton));
    ASSERT_TRUE(m_run->WaitForEnd(5000));

    EXPECT_EQ(0, m_nResult);
    EXPECT_STREQ(kFaxTcp, m_selection.szPrinterName);
    EXPECT_STREQ(kFaxDriver, m_selection.szDriverName);
    EXPECT_STREQ(kFaxTcpPort, m_selection.szPortName);
    // No model was chosen: the driver names it.
    EXPECT_STREQ("", m_selection.szModelName);
    EXPECT_EQ(1, m_selection.bValid);

    std::vector<ReceivedJob> jobs = ReceivedJobs("tcp");
    ASSERT_EQ(4u, jobs.size());
    EXPECT_EQ(CommandJob("@PJL DEFAULT KYVCOUNTRYCODE=81\r\n"), jobs[0].bytes);
    EXPECT_EQ(CommandJob("@PJL DEFAULT KYVDAYLIGHTSAVING=OFF\r\n"), jobs[1].bytes);
    EXPECT_EQ(CommandJob("@PJL DEFAULT KYVTIMEZONEOFFSET=540\r\n"), jobs[2].bytes);
    // The time page read back the clock it showed, up to a second behind the PC's.
    long long clock = CurrentTimeOf(jobs[3].bytes);
    EXPECT_GE(clock, before - 1);
    EXPECT_LE(clock, after);
}

TEST_F(FaxEndToEndTest, CancelOnTheConfirmationSendsNothingAndLeavesTheRecord)
{
    auto wizard = Start(kFaxTcp, 1);
    ASSERT_NE(nullptr, wizard->Sheet());
    ASSERT_TRUE(wizard->PageHasControl(IDC_COUNTRY_LIST));
    ASSERT_EQ(1, Next(*wizard));
    ASSERT_EQ(2, Next(*wizard));
    EXPECT_EQ(Text(IDS_SEND_BUTTON), wizard->Button(kNextButton).caption);
    ASSERT_TRUE(wizard->Press(kCancelButton));
    ASSERT_TRUE(m_run->WaitForEnd(5000));

    EXPECT_EQ(0, m_nResult);
    EXPECT_TRUE(Untouched());
    EXPECT_TRUE(ReceivedJobs("tcp").empty());
}

}  // namespace
