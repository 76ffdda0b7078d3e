#pragma once
#include <windows.h>

#include <commctrl.h>

// The floor of a wizard: one wizard-style property sheet with one page (OneSheetPage.rc) from the
// resources of `module`, set up as the product's sheets are, shown until it is closed.
inline INT_PTR CALLBACK OneSheetPageProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

inline int ShowOneSheetOf(HINSTANCE module)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    const int pageTemplate = 100;
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.hInstance = module;
    page.pszTemplate = MAKEINTRESOURCEA(pageTemplate);
    page.pfnDlgProc = OneSheetPageProc;

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD;
    header.hInstance = module;
    header.pszCaption = "One Sheet";
    header.nPages = 1;
    header.ppsp = &page;
    return PropertySheetA(&header) < 0 ? 1 : 0;
}
