// Shows the function chooser of the install folder this program sits in, ticks the first box so
// that the enabled Finish button shows, saves the sheet as a BMP file and cancels the chooser.
//   CaptureChooser.exe <language code> <output.bmp>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "ResourceIds.h"
#include "WindowImage.h"

namespace {

typedef int(__stdcall* SelectFunctionProc)(const char*, int*, int*, int*);

const int kFinishButton = 12325;
const DWORD kPollMs = 50;
const DWORD kAppearTimeoutMs = 20000;
const DWORD kSettleTimeoutMs = 5000;

struct ChooserCall {
    SelectFunctionProc m_pfnSelectFunction;
    const char* m_pszLanguage;
    int m_nFirst, m_nSecond, m_nThird;
    int m_nResult;
};

DWORD WINAPI RunChooser(void* pCall)
{
    ChooserCall& call = *static_cast<ChooserCall*>(pCall);
    call.m_nResult = call.m_pfnSelectFunction(
        call.m_pszLanguage, &call.m_nFirst, &call.m_nSecond, &call.m_nThird);
    return 0;
}

// Polls until found() gives a window or the time is up.
template <typename Finder>
HWND WaitForWindow(Finder found, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND hWnd = found())
            return hWnd;
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        Sleep(kPollMs);
    }
}

HWND CurrentPage(HWND hSheet)
{
    DWORD_PTR page = 0;
    if (!SendMessageTimeoutA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 1000, &page))
        return nullptr;
    return reinterpret_cast<HWND>(page);
}

// A visible property sheet of this process (a message box has no current page).
BOOL CALLBACK TakeSheet(HWND hWnd, LPARAM lParam)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(hWnd, &processId);
    char className[16] = "";
    GetClassNameA(hWnd, className, sizeof className);
    if (processId != GetCurrentProcessId() || !IsWindowVisible(hWnd)
        || lstrcmpA(className, "#32770") != 0 || !CurrentPage(hWnd))
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

HWND FindSheet()
{
    HWND hSheet = nullptr;
    EnumWindows(TakeSheet, reinterpret_cast<LPARAM>(&hSheet));
    return hSheet;
}

bool ButtonUsable(HWND hButton)
{
    return hButton && IsWindowVisible(hButton) && IsWindowEnabled(hButton);
}

// Two captures a poll apart that agree: the sheet has painted what its posted messages asked for.
bool CaptureSettled(HWND hSheet, CWindowImage& image)
{
    const DWORD start = GetTickCount();
    CWindowImage previous;
    if (!previous.Capture(hSheet))
        return false;
    for (;;) {
        Sleep(kPollMs);
        if (!image.Capture(hSheet))
            return false;
        if (image == previous)
            return true;
        if (GetTickCount() - start >= kSettleTimeoutMs)
            return false;
        previous = image;
    }
}

int Fail(const char* message)
{
    std::fprintf(stderr, "CaptureChooser: %s\n", message);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: CaptureChooser.exe <language code> <output.bmp>");

    char modulePath[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
    std::string folder(modulePath, length);
    folder.erase(folder.find_last_of('\\') + 1);
    HMODULE hLibrary = LoadLibraryA((folder + "Carvesh.dll").c_str());
    if (!hLibrary)
        return Fail("Carvesh.dll does not load from this program's folder");
    ChooserCall call = {};
    call.m_pfnSelectFunction = reinterpret_cast<SelectFunctionProc>(
        reinterpret_cast<void*>(GetProcAddress(hLibrary, "SelectFunction")));
    if (!call.m_pfnSelectFunction)
        return Fail("Carvesh.dll has no SelectFunction");
    call.m_pszLanguage = argv[1];
    call.m_nResult = -1;

    HANDLE hThread = CreateThread(nullptr, 0, RunChooser, &call, 0, nullptr);
    if (!hThread)
        return Fail("cannot start the chooser's thread");
    HWND hSheet = WaitForWindow(FindSheet, kAppearTimeoutMs);
    if (!hSheet)
        return Fail("no chooser appeared");

    HWND hBox = GetDlgItem(CurrentPage(hSheet), IDC_COUNTRY_CODE_BOX);
    if (!hBox)
        return Fail("the chooser's page has no country-code box");
    SendMessageA(hBox, BM_CLICK, 0, 0);
    HWND hFinish = WaitForWindow(
        [hSheet] {
            HWND hButton = GetDlgItem(hSheet, kFinishButton);
            return ButtonUsable(hButton) ? hButton : nullptr;
        },
        kSettleTimeoutMs);
    if (!hFinish)
        return Fail("ticking a box did not enable Finish");

    CWindowImage image;
    if (!CaptureSettled(hSheet, image))
        return Fail("the chooser did not settle for a capture");
    if (!image.SaveBmp(argv[2]))
        return Fail("cannot write the bitmap");

    PostMessageA(GetDlgItem(hSheet, IDCANCEL), BM_CLICK, 0, 0);
    if (WaitForSingleObject(hThread, kAppearTimeoutMs) != WAIT_OBJECT_0)
        return Fail("the chooser did not close on Cancel");
    std::printf("SelectFunction(%s) returned %d with %d %d %d\n", argv[1], call.m_nResult,
                call.m_nFirst, call.m_nSecond, call.m_nThird);
    CloseHandle(hThread);
    FreeLibrary(hLibrary);
    return 0;
}
