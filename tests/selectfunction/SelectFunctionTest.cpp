#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "MessageBoxes.h"
#include "ModalRun.h"
#include "ProgramFiles.h"
#include "PropertySheet.h"
#include "ResourceFiles.h"
#include "ResourceIds.h"
#include "WizardDriver.h"

namespace {

using SelectFunctionExport = int(WINAPI*)(const char*, int*, int*, int*);

const int kUntouched = 7;
const int kResourceLibraryError = 0x50001;
const int kWizardButtons[] = {ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH, IDCANCEL};

struct Answers {
    int first = kUntouched;
    int second = kUntouched;
    int third = kUntouched;
};

bool operator==(const Answers& a, const Answers& b)
{
    return a.first == b.first && a.second == b.second && a.third == b.third;
}

// The chooser of the install folder, called in this process with the libraries of the install
// folder beside the test program, where the chooser looks for them.
class SelectFunctionTest : public ::testing::Test {
protected:
    SelectFunctionTest()
    {
        m_hLibrary = LoadLibraryA((InstallFolder() + "Carvesh.dll").c_str());
        m_pSelectFunction = reinterpret_cast<SelectFunctionExport>(
            reinterpret_cast<void*>(GetProcAddress(m_hLibrary, "SelectFunction")));
    }
    ~SelectFunctionTest() override { FreeLibrary(m_hLibrary); }

    void SetUp() override { ASSERT_NE(nullptr, m_pSelectFunction); }

    // Calls the chooser on a thread of its own; a driver works on its wizard when one shows.
    void Start(const char* language)
    {
        m_run = std::make_unique<ModalRun>([this, language] {
            m_nResult = m_pSelectFunction(language, &m_answers.first, &m_answers.second,
                                          &m_answers.third);
        });
    }

    WizardDriver Wizard()
    {
        HWND sheet = WaitForWizard(GetCurrentProcessId());
        EXPECT_NE(nullptr, sheet);
        return WizardDriver(sheet);
    }

    // Ends the run with `button`, once the wizard offers it.
    void EndWith(WizardDriver& wizard, int button)
    {
        ASSERT_TRUE(wizard.WaitForButtonEnabled(button, true, 2000));
        ASSERT_TRUE(wizard.Press(button));
        ASSERT_TRUE(m_run->WaitForEnd(5000));
    }

    HMODULE m_hLibrary;
    SelectFunctionExport m_pSelectFunction;
    ScopedResourceFolder m_resources{TestProgramFolder()};
    ScopedIniFile m_version{"[Version]\r\nMainVersion=4.2\r\n", "Version.txt"};
    std::unique_ptr<ModalRun> m_run;
    std::atomic<int> m_nResult{-1};
    Answers m_answers;
};

TEST_F(SelectFunctionTest, FinishWritesTheTicksOfTheThreeBoxes)
{
    Start("enuXYZ");  // only three letters of a longer code count
    WizardDriver wizard = Wizard();
    EXPECT_EQ("Lomarel Printer Setup - Version 4.2", wizard.Title());
    EXPECT_FALSE(wizard.Button(ID_WIZBACK).visible);
    EXPECT_EQ("&Next >", wizard.Button(ID_WIZFINISH).caption);
    EXPECT_EQ("Cancel", wizard.Button(IDCANCEL).caption);

    ASSERT_TRUE(wizard.SetChecked(IDC_COUNTRY_CODE_BOX, true));
    ASSERT_TRUE(wizard.SetChecked(IDC_DOWNLOAD_BOX, true));
    EndWith(wizard, ID_WIZFINISH);
    EXPECT_EQ(0, m_nResult);
    EXPECT_EQ((Answers{1, 0, 1}), m_answers);
}

// Run by a Japanese user, whose ANSI code page holds the Japanese texts.
using JapaneseSelectFunctionTest = SelectFunctionTest;

TEST_F(JapaneseSelectFunctionTest, CancelWritesZerosWhateverIsTicked)
{
    Start("jpn");
    WizardDriver wizard = Wizard();
    EXPECT_EQ("\x83\x4c\x83\x83\x83\x93\x83\x5a\x83\x8b", wizard.Button(IDCANCEL).caption)
        << "the Japanese for Cancel in code page 932";
    ASSERT_TRUE(wizard.SetChecked(IDC_TIME_BOX, true));
    EndWith(wizard, IDCANCEL);
    EXPECT_EQ(0, m_nResult);
    EXPECT_EQ((Answers{0, 0, 0}), m_answers);
}

TEST_F(SelectFunctionTest, FinishIsOfferedWhileABoxIsTicked)
{
    Start("enu");
    WizardDriver wizard = Wizard();
    EXPECT_TRUE(wizard.Button(ID_WIZFINISH).visible);
    EXPECT_FALSE(wizard.Button(ID_WIZFINISH).enabled);

    ASSERT_TRUE(wizard.SetChecked(IDC_TIME_BOX, true));
    EXPECT_TRUE(wizard.WaitForButtonEnabled(ID_WIZFINISH, true, 2000));
    ASSERT_TRUE(wizard.SetChecked(IDC_TIME_BOX, false));
    EXPECT_TRUE(wizard.WaitForButtonEnabled(ID_WIZFINISH, false, 2000));
    EXPECT_FALSE(wizard.Button(ID_WIZNEXT).enabled);
    EXPECT_FALSE(wizard.Press(ID_WIZFINISH));

    ASSERT_TRUE(wizard.SetChecked(IDC_DOWNLOAD_BOX, true));
    EndWith(wizard, ID_WIZFINISH);
    EXPECT_EQ((Answers{0, 0, 1}), m_answers);
}

TEST_F(SelectFunctionTest, MissingTextLibraryIsReportedOnceAndLeavesTheAnswers)
{
    Start("xyz");
    HWND box = WaitForMessageBox(GetCurrentProcessId());
    ASSERT_NE(nullptr, box);
    MessageBoxSeen seen = ReadMessageBox(box);
    EXPECT_EQ("Lomarel", seen.caption);
    EXPECT_EQ("Cannot run Lomarel - a required file is missing.", seen.text);
    EXPECT_TRUE(seen.hasIcon);
    ASSERT_TRUE(PressMessageBoxButton(box));

    ASSERT_TRUE(m_run->WaitForEnd(5000)) << "a second box or a wizard";
    EXPECT_EQ(0, m_nResult);
    EXPECT_EQ(Answers{}, m_answers);
}

// A library that opens but lacks the page's template shows no sheet, which would have no page.
TEST_F(SelectFunctionTest, TextLibraryWithoutThePageIsAMissingFile)
{
    m_resources.Add(InstallFolder() + "Resource\\Nivadenu.dll", "Pluvetnvd.dll");
    Start("nvd");
    HWND box = WaitForMessageBox(GetCurrentProcessId());
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("Cannot run Lomarel - a required file is missing.", ReadMessageBox(box).text);
    ASSERT_TRUE(PressMessageBoxButton(box));
    ASSERT_TRUE(m_run->WaitForEnd(5000));
    EXPECT_EQ(kResourceLibraryError, m_nResult);
    EXPECT_EQ(Answers{}, m_answers);
}

TEST_F(SelectFunctionTest, ImageLibraryMissingDuringTheRunLeavesTheAnswers)
{
    m_resources.Remove("Sorbelt.dll");
    Start("enu");
    WizardDriver wizard = Wizard();
    ASSERT_TRUE(wizard.SetChecked(IDC_COUNTRY_CODE_BOX, true));
    EndWith(wizard, ID_WIZFINISH);
    EXPECT_EQ(kResourceLibraryError, m_nResult);
    EXPECT_EQ(Answers{}, m_answers);
}

// Button rectangles in the sheet's client coordinates.
std::vector<RECT> ButtonPlaces(WizardDriver& wizard)
{
    std::vector<RECT> places;
    for (int button : kWizardButtons) {
        RECT bounds = wizard.Button(button).rect;
        MapWindowPoints(HWND_DESKTOP, wizard.Sheet(), reinterpret_cast<POINT*>(&bounds), 2);
        places.push_back(bounds);
    }
    return places;
}

int Width(const RECT& bounds) { return bounds.right - bounds.left; }

TEST_F(SelectFunctionTest, LongCaptionsWidenTheButtonsKeepingCancelsRightEdge)
{
    Start("enu");
    WizardDriver shortCaptions = Wizard();
    std::vector<RECT> before = ButtonPlaces(shortCaptions);
    // Short captions leave the buttons at the width the wizard gives them, that of its (hidden)
    // Help button, which is never widened.
    int standard = Width(shortCaptions.Button(IDHELP).rect);
    for (const RECT& place : before)
        EXPECT_EQ(standard, Width(place));
    EndWith(shortCaptions, IDCANCEL);

    m_resources.Add(TestProgramFolder() + "Pluvetxxl.dll", "Pluvetxxl.dll");
    Start("xxl");
    WizardDriver longCaptions = Wizard();
    std::vector<RECT> after = ButtonPlaces(longCaptions);
    enum { BACK, NEXT, FINISH, CANCEL };
    int d = Width(after[CANCEL]) - Width(before[CANCEL]);
    ASSERT_GT(d, 0);
    EXPECT_EQ(before[CANCEL].right, after[CANCEL].right);
    EXPECT_EQ(before[NEXT].left - 2 * d, after[NEXT].left);
    EXPECT_EQ(before[NEXT].right - d, after[NEXT].right);
    EXPECT_EQ(before[BACK].left - 3 * d, after[BACK].left);
    EXPECT_EQ(before[BACK].right - 2 * d, after[BACK].right);
    for (int button : {BACK, NEXT, FINISH}) {
        EXPECT_EQ(Width(after[CANCEL]), Width(after[button]));
        EXPECT_EQ(before[CANCEL].top, after[button].top);
    }
    EXPECT_EQ(after[NEXT].left, after[FINISH].left);

    // The widest caption fits its button in the font the button draws it with.
    HWND finish = GetDlgItem(longCaptions.Sheet(), ID_WIZFINISH);
    HDC dc = GetDC(finish);
    HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(finish, WM_GETFONT, 0, 0)));
    const char widest[] = "Send the settings to the printer now";
    SIZE text;
    GetTextExtentPoint32A(dc, widest, sizeof widest - 1, &text);
    SelectObject(dc, font);
    ReleaseDC(finish, dc);
    EXPECT_LT(text.cx, Width(after[FINISH]));
    EndWith(longCaptions, IDCANCEL);
}

}  // namespace
