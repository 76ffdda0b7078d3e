// Walks the message-download wizard of the install folder this program sits in, as a user who
// knows the way would, and times it:
//   DownloadWalk.exe <printer> <language>
// chooses the printer and the first language row starting with <language>, and prints
//   page_ms=<median time of a page change that sends nothing> download_ms=<Download pressed
//   until the conclusion page shows> walk_ms=<wizard start until the download page> result=<n>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "LibraryExports.h"
#include "MessageBoxes.h"
#include "ModalRun.h"
#include "PrinterSelection.h"
#include "ResourceIds.h"
#include "Stopwatch.h"
#include "WizardDriver.h"

namespace {

const DWORD kAppearTimeoutMs = 30000;
const DWORD kPageTimeoutMs = 60000;

int Fail(const char* message)
{
    std::fprintf(stderr, "DownloadWalk: %s\n", message);
    return 1;
}

class Walk {
public:
    explicit Walk(HWND sheet) : m_wizard(sheet) {}

    const WizardDriver& Wizard() const { return m_wizard; }

    // Presses Next once the page offers it and times it until another page is active; a
    // question on the way is answered with its first button, as a hurried user would.
    bool Next(double& elapsedMs) const
    {
        int page = m_wizard.ActiveIndex();
        if (!m_wizard.WaitForButtonEnabled(kNextButton, true, kPageTimeoutMs))
            return false;
        CStopwatch watch;
        PostMessageA(m_wizard.Sheet(), WM_COMMAND, MAKEWPARAM(kNextButton, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(m_wizard.Sheet(), kNextButton)));
        bool moved = PollFor([&] {
            if (HWND box = FindMessageBox(GetCurrentProcessId()))
                PressMessageBoxButton(box, ReadMessageBox(box).buttons.at(0));
            return m_wizard.ActiveIndex() != page;
        }, kPageTimeoutMs);
        elapsedMs = watch.ElapsedMs();
        return moved;
    }

    // A page change that sends nothing; its time goes into the page figure.
    bool Next()
    {
        double elapsed = 0;
        if (!Next(elapsed))
            return false;
        m_pageTimes.push_back(elapsed);
        return true;
    }

    bool SelectRowStartingWith(int list, const std::string& start) const
    {
        for (const std::vector<std::string>& row : m_wizard.ListRows(list))
            if (!row.empty() && row[0].compare(0, start.size(), start) == 0)
                return m_wizard.SelectListRow(list, row[0]);
        return false;
    }

    double MedianPageMs()
    {
        std::sort(m_pageTimes.begin(), m_pageTimes.end());
        return m_pageTimes.empty() ? 0 : m_pageTimes[m_pageTimes.size() / 2];
    }

private:
    WizardDriver m_wizard;
    std::vector<double> m_pageTimes;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: DownloadWalk.exe <printer> <language>");
    DownloadToPrinterExport download = LoadDownloadExport();
    if (download == nullptr)
        return Fail("no Zembrak.dll with KyvMsgdlDownloadToPrinter in this program's folder");

    PRINTER_SELECTION noPreset = {};
    int result = -1;
    CStopwatch walkWatch;
    ModalRun run([&] { result = download(nullptr, nullptr, 0, 0, &noPreset); });
    HWND sheet = WaitForWizard(GetCurrentProcessId(), kAppearTimeoutMs);
    if (sheet == nullptr)
        return Fail("no wizard appeared");
    Walk walk(sheet);
    const WizardDriver& wizard = walk.Wizard();
    // Introduction, printer, language, menu print, version: then the download page.
    bool reached = walk.Next() && wizard.WaitForButtonEnabled(kNextButton, true, kPageTimeoutMs) &&
                   wizard.SelectListRow(IDC_PRINTER_LIST, argv[1]) && walk.Next() &&
                   walk.SelectRowStartingWith(IDC_LANGUAGE_LIST, argv[2]) && walk.Next() &&
                   walk.Next() && walk.Next() && wizard.PageHasControl(IDC_SUMMARY_PRINTER);
    if (!reached)
        return Fail("the walk did not reach the download page");
    double walkMs = walkWatch.ElapsedMs();
    double downloadMs = 0;
    if (!walk.Next(downloadMs))
        return Fail("the download page did not move on");
    if (!wizard.WaitForButtonEnabled(kFinishButton, true, kPageTimeoutMs) ||
        !wizard.Press(kFinishButton) || !run.WaitForEnd(kAppearTimeoutMs))
        return Fail("the conclusion page did not finish");
    std::printf("page_ms=%.1f download_ms=%.1f walk_ms=%.1f result=%d\n", walk.MedianPageMs(),
                downloadMs, walkMs, result);
    return result == 0 ? 0 : 1;
}
