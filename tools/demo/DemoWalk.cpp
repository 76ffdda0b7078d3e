// Starts a program and walks through the wizards it shows as a user who takes every default
// would, saving a picture of each page it passes:
//   DemoWalk.exe <output folder> <program> [arguments]
// The function chooser gets all its boxes ticked, so the fax setup and then the message download
// follow; message boxes are answered with their first button and reported; every other wizard
// page goes on with Next (Send on the fax confirmation page), the last with Finish.
// The wizards run in the other process, so nothing here can wait for its queue to drain: each
// step waits for what a user would see change. Exits with 0 when the program ended on its own
// within the time allowed, otherwise 1; the program's full exit code is printed.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "MessageBoxes.h"
#include "ResourceIds.h"
#include "WaitFor.h"
#include "WindowImage.h"
#include "WizardDriver.h"

namespace {

const DWORD kRunTimeoutMs = 180000;
const DWORD kStepTimeoutMs = 30000;
const DWORD kSettleMs = 200;
const DWORD kPollMs = 50;

// One wizard of the launcher: its pages, told apart by a control only that page has, and the
// names of the two pages that have none of their own.
struct PageControl {
    int id;
    const char* name;
};
struct WizardPages {
    std::vector<PageControl> pages;
    const char* firstPage;  // offers no Finish
    const char* lastPage;   // offers Finish
};

// The two wizards' pages share control ids: a page is named by its wizard too.
const WizardPages kChooser = {{{IDC_DOWNLOAD_BOX, "select-function"}}, "", ""};
const WizardPages kFaxSetup = {{{IDC_PRINTER_LIST, "fax-printer"},
                                {IDC_MODEL_LIST, "fax-model"},
                                {IDC_COUNTRY_LIST, "fax-country-code"},
                                {IDC_FAX_CALENDAR, "fax-time"},
                                {IDC_CONFIRM_COUNTRY_PART, "fax-confirm"}},
                               "fax-introduction",
                               "fax-complete"};
const WizardPages kDownload = {{{IDC_PRINTER_LIST, "download-printer"},
                                {IDC_MODEL_LIST, "download-model"},
                                {IDC_LANGUAGE_LIST, "download-language"},
                                {IDC_VERSION_TEXT, "download-version"},
                                {IDC_PRINT_MENU_BUTTON, "download-menu-print"},
                                {IDC_SUMMARY_PRINTER, "download-download"}},
                               "download-introduction",
                               "download-conclusion"};

std::string PageName(const WizardPages& wizardPages, const WizardDriver& wizard)
{
    for (const PageControl& page : wizardPages.pages) {
        if (wizard.PageHasControl(page.id))
            return page.name;
    }
    return wizard.Button(kFinishButton).enabled ? wizardPages.lastPage : wizardPages.firstPage;
}

// A button's caption as the user reads it.
std::string Caption(const ButtonState& button)
{
    std::string caption;
    for (char c : button.caption) {
        if (c != '&')
            caption += c;
    }
    return caption;
}

// Once two pictures a moment apart agree, the page has painted what it shows.
bool SaveSettled(HWND window, const std::string& path)
{
    CWindowImage image;
    return CaptureSteady(window, image, kSettleMs, kStepTimeoutMs) && image.SaveBmp(path.c_str());
}

class Walk {
public:
    Walk(const PROCESS_INFORMATION& process, std::string folder)
        : m_process(process), m_strFolder(std::move(folder))
    {
    }

    bool Ended() const { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0; }

    // One thing a user would do next; false when the program shows something that cannot be
    // answered or does not react.
    bool Step()
    {
        if (HWND box = FindMessageBox(m_process.dwProcessId))
            return AnswerBox(box);
        if (HWND sheet = FindWizard(m_process.dwProcessId))
            return GoOn(WizardDriver(sheet));
        Sleep(kPollMs);
        return true;
    }

private:
    bool AnswerBox(HWND box)
    {
        MessageBoxSeen seen = ReadMessageBox(box);
        std::printf("   message box \"%s\": %s -> %s\n", seen.caption.c_str(), seen.text.c_str(),
                    seen.buttons.empty() ? "?" : seen.buttons.front().c_str());
        return PressMessageBoxButton(box) && WaitFor([&] { return !IsWindow(box); }, kStepTimeoutMs);
    }

    bool GoOn(const WizardDriver& wizard)
    {
        HWND page = wizard.ActivePage();
        // The fax setup's sheet has the chooser's title: their texts come from one library.
        const WizardPages* pages = wizard.Title() == m_strChooserTitle ? &kFaxSetup : &kDownload;
        if (wizard.PageHasControl(IDC_DOWNLOAD_BOX)) {
            pages = &kChooser;
            m_strChooserTitle = wizard.Title();
            for (int box : {IDC_COUNTRY_CODE_BOX, IDC_TIME_BOX, IDC_DOWNLOAD_BOX}) {
                if (!Tick(wizard, box))
                    return Report("cannot tick the chooser's boxes");
            }
        }
        // A page may offer its button only once it has chosen its default; the picture shows
        // the page as it is left.
        int button = 0;
        WaitFor([&] {
            for (int candidate : {kNextButton, kFinishButton}) {
                ButtonState state = wizard.Button(candidate);
                if (button == 0 && state.visible && state.enabled)
                    button = candidate;
            }
            return button != 0;
        }, kStepTimeoutMs);
        std::string name = PageName(*pages, wizard);
        char number[8];
        std::snprintf(number, sizeof number, "%02d-", ++m_nPages);
        std::string path = m_strFolder + "\\" + number + name + ".bmp";
        if (!SaveSettled(wizard.Sheet(), path))
            return Report("cannot save a picture of the page " + name);
        if (button == 0)
            return Report("no Next or Finish to press on " + name);
        std::printf("   page %s (%s) -> %s\n", name.c_str(), path.c_str(),
                    Caption(wizard.Button(button)).c_str());
        if (!wizard.Press(button))
            return Report("cannot press " + Caption(wizard.Button(button)) + " on " + name);
        // A question on the way is answered as a user who takes every default would; a page that
        // stays after that has refused to go on, and its box told why.
        auto left = [&] {
            return Ended() || !IsWindow(wizard.Sheet()) || wizard.ActivePage() != page;
        };
        bool moved = WaitFor([&] {
            return left() || FindMessageBox(m_process.dwProcessId) != nullptr;
        }, kStepTimeoutMs);
        if (moved && !left()) {
            HWND box = FindMessageBox(m_process.dwProcessId);
            moved = AnswerBox(box) && WaitFor(left, kStepTimeoutMs);
        }
        return moved || Report("the wizard stayed on " + name);
    }

    bool Tick(const WizardDriver& wizard, int box)
    {
        HWND control = GetDlgItem(wizard.ActivePage(), box);
        if (!wizard.IsChecked(box))
            PostMessageA(control, BM_CLICK, 0, 0);
        return WaitFor([&] { return wizard.IsChecked(box); }, kStepTimeoutMs) &&
               WaitFor([&] { return wizard.Button(kFinishButton).enabled; }, kStepTimeoutMs);
    }

    static bool Report(const std::string& problem)
    {
        std::fprintf(stderr, "DemoWalk: %s\n", problem.c_str());
        return false;
    }

    PROCESS_INFORMATION m_process;
    std::string m_strFolder;
    std::string m_strChooserTitle;
    int m_nPages = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: DemoWalk.exe <output folder> <program> [arguments]\n");
        return 2;
    }
    std::string commandLine = std::string("\"") + argv[2] + "\"";
    for (int i = 3; i < argc; ++i)
        commandLine += std::string(" ") + argv[i];
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(argv[2], &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "DemoWalk: cannot start %s (error %lu)\n", argv[2], GetLastError());
        return 1;
    }

    Walk walk(process, argv[1]);
    DWORD started = GetTickCount();
    bool going = true;
    while (going && !walk.Ended() && GetTickCount() - started < kRunTimeoutMs)
        going = walk.Step();
    bool ended = WaitForSingleObject(process.hProcess, kStepTimeoutMs) == WAIT_OBJECT_0;
    if (!ended) {
        std::fprintf(stderr, "DemoWalk: %s did not end; stopping it\n", argv[2]);
        TerminateProcess(process.hProcess, 1);
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    std::printf("   %s ended with exit code 0x%lX\n", argv[2], exitCode);
    std::fflush(stdout);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return going && ended ? 0 : 1;
}
