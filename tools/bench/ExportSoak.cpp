// Calls one export of a library beside this program again and again, loading the library before
// every call and freeing it after, as the launcher does, and cancels the wizard of each call after
// pressing Next on `pages` pages:
//   ExportSoak.exe <download|fax|onesheet|version> <calls> [pages]
// After a few calls that warm up what stays loaded anyway, it prints the process's pagefile usage
// before and after the counted calls, and the growth of what its heaps hold in use, which names
// a leak that touched memory hides:
//   calls=<n> pagefile_kb_before=<kb> pagefile_kb_after=<kb> bytes_per_call=<growth / calls>
//   heap_bytes_per_call=<growth of the heaps' busy blocks / calls>
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FindExport.h"
#include "FunctionExports.h"
#include "HeapInUse.h"
#include "MessageBoxes.h"
#include "ModulePath.h"
#include "PrinterSelection.h"
#include "WaitFor.h"
#include "WizardDriver.h"

namespace {

const int kWarmUpCalls = 5;
const DWORD kWizardTimeoutMs = 30000;

struct Target {
    const char* name;
    const char* library;
    const char* exportName;
};
const Target kTargets[] = {
    {"download", "Zembrak.dll", "KyvMsgdlDownloadToPrinter"},
    {"fax", "Tollimar.dll", "KyvFaxSetup"},
    {"onesheet", "OneSheetLibrary.dll", "ShowOneSheet"},
    // No wizard: what loading and freeing the library costs alone.
    {"version", "Zembrak.dll", "KyvMsgdlGetVersion"},
};

using NoArgumentExport = int(WINAPI*)();

int Fail(const char* message)
{
    std::fprintf(stderr, "ExportSoak: %s\n", message);
    return 1;
}

SIZE_T PagefileUsage()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)
               ? counters.PagefileUsage
               : 0;
}

// The user's side of one call: Next on the first pages, then Cancel, with every question
// answered by its first button until the export has returned.
struct Walk {
    int pages;
    volatile LONG done;
};

DWORD WINAPI WalkWizard(LPVOID argument)
{
    auto* walk = static_cast<Walk*>(argument);
    auto answerBoxes = [walk] {
        if (HWND box = FindMessageBox(GetCurrentProcessId()))
            PressMessageBoxButton(box, ReadMessageBox(box).buttons.at(0));
        return walk->done != 0;
    };
    HWND sheet = nullptr;
    WaitFor([&] { return walk->done != 0 || (sheet = FindWizard(GetCurrentProcessId())); },
            kWizardTimeoutMs);
    if (sheet != nullptr) {
        WizardDriver wizard(sheet);
        for (int page = 0; page < walk->pages; ++page)
            wizard.PressWhenEnabled(kNextButton);
        wizard.Press(kCancelButton);
    }
    WaitFor(answerBoxes, kWizardTimeoutMs);
    return 0;
}

// Calls the target's export in the library; false when it is missing.
bool CallExport(const Target& target, HMODULE library)
{
    PRINTER_SELECTION selection = {};
    if (std::strcmp(target.name, "download") == 0) {
        auto entry = FindExport<DownloadToPrinterExport>(library, target.exportName);
        return entry != nullptr && (entry(nullptr, nullptr, 0, 0, &selection), true);
    }
    if (std::strcmp(target.name, "fax") == 0) {
        auto entry = FindExport<FaxSetupExport>(library, target.exportName);
        return entry != nullptr && (entry(nullptr, "enu", 0, nullptr, 0, 0, 0, &selection), true);
    }
    auto entry = FindExport<NoArgumentExport>(library, target.exportName);
    return entry != nullptr && (entry(), true);
}

// One call with the library loaded around it; false when the library or its export is missing.
bool CallOnce(const Target& target, int pages)
{
    std::string path;
    HMODULE library = GetPathBesideProgram(target.library, path) ? LoadLibraryA(path.c_str())
                                                                 : nullptr;
    if (library == nullptr)
        return false;
    Walk walk = {pages, 0};
    HANDLE walker = CreateThread(nullptr, 0, WalkWizard, &walk, 0, nullptr);
    bool called = CallExport(target, library);
    InterlockedExchange(&walk.done, 1);
    WaitForSingleObject(walker, INFINITE);
    CloseHandle(walker);
    FreeLibrary(library);
    return called;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return Fail("usage: ExportSoak.exe <download|fax|onesheet|version> <calls> [pages]");
    const Target* target = nullptr;
    for (const Target& candidate : kTargets)
        if (std::strcmp(candidate.name, argv[1]) == 0)
            target = &candidate;
    int calls = std::atoi(argv[2]);
    int pages = argc > 3 ? std::atoi(argv[3]) : 0;
    if (target == nullptr || calls <= 0 || pages < 0)
        return Fail("unknown export, or a count that is not positive");

    // What the launcher itself imports stays loaded for its whole run, whatever a library does.
    for (const char* system : {"advapi32.dll", "version.dll", "winspool.drv"})
        LoadLibraryA(system);
    for (int i = 0; i < kWarmUpCalls; ++i)
        if (!CallOnce(*target, pages))
            return Fail("the library or its export is missing");
    SIZE_T before = PagefileUsage();
    long long heapBefore = HeapBytesInUse();
    for (int i = 0; i < calls; ++i)
        CallOnce(*target, pages);
    SIZE_T after = PagefileUsage();
    long long heapGrowth = HeapBytesInUse() - heapBefore;
    long long growth = static_cast<long long>(after) - static_cast<long long>(before);
    std::printf("calls=%d pagefile_kb_before=%llu pagefile_kb_after=%llu bytes_per_call=%lld "
                "heap_bytes_per_call=%lld\n",
                calls, static_cast<unsigned long long>(before / 1024),
                static_cast<unsigned long long>(after / 1024), growth / calls, heapGrowth / calls);
    return 0;
}
