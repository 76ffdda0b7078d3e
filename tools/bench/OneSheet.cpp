// The floor of a wizard's start-up: a program that shows one wizard-style property sheet with one
// page, set up as the product's sheets are, and does nothing else. It runs until it is closed.
#include <windows.h>

#include <commctrl.h>

namespace {

const int kPageTemplate = 100;  // OneSheet.rc

INT_PTR CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);

    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.hInstance = instance;
    page.pszTemplate = MAKEINTRESOURCEA(kPageTemplate);
    page.pfnDlgProc = PageProc;

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD;
    header.hInstance = instance;
    header.pszCaption = "One Sheet";
    header.nPages = 1;
    header.ppsp = &page;
    return PropertySheetA(&header) < 0 ? 1 : 0;
}
