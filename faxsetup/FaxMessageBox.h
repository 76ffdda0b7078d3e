#pragma once
#include <windows.h>

#include "ResourceLibrary.h"

// The warnings the fax settings operation gives about the printer (busy, paused, offline, not
// reachable): a text of the fax library in a box owned by the sending page.
class FaxMessageBox {
public:
    FaxMessageBox(HWND owner, const CResourceLibrary& texts) : m_hOwner(owner), m_texts(texts) {}

    void Show(UINT textId) const;

private:
    HWND m_hOwner;
    const CResourceLibrary& m_texts;
};
