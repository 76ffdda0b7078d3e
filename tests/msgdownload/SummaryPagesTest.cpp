#include <gtest/gtest.h>

#include <windows.h>

#include <string.h>

#include <atomic>
#include <memory>
#include <string>

#include "ConfigText.h"
#include "DownloadMessagePage.h"
#include "IntroductionPage.h"
#include "LanguageFileWriter.h"
#include "LanguageFiles.h"
#include "MessageVersionPage.h"
#include "ModalRun.h"
#include "ProgramFiles.h"
#include "ReceivedJobs.h"
#include "ResourceFiles.h"
#include "ResourceIds.h"
#include "ResultCodes.h"
#include "TestConfig.h"
#include "TestPrinters.h"
#include "WizardDriver.h"

namespace {

using namespace test_printers;

enum { BEFORE, VERSION, DOWNLOAD, AFTER };

const char kPlainPort[] = "C:\\test-out\\plain.prn";
const std::string kEnglishFile = TestProgramFolder() + "LT100\\English.lng";
const std::string kPicture = TestProgramFolder() + "LT100\\picture.bmp";

void WriteEnglishFile(const std::string& version1Max)
{
    WriteTextFile(kEnglishFile, BuildLanguageFile(StandardHeader("LT100", "ENGLISH", "1.00",
                                                                 version1Max), "messages"));
}

// A 24-bit bitmap of 40 x 30 pixels.
void WritePicture()
{
    BITMAPINFOHEADER info = {sizeof info, 40, 30, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const DWORD headers = sizeof(BITMAPFILEHEADER) + sizeof info;
    BITMAPFILEHEADER file = {0x4d42, headers + 120 * 30, 0, 0, headers};
    WriteTextFile(kPicture, std::string(reinterpret_cast<const char*>(&file), sizeof file) +
                                std::string(reinterpret_cast<const char*>(&info), sizeof info) +
                                std::string(120 * 30, '\x7f'));
}

// The version and download pages in a real download sheet between two other pages, on a thread
// of their own, with the sheet's state preset as the earlier pages leave it.
class SummaryPagesTest : public ::testing::Test {
protected:
    void Start(const char* printer, const char* port, const char* driver, const char* model,
               const char* uiLanguage, int firstPage)
    {
        m_run = std::make_unique<ModalRun>([=] {
            CLCDMessageDownloadManager sheet("Download", uiLanguage, nullptr, firstPage);
            sheet.SetPrinter(printer, port, driver);
            sheet.SetModelName(model);
            sheet.SetMessageLanguage("enu");
            sheet.SetMessageLanguageName("English");
            CIntroductionPage before(uiLanguage);
            CMessageVersionPage version(uiLanguage);
            CDownloadMessagePage download(uiLanguage);
            CIntroductionPage after(uiLanguage);
            sheet.AddPage(&before);
            sheet.AddPage(&version);
            sheet.AddPage(&download);
            sheet.AddPage(&after);
            sheet.SetWizardMode();
            sheet.DoModal();
            m_nResult = sheet.GetResult();
        });
        m_wizard = std::make_unique<WizardDriver>(WaitForWizard(GetCurrentProcessId()));
        ASSERT_TRUE(m_wizard->WaitForActiveIndex(firstPage));
    }

    // The picture must not outlive a test that stopped early: its folder goes with the files.
    void TearDown() override { DeleteFileA(kPicture.c_str()); }

    void GoTo(int button, int page)
    {
        ASSERT_TRUE(m_wizard->WaitForButtonEnabled(button, true, 2000));
        ASSERT_TRUE(m_wizard->Press(button));
        ASSERT_TRUE(m_wizard->WaitForActiveIndex(page));
    }

    int CancelAndResult()
    {
        EXPECT_TRUE(m_wizard->Press(IDCANCEL));
        EXPECT_TRUE(m_run->WaitForEnd(5000));
        return m_nResult;
    }

    HWND Control(int id) const { return GetDlgItem(m_wizard->ActivePage(), id); }
    bool Visible(int id) const { return IsWindowVisible(Control(id)) != FALSE; }

    // A bitmap control takes its bitmap's size.
    RECT ImageRect() const
    {
        RECT rect = {};
        GetWindowRect(Control(IDC_VERSION_IMAGE), &rect);
        return rect;
    }

    ScopedIniFile m_config{kTestConfig};
    ScopedResourceFolder m_resources{TestProgramFolder()};
    ScopedLanguageFiles m_languageFiles{TestProgramFolder(), kTestConfig};
    std::unique_ptr<ModalRun> m_run;
    std::unique_ptr<WizardDriver> m_wizard;
    std::atomic<int> m_nResult{-1};
};

TEST_F(SummaryPagesTest, VersionPageShowsTheChosenFilesVersionsPictureAndWebLink)
{
    WriteEnglishFile("1.05");
    WritePicture();
    Start(kLaser, kLaserPort, kLaserDriver, "", "enu", VERSION);
    EXPECT_EQ("Message version: 1.00 to 1.05", m_wizard->ControlText(IDC_VERSION_TEXT));
    // The picture beside the file, centred where the template's control was.
    RECT image = ImageRect();
    EXPECT_EQ(40, image.right - image.left);
    EXPECT_EQ(30, image.bottom - image.top);
    RECT bounds = {121, 52, 121 + 186, 52 + 90};
    MapDialogRect(m_wizard->ActivePage(), &bounds);
    MapWindowPoints(m_wizard->ActivePage(), nullptr, reinterpret_cast<POINT*>(&bounds), 2);
    auto expectCentred = [&](const RECT& rect) {
        EXPECT_NEAR(bounds.left + bounds.right, rect.left + rect.right, 2);
        EXPECT_NEAR(bounds.top + bounds.bottom, rect.top + rect.bottom, 2);
    };
    expectCentred(image);
    EXPECT_TRUE(Visible(IDC_LINK_TEXT) && Visible(IDC_LINK_BUTTON));

    // Read again on the next visit: a version too long for the control's two lines is cut short,
    // a folder without a picture shows the library's, and a link to a local program is none.
    GoTo(ID_WIZBACK, BEFORE);
    DeleteFileA(kPicture.c_str());
    WriteEnglishFile("1." + std::string(400, '7'));
    ScopedIniFile localLink(WithSection(kTestConfig, "Link", "enu=C:\\windows\\notepad.exe\r\n"));
    GoTo(ID_WIZNEXT, VERSION);
    std::string text = m_wizard->ControlText(IDC_VERSION_TEXT);
    EXPECT_EQ(0u, text.find("Message version: 1.00 to 1.77")) << text;
    EXPECT_EQ(text.size() - 3, text.rfind("...")) << text;
    image = ImageRect();
    EXPECT_EQ(128, image.right - image.left);  // the library's bitmap
    expectCentred(image);
    EXPECT_FALSE(Visible(IDC_LINK_TEXT) || Visible(IDC_LINK_BUTTON));
    EXPECT_EQ(0, CancelAndResult());
}

TEST_F(SummaryPagesTest, DownloadPageSumsUpAModelChoiceAndItsNextSendsTheFile)
{
    DeleteFileA(kPlainPort);
    Start(kPlain, kPlainPort, kPlainDriver, "LT-200", "enu", DOWNLOAD);
    EXPECT_EQ("English", m_wizard->ControlText(IDC_SUMMARY_LANGUAGE));
    EXPECT_EQ(std::string(kPlain) + " on " + kPlainPort,
              m_wizard->ControlText(IDC_SUMMARY_PRINTER));
    EXPECT_TRUE(Visible(IDC_SUMMARY_MODEL_LABEL));
    EXPECT_EQ("LT-200", m_wizard->ControlText(IDC_SUMMARY_MODEL));
    EXPECT_EQ("2.00", m_wizard->ControlText(IDC_SUMMARY_VERSION));
    EXPECT_EQ("&Download", m_wizard->Button(ID_WIZNEXT).caption);

    GoTo(ID_WIZNEXT, AFTER);
    EXPECT_TRUE(ReadTextFile(kPlainPort) ==
                DownloadJob(TestProgramFolder() + "LT200\\English.lng"));
    EXPECT_EQ(0, CancelAndResult());
}

// The Japanese printer text names the printer, then its port; the ASCII names are what the test
// can read whatever the code page makes of the rest.
TEST_F(SummaryPagesTest, LanguageFileThatVanishedBeforeTheDownloadIsReportedAndNothingIsSent)
{
    DeleteFileA(kLaserPort);
    Start(kLaser, kLaserPort, kLaserDriver, "", "jpn", DOWNLOAD);
    std::string printerText = m_wizard->ControlText(IDC_SUMMARY_PRINTER);
    EXPECT_EQ(0u, printerText.find(kLaser)) << printerText;
    EXPECT_EQ(printerText.size() - strlen(kLaserPort) - 1, printerText.rfind(kLaserPort))
        << printerText;
    EXPECT_FALSE(Visible(IDC_SUMMARY_MODEL_LABEL));
    EXPECT_EQ("1.00", m_wizard->ControlText(IDC_SUMMARY_VERSION));

    ASSERT_TRUE(DeleteFileA(kEnglishFile.c_str()));
    GoTo(ID_WIZNEXT, AFTER);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kLaserPort));
    EXPECT_EQ(LNG_ERR_NOT_FOUND, CancelAndResult());
}

}  // namespace
