#pragma once
#include <windows.h>

// The direction and the window of one exchange between a page's fields and its controls.
struct CDataExchange {
    bool m_bSaveAndValidate;  // controls into fields
    HWND m_hWnd;
};

// A check box and a flag: ticked is true.
void DDX_Check(CDataExchange& exchange, int controlId, bool& value);
