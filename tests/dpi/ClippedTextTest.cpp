// Walks every page of the three wizards, as the install folder's libraries show them at the DPI
// the prefix is set to, and measures each text with its control's own font against the room the
// control gives it. Texts that do not fit and controls that reach past their page fail the test.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DisplayDpi.h"
#include "FunctionExports.h"
#include "LanguageFiles.h"
#include "ModalRun.h"
#include "PostedMessages.h"
#include "PrinterSelection.h"
#include "ProgramFiles.h"
#include "ResourceFiles.h"
#include "ResourceIds.h"
#include "TestConfig.h"
#include "TestPrinters.h"
#include "TextFit.h"
#include "WaitFor.h"
#include "WizardDriver.h"

namespace {

using namespace test_printers;

const DWORD kPageTimeoutMs = 15000;

template <typename Export>
Export InstalledExport(const char* library, const char* name)
{
    HMODULE module = LoadLibraryA((InstallFolder() + library).c_str());
    return module == nullptr ? nullptr
                             : reinterpret_cast<Export>(
                                   reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// One wizard at a time, run on a thread of its own; every page it passes is measured.
class ClippedText : public ::testing::Test {
protected:
    static const char* Language() { return GetACP() == 932 ? "jpn" : "enu"; }

    // Runs the export, then `walk` with the driver; the walk measures with Check.
    void Walk(const char* wizardName, const std::function<int()>& run,
              const std::function<void(WizardDriver&)>& walk)
    {
        m_strWizard = wizardName;
        ModalRun modal([&] { run(); });
        HWND sheet = WaitForWizard(GetCurrentProcessId(), kPageTimeoutMs);
        ASSERT_NE(nullptr, sheet) << wizardName;
        WizardDriver wizard(sheet);
        m_threadId = modal.ThreadId();
        walk(wizard);
        EXPECT_TRUE(modal.WaitForEnd(kPageTimeoutMs)) << wizardName << " did not end";
    }

    void Check(const WizardDriver& wizard)
    {
        WaitForPostedMessagesHandled(m_threadId);
        std::string where = m_strWizard + " page " + std::to_string(wizard.ActiveIndex() + 1) +
                            ", " + Language() + " at " + std::to_string(DisplayDpi()) + " DPI";
        for (const TextShortfall& miss : FindClippedTexts(wizard.Sheet(), wizard.ActivePage()))
            ADD_FAILURE() << where << ": control " << miss.controlId << " \"" << miss.text
                          << "\" " << miss.Describe();
    }

    // Measures the page, then presses the button and waits for the next page.
    void CheckAndPress(const WizardDriver& wizard, int button = kNextButton)
    {
        Check(wizard);
        int page = wizard.ActiveIndex();
        ASSERT_TRUE(wizard.PressWhenEnabled(button, kPageTimeoutMs)) << m_strWizard << " " << page;
        if (button != kNextButton)
            return;
        ASSERT_TRUE(WaitFor([&] { return wizard.ActiveIndex() != page; }, kPageTimeoutMs))
            << m_strWizard << " stays on page " << page + 1;
    }

    ScopedResourceFolder m_resources{TestProgramFolder()};
    ScopedIniFile m_version{"[Version]\r\nMainVersion=4.2\r\n", "Version.txt"};
    ScopedIniFile m_config{kTestConfig};
    ScopedLanguageFiles m_languageFiles{TestProgramFolder(), kTestConfig};
    std::string m_strWizard;
    DWORD m_threadId = 0;
};

}  // namespace

TEST_F(ClippedText, TheDisplayRunsAtTheDpiTheRunAskedFor)
{
    const char* expected = std::getenv("LOMAREL_TEST_DPI");
    ASSERT_NE(nullptr, expected) << "run through run-at-dpi.sh";
    EXPECT_EQ(std::atoi(expected), DisplayDpi());
}

// The check itself: a sheet whose page has a one-line text too narrow for it, a wrapped text too
// low for its lines, a check box beside its mark and a button that reaches past the page.
TEST(TextFit, FindsTextsThatDoNotFitAndControlsPastThePage)
{
    // Places in 96 DPI pixels, as the font grows with the display's scale.
    auto at = [](int pixels) { return ScaleToDisplay(pixels); };
    HWND sheet = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, at(400), at(300), nullptr,
                                 nullptr, nullptr, nullptr);
    HWND page = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, at(300), at(200),
                                sheet, nullptr, nullptr, nullptr);
    auto add = [&](const char* kind, const char* text, DWORD style, int id, RECT r) {
        HWND control = CreateWindowExA(0, kind, text, WS_CHILD | WS_VISIBLE | style, at(r.left),
                                       at(r.top), at(r.right) - at(r.left),
                                       at(r.bottom) - at(r.top), page,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       nullptr, nullptr);
        SendMessageA(control, WM_SETFONT,
                     reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    };
    const char kLong[] = "A sentence far too long for the little room it has";
    add("Static", kLong, SS_LEFTNOWORDWRAP, 1, {0, 0, 40, 20});
    add("Static", kLong, SS_LEFT, 2, {0, 30, 100, 45});
    add("Button", "Fits", BS_AUTOCHECKBOX, 3, {0, 60, 200, 80});
    add("Button", "OK", BS_PUSHBUTTON, 4, {260, 180, 320, 210});

    std::vector<TextShortfall> found = FindClippedTexts(sheet, page);
    DestroyWindow(sheet);
    ASSERT_EQ(3u, found.size()) << found.back().controlId << " " << found.back().Describe();
    EXPECT_EQ(1, found[0].controlId);
    EXPECT_GT(found[0].missingWidth, 100);
    EXPECT_EQ(2, found[1].controlId);
    EXPECT_EQ(0, found[1].missingWidth);
    EXPECT_GT(found[1].missingHeight, 10);
    EXPECT_EQ(4, found[2].controlId);
    int past = at(320) - at(300);
    EXPECT_EQ(past, found[2].pastPage);
    EXPECT_EQ(std::to_string(past) + " px past the page", found[2].Describe());
}

TEST_F(ClippedText, EveryPageOfTheChooserFits)
{
    auto choose = InstalledExport<SelectFunctionExport>("Carvesh.dll", "SelectFunction");
    ASSERT_NE(nullptr, choose);
    int answers[3] = {};
    Walk("chooser", [&] { return choose(Language(), &answers[0], &answers[1], &answers[2]); },
         [&](WizardDriver& wizard) {
             ASSERT_TRUE(wizard.SetChecked(IDC_COUNTRY_CODE_BOX, true));
             CheckAndPress(wizard, kFinishButton);
         });
}

TEST_F(ClippedText, EveryPageOfTheFaxSetupFits)
{
    auto faxSetup = InstalledExport<FaxSetupExport>("Tollimar.dll", "KyvFaxSetup");
    ASSERT_NE(nullptr, faxSetup);
    PRINTER_SELECTION selection = {};
    Walk("fax setup",
         [&] { return faxSetup(nullptr, Language(), 0, nullptr, 0, 0, 0, &selection); },
         [&](WizardDriver& wizard) {
             CheckAndPress(wizard);
             // Every printer, and one without a model of its own, so that the model page shows.
             ASSERT_TRUE(wizard.SetChecked(IDC_SHOW_ALL_PRINTERS, true));
             ASSERT_TRUE(wizard.SelectListRow(IDC_PRINTER_LIST, kPlain));
             CheckAndPress(wizard);
             ASSERT_TRUE(wizard.PageHasControl(IDC_MODEL_LIST));
             ASSERT_TRUE(wizard.SelectListRow(IDC_MODEL_LIST,
                                              wizard.ListFirstCells(IDC_MODEL_LIST).at(0)));
             for (int page = 0; page < 4; ++page)  // model, country code, time, confirmation
                 CheckAndPress(wizard);
             CheckAndPress(wizard, kFinishButton);
         });
}

TEST_F(ClippedText, EveryPageOfTheMessageDownloadFits)
{
    auto download =
        InstalledExport<DownloadToPrinterExport>("Zembrak.dll", "KyvMsgdlDownloadToPrinter");
    ASSERT_NE(nullptr, download);
    PRINTER_SELECTION noPreset = {};
    Walk("message download", [&] { return download(nullptr, nullptr, 0, 0, &noPreset); },
         [&](WizardDriver& wizard) {
             CheckAndPress(wizard);
             ASSERT_TRUE(wizard.SetChecked(IDC_SHOW_ALL_PRINTERS, true));
             ASSERT_TRUE(wizard.SelectListRow(IDC_PRINTER_LIST, kPlain));
             CheckAndPress(wizard);
             ASSERT_TRUE(wizard.PageHasControl(IDC_MODEL_LIST));
             ASSERT_TRUE(wizard.SelectListRow(IDC_MODEL_LIST, "LT-200"));
             CheckAndPress(wizard);
             ASSERT_TRUE(
                 WaitFor([&] { return !wizard.ListFirstCells(IDC_LANGUAGE_LIST).empty(); }));
             ASSERT_TRUE(wizard.SelectListRow(IDC_LANGUAGE_LIST,
                                              wizard.ListFirstCells(IDC_LANGUAGE_LIST).at(0)));
             // language, menu print, version, download
             for (int page = 0; page < 4; ++page)
                 CheckAndPress(wizard);
             CheckAndPress(wizard, kFinishButton);
         });
}
