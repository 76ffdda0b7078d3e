#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "ConfigText.h"
#include "IntroductionPage.h"
#include "LCDMessageDownloadManager.h"
#include "MessageBoxes.h"
#include "ModalRun.h"
#include "ProgramFiles.h"
#include "ResourceFiles.h"
#include "ResourceIds.h"
#include "ResourcePaths.h"
#include "ResultCodes.h"
#include "SelectLanguagePage.h"
#include "TestConfig.h"
#include "TestPrinters.h"
#include "WizardDriver.h"

namespace {

using namespace test_printers;
using Rows = std::vector<std::vector<std::string>>;

enum { BEFORE, LANGUAGE, AFTER };

const char kEnglish[] = "English (United States)";
const char kJapanese[] = "Japanese";
const char kGerman[] = "German";

// The language page in a real download sheet between two pages it can be left for, run on a
// thread of its own for the sheet's printer and model.
class LanguagePageTest : public ::testing::Test {
protected:
    void Start(const std::string& config, const std::string& printer, const std::string& model,
               const std::string& requested)
    {
        m_config.reset();
        m_config = std::make_unique<ScopedIniFile>(config);
        m_run = std::make_unique<ModalRun>([this, printer, model, requested] {
            CLCDMessageDownloadManager sheet("Lomarel", "enu");
            sheet.SetPrinter(printer, "", "");
            sheet.SetModelName(model);
            sheet.SetRequestedLanguage(requested);
            CIntroductionPage before("enu");
            CSelectLanguagePage language("enu");
            CIntroductionPage after("enu");
            after.SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
            sheet.AddPage(&before);
            sheet.AddPage(&language);
            sheet.AddPage(&after);
            sheet.SetWizardMode();
            sheet.DoModal();
            sheet.GetMessageLanguage(m_strLanguage, m_strLanguageName);
            m_nResult = sheet.GetResult();
        });
        HWND sheet = WaitForWizard(GetCurrentProcessId());
        ASSERT_NE(nullptr, sheet);
        m_wizard = std::make_unique<WizardDriver>(sheet);
    }

    void GoTo(int button, int page)
    {
        ASSERT_TRUE(m_wizard->WaitForButtonEnabled(button, true, 2000));
        ASSERT_TRUE(m_wizard->Press(button));
        ASSERT_TRUE(m_wizard->WaitForActiveIndex(page));
    }

    // Presses Next and answers the confirmation that comes up with `answer`.
    MessageBoxSeen AnswerConfirmation(const std::string& answer)
    {
        EXPECT_TRUE(m_wizard->WaitForButtonEnabled(ID_WIZNEXT, true, 2000));
        EXPECT_TRUE(m_wizard->Press(ID_WIZNEXT));
        HWND box = WaitForMessageBox(GetCurrentProcessId());
        MessageBoxSeen seen = box != nullptr ? ReadMessageBox(box) : MessageBoxSeen();
        EXPECT_TRUE(box != nullptr && PressMessageBoxButton(box, answer));
        return seen;
    }

    void Cancel()
    {
        ASSERT_TRUE(m_wizard->Press(IDCANCEL));
        ASSERT_TRUE(m_run->WaitForEnd(5000));
    }

    void ExpectFailedFill(const std::string& config, int result)
    {
        Start(config, kLaser, "", "");
        GoTo(ID_WIZNEXT, LANGUAGE);
        EXPECT_TRUE(m_wizard->WaitForButtonEnabled(ID_WIZNEXT, false, 2000));
        EXPECT_TRUE(m_wizard->ListRows(IDC_LANGUAGE_LIST).empty());
        GoTo(ID_WIZBACK, BEFORE);
        Cancel();
        EXPECT_EQ(result, m_nResult);
    }

    std::string Text(UINT id) const
    {
        return CResourceLibrary(DownloadTextLibraryPath("enu").c_str()).LoadText(id);
    }

    ScopedResourceFolder m_resources{TestProgramFolder()};
    ScopedIniFile m_version{"[Version]\r\nMainVersion=4.2\r\n", "Version.txt"};
    std::unique_ptr<ScopedIniFile> m_config;
    std::unique_ptr<ModalRun> m_run;
    std::unique_ptr<WizardDriver> m_wizard;
    std::string m_strLanguage, m_strLanguageName;
    std::atomic<int> m_nResult{-1};
};

TEST_F(LanguagePageTest, TheDriversMachineListsItsLanguagesAndJapaneseIsConfirmedFirst)
{
    Start(WithSection(kTestConfig, "Machines", "LT100=enu,jpn,deu\r\n"), kLaser, "", "jpn");
    GoTo(ID_WIZNEXT, LANGUAGE);
    EXPECT_EQ((Rows{{kEnglish}, {kJapanese}, {kGerman}}), m_wizard->ListRows(IDC_LANGUAGE_LIST));
    EXPECT_EQ(1, m_wizard->SelectedListRow(IDC_LANGUAGE_LIST)) << "the requested language";

    // Declining keeps the page, but the choice has already gone to the sheet.
    MessageBoxSeen seen = AnswerConfirmation("&No");
    EXPECT_EQ("Lomarel - Version 4.2", seen.caption);
    EXPECT_EQ(Text(IDS_CONFIRM_JAPANESE_PANEL), seen.text);
    EXPECT_EQ((std::vector<std::string>{"&Yes", "&No"}), seen.buttons);
    EXPECT_EQ(LANGUAGE, m_wizard->ActiveIndex());
    Cancel();
    EXPECT_EQ(0, m_nResult);
    EXPECT_EQ("jpn", m_strLanguage);
    EXPECT_EQ(kJapanese, m_strLanguageName);

    // An item with a blank after its comma is no Language key; a key the texts do not pair ends
    // the search at the table's end. Either way nothing can be chosen.
    ExpectFailedFill(WithSection(kTestConfig, "Machines", "LT100=enu, jpn\r\n"),
                     ERR_INI_MACHINE_LANGUAGE);
    std::string unpaired = WithSection(kTestConfig, "Language", "enu=English\r\nxyz=Unpaired\r\n");
    ExpectFailedFill(WithSection(unpaired, "Machines", "LT100=enu,xyz\r\n"), ERR_RESOURCE_LIBRARY);
}

TEST_F(LanguagePageTest, AnUnsupportedDriverListsTheModelsLanguagesAndOnlyEnglishGoesUnasked)
{
    Start(WithSection(kTestConfig, "PanelRestriction", "Other=TRUE\r\n"), kPlain, "LT-200", "deu");
    GoTo(ID_WIZNEXT, LANGUAGE);
    EXPECT_EQ((Rows{{kEnglish}, {kJapanese}, {kGerman}}), m_wizard->ListRows(IDC_LANGUAGE_LIST));
    EXPECT_EQ(2, m_wizard->SelectedListRow(IDC_LANGUAGE_LIST));
    ASSERT_TRUE(m_wizard->SelectListRow(IDC_LANGUAGE_LIST, kEnglish));
    GoTo(ID_WIZNEXT, AFTER);

    // Coming back keeps the choice over the requested one; another language is asked about.
    GoTo(ID_WIZBACK, LANGUAGE);
    EXPECT_EQ(0, m_wizard->SelectedListRow(IDC_LANGUAGE_LIST));
    ASSERT_TRUE(m_wizard->SelectListRow(IDC_LANGUAGE_LIST, kGerman));
    MessageBoxSeen seen = AnswerConfirmation("&Yes");
    EXPECT_EQ(Text(IDS_CONFIRM_OTHER_PANEL), seen.text);
    ASSERT_TRUE(m_wizard->WaitForActiveIndex(AFTER));
    Cancel();
    EXPECT_EQ(0, m_nResult);
    EXPECT_EQ("deu", m_strLanguage);
    EXPECT_EQ(kGerman, m_strLanguageName);
}

}  // namespace
