#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string.h>
#include <time.h>

#include <memory>
#include <string>
#include <vector>

#include "ConfigText.h"
#include "FaxShownTime.h"
#include "FaxTimeChoice.h"
#include "FaxWizard.h"
#include "MessageBoxes.h"
#include "ModalRun.h"
#include "ProgramFiles.h"
#include "ReceivedJobs.h"
#include "ResourceFiles.h"
#include "ResourceIds.h"
#include "ResultCodes.h"
#include "TestConfig.h"
#include "TestPrinters.h"
#include "WaitFor.h"
#include "WizardDriver.h"

namespace {

using namespace test_printers;

const char kJapan[] = "Japan";
const char kNorthAmerica[] = "United States / Canada";

// The test runs in Tokyo's time zone (TZ=JST-9): no daylight saving, no hour skipped or doubled.
TEST(FaxTimeChoiceTest, LocalTimesCarryAcrossMidnightAndControlsCentreBesideThePicture)
{
    EXPECT_EQ(1704034800, LocalMoment({2024, 1, 1, 0, 0, 0}));
    EXPECT_EQ(LocalMoment({2024, 3, 1, 0, 30, 0}), LocalMoment({2024, 2, 29, 24, 30, 0}));
    EXPECT_EQ(LocalMoment({2023, 12, 31, 23, 15, 0}), LocalMoment({2024, 1, 1, -1, 15, 0}));
    EXPECT_EQ(263, CentredControlLeft(164, 475, 113));
    EXPECT_EQ(100 + 57, CentredControlLeft(100, 316, 101));  // (316 - 101 - 100) / 2 truncates
}

// The moment the active page shows: the date of one control and the time of day of another.
int64_t ShownMoment(const WizardDriver& wizard, int dateId, int timeId)
{
    HWND page = wizard.ActivePage();
    SYSTEMTIME date = {};
    SYSTEMTIME timeOfDay = {};
    UINT dateMessage = dateId == IDC_FAX_CALENDAR ? MCM_GETCURSEL : DTM_GETSYSTEMTIME;
    SendMessageA(GetDlgItem(page, dateId), dateMessage, 0, reinterpret_cast<LPARAM>(&date));
    SendMessageA(GetDlgItem(page, timeId), DTM_GETSYSTEMTIME, 0,
                 reinterpret_cast<LPARAM>(&timeOfDay));
    return LocalMoment({date.wYear, date.wMonth, date.wDay, timeOfDay.wHour, timeOfDay.wMinute,
                        timeOfDay.wSecond});
}

// Types a time of day into the time page's field: the field changes and tells the page.
void EnterTimeOfDay(const WizardDriver& wizard, int64_t moment)
{
    SYSTEMTIME value;
    ASSERT_TRUE(LocalSystemTime(moment, value));
    HWND page = wizard.ActivePage();
    HWND field = GetDlgItem(page, IDC_FAX_TIME);
    SendMessageA(field, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
    NMDATETIMECHANGE change = {};
    change.nmhdr = {field, IDC_FAX_TIME, static_cast<UINT>(DTN_DATETIMECHANGE)};
    change.dwFlags = GDT_VALID;
    change.st = value;
    SendMessageA(page, WM_NOTIFY, IDC_FAX_TIME, reinterpret_cast<LPARAM>(&change));
}

int64_t Now() { return static_cast<int64_t>(time(nullptr)); }

RECT Bounds(HWND control)
{
    RECT bounds = {0, 0, 0, 0};
    GetWindowRect(control, &bounds);
    return bounds;
}

// A field of the time page has its label just before it, so that the label's mnemonic reaches
// the field and names it, and the label stands on the field's line, left of it and of the line.
void ExpectLabelled(const WizardDriver& wizard, int labelId, int fieldId)
{
    HWND page = wizard.ActivePage();
    HWND label = GetDlgItem(page, labelId);
    HWND field = GetDlgItem(page, fieldId);
    EXPECT_EQ(label, GetWindow(field, GW_HWNDPREV)) << labelId;
    EXPECT_NE(std::string::npos, wizard.ControlText(labelId).find('&')) << labelId;
    RECT labelBounds = Bounds(label);
    RECT fieldBounds = Bounds(field);
    RECT line = Bounds(GetDlgItem(page, IDC_TIME_SEPARATOR));
    EXPECT_LE(labelBounds.right, fieldBounds.left) << labelId;
    EXPECT_GE(labelBounds.top, fieldBounds.top) << labelId;
    EXPECT_LE(labelBounds.bottom, fieldBounds.bottom) << labelId;
    EXPECT_EQ(labelBounds.left, line.left) << labelId;
    EXPECT_LT(line.right, Bounds(page).right) << labelId;
}

bool IsShown(const WizardDriver& wizard, int id)
{
    return IsWindowVisible(GetDlgItem(wizard.ActivePage(), id)) != FALSE;
}

// The real country, time and confirmation pages in English, for a printer given beforehand and
// without the introduction, so that the run starts on the first of them.
class FaxSettingsPagesTest : public ::testing::Test {
protected:
    FaxSettingsPagesTest()
    {
        ForgetReceivedJobs();
        memset(&m_selection, 0, sizeof m_selection);
    }
    ~FaxSettingsPagesTest() override { ForgetReceivedJobs(); }

    std::unique_ptr<WizardDriver> Start(FaxRun run)
    {
        run.language = "enu";
        run.skipIntroduction = true;
        run.pSelection = &m_selection;
        m_run = std::make_unique<ModalRun>([this, run] { m_nResult = RunFaxWizard(run); });
        return std::make_unique<WizardDriver>(WaitForWizard(GetCurrentProcessId()));
    }

    int Cancel(const WizardDriver& wizard)
    {
        EXPECT_TRUE(wizard.Press(kCancelButton));
        EXPECT_TRUE(m_run->WaitForEnd(5000));
        return m_nResult;
    }

    ScopedIniFile m_ini{kTestConfig};
    ScopedResourceFolder m_resources{TestProgramFolder()};
    PRINTER_SELECTION m_selection;
    std::unique_ptr<ModalRun> m_run;
    int m_nResult = -1;
};

TEST_F(FaxSettingsPagesTest, ThePresetCountryIsChosenFirstThenTheUsersPickWhichIsSent)
{
    FaxRun run;
    run.printerName = kFaxTcp;
    run.countryCode = "1";  // the model's fax destination is Japan's 81
    auto wizard = Start(run);
    ASSERT_NE(nullptr, wizard->Sheet());
    EXPECT_EQ((std::vector<std::vector<std::string>>{{kJapan}, {kNorthAmerica}}),
              wizard->ListRows(IDC_COUNTRY_LIST));
    EXPECT_EQ(1, wizard->SelectedListRow(IDC_COUNTRY_LIST));
    EXPECT_EQ(std::string("Selected country or region: ") + kNorthAmerica,
              wizard->ControlText(IDC_SELECTED_COUNTRY_NOTE));
    EXPECT_FALSE(wizard->Button(kBackButton).enabled);

    ASSERT_TRUE(wizard->SelectListRow(IDC_COUNTRY_LIST, kJapan));
    EXPECT_EQ("Selected country or region: Japan", wizard->ControlText(IDC_SELECTED_COUNTRY_NOTE));
    ASSERT_TRUE(wizard->PressWhenEnabled(kNextButton));
    ASSERT_TRUE(wizard->WaitForActiveIndex(1));
    ASSERT_TRUE(wizard->PressWhenEnabled(kBackButton));
    ASSERT_TRUE(wizard->WaitForActiveIndex(0));
    EXPECT_EQ(0, wizard->SelectedListRow(IDC_COUNTRY_LIST));

    ASSERT_TRUE(wizard->PressWhenEnabled(kNextButton));
    ASSERT_TRUE(wizard->PressWhenEnabled(kNextButton));
    ASSERT_TRUE(wizard->WaitForActiveIndex(2));
    EXPECT_EQ(kJapan, wizard->ControlText(IDC_SELECTED_COUNTRY_NOTE));
    EXPECT_EQ("&Send", wizard->Button(kNextButton).caption);
    EXPECT_TRUE(IsShown(*wizard, IDC_FAX_DATE));
    ASSERT_TRUE(wizard->PressWhenEnabled(kNextButton));
    ASSERT_TRUE(wizard->WaitForActiveIndex(3, 10000));

    ASSERT_TRUE(WaitFor([] { return ReceivedJobs("tcp").size() == 4; }));
    std::vector<ReceivedJob> jobs = ReceivedJobs("tcp");
    EXPECT_EQ(CommandJob("@PJL DEFAULT KYVCOUNTRYCODE=81\r\n"), jobs[0].bytes);
    EXPECT_EQ(CommandJob("@PJL DEFAULT KYVTIMEZONEOFFSET=540\r\n"), jobs[2].bytes);
    ASSERT_TRUE(wizard->PressWhenEnabled(kFinishButton));
    ASSERT_TRUE(m_run->WaitForEnd(5000));
    EXPECT_EQ(0, m_nResult);
    EXPECT_STREQ(kFaxTcp, m_selection.szPrinterName);
    EXPECT_EQ(1, m_selection.bValid);
}

TEST_F(FaxSettingsPagesTest, WithoutAPresetTheDestinationChoosesAndADestinationWithoutSlashFails)
{
    FaxRun run;
    run.printerName = kFaxTcp;
    {
        ScopedIniFile northAmerica(
            WithSection(kTestConfig, "Fax Destination", "LT-200=North America/1\r\n"));
        auto wizard = Start(run);
        ASSERT_NE(nullptr, wizard->Sheet());
        EXPECT_EQ(1, wizard->SelectedListRow(IDC_COUNTRY_LIST));
        EXPECT_TRUE(wizard->WaitForButtonEnabled(kNextButton, true));
        EXPECT_EQ(0, Cancel(*wizard));
    }
    ScopedIniFile bareCode(WithSection(kTestConfig, "Fax Destination", "LT-200=81\r\n"));
    auto wizard = Start(run);
    ASSERT_NE(nullptr, wizard->Sheet());
    EXPECT_TRUE(wizard->ListRows(IDC_COUNTRY_LIST).empty());
    EXPECT_TRUE(wizard->WaitForButtonEnabled(kNextButton, false));
    EXPECT_EQ(ERR_NO_DESTINATION, Cancel(*wizard));
}

TEST_F(FaxSettingsPagesTest, TheChosenTimeSurvivesBackAndNextAndAFailedSendStaysOnTheConfirmation)
{
    FaxRun run;
    run.printerName = kFaxNoHost;
    run.skipCountryCode = true;
    auto wizard = Start(run);
    ASSERT_NE(nullptr, wizard->Sheet());
    ExpectLabelled(*wizard, IDC_FAX_DATE_LABEL, IDC_FAX_CALENDAR);
    ExpectLabelled(*wizard, IDC_FAX_TIME_LABEL, IDC_FAX_TIME);
    // Tokyo keeps no summer time: the box starts clear.
    EXPECT_FALSE(wizard->IsChecked(IDC_DAYLIGHT_SAVING_BOX));
    LocalDateTime local;
    ASSERT_TRUE(LocalDateTimeOf(Now(), local));
    // An hour away, on the same day.
    const int offset = local.hour < 22 ? 3600 : -3600;
    EnterTimeOfDay(*wizard, Now() + offset);
    ASSERT_TRUE(wizard->PressWhenEnabled(kNextButton));
    ASSERT_TRUE(wizard->WaitForActiveIndex(1));
    EXPECT_NEAR(Now() + offset, ShownMoment(*wizard, IDC_FAX_DATE, IDC_FAX_TIME), 2);
    EXPECT_FALSE(IsShown(*wizard, IDC_CONFIRM_COUNTRY_PART));
    EXPECT_TRUE(IsShown(*wizard, IDC_FAX_TIME));

    // No address for the printer: the box tells so and the page stays.
    ASSERT_TRUE(wizard->Press(kNextButton));
    HWND box = WaitForMessageBox(GetCurrentProcessId());
    ASSERT_NE(nullptr, box);
    MessageBoxSeen seen = ReadMessageBox(box);
    EXPECT_EQ("Dravelle", seen.caption);
    EXPECT_NE(std::string::npos, seen.text.find("Standard TCP/IP port")) << seen.text;
    ASSERT_TRUE(PressMessageBoxButton(box));
    EXPECT_EQ(1, wizard->ActiveIndex());

    ASSERT_TRUE(wizard->PressWhenEnabled(kBackButton));
    ASSERT_TRUE(wizard->WaitForActiveIndex(0));
    EXPECT_NEAR(Now() + offset, ShownMoment(*wizard, IDC_FAX_CALENDAR, IDC_FAX_TIME), 2);
    ASSERT_TRUE(wizard->SetChecked(IDC_DAYLIGHT_SAVING_BOX, true));
    EXPECT_NEAR(Now() + offset + 3600, ShownMoment(*wizard, IDC_FAX_CALENDAR, IDC_FAX_TIME), 2);
    ASSERT_TRUE(wizard->PressWhenEnabled(kNextButton));
    ASSERT_TRUE(wizard->WaitForActiveIndex(1));
    EXPECT_TRUE(wizard->IsChecked(IDC_DAYLIGHT_SAVING_BOX));
    EXPECT_NEAR(Now() + offset + 3600, ShownMoment(*wizard, IDC_FAX_DATE, IDC_FAX_TIME), 2);
    EXPECT_EQ(0, Cancel(*wizard));
    EXPECT_EQ(0, m_selection.bValid);
}

// With both settings skipped and the printer given, the confirmation is the first page and shows
// neither part; its Back goes nowhere and its clock keeps running; Send sends no job.
TEST_F(FaxSettingsPagesTest, TheConfirmationAsFirstPageKeepsItsClockOnBackAndSendsNothing)
{
    FaxRun run;
    run.printerName = kFaxTcp;
    run.skipCountryCode = true;
    run.skipTime = true;
    auto wizard = Start(run);
    ASSERT_NE(nullptr, wizard->Sheet());
    EXPECT_FALSE(IsShown(*wizard, IDC_CONFIRM_COUNTRY_PART));
    EXPECT_FALSE(IsShown(*wizard, IDC_FAX_DATE));
    ASSERT_TRUE(wizard->PressWhenEnabled(kBackButton));
    EXPECT_EQ(0, wizard->ActiveIndex());
    int64_t shown = ShownMoment(*wizard, IDC_FAX_DATE, IDC_FAX_TIME);
    Sleep(2200);
    EXPECT_LT(shown, ShownMoment(*wizard, IDC_FAX_DATE, IDC_FAX_TIME));

    ASSERT_TRUE(wizard->PressWhenEnabled(kNextButton));
    ASSERT_TRUE(wizard->WaitForActiveIndex(1, 10000));
    EXPECT_TRUE(ReceivedJobs("tcp").empty());
    ASSERT_TRUE(wizard->PressWhenEnabled(kFinishButton));
    ASSERT_TRUE(m_run->WaitForEnd(5000));
    EXPECT_EQ(1, m_selection.bValid);
}

}  // namespace
