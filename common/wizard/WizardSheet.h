#pragma once
#include <memory>
#include <string>

#include "PropertySheet.h"
#include "ResourceLibrary.h"

// What every wizard sheet of the system shares with its pages: the result of the run (0, or the
// code of the last error a page or operation met; the last writer wins) and the direction of the
// page change in progress, which self-skipping pages follow. Its buttons are widened to the
// captions of its text library when it comes up. While it lives its template library is the
// class library's resource module, so its pages' templates come from it.
class CWizardSheet : public CPropertySheet {
public:
    CWizardSheet(const char* caption, const std::string& textLibraryPath,
                 const std::string& templateLibraryPath, HWND parent, UINT firstPage);

    // Runs the sheet modally in wizard mode; returns what DoModal does. A sheet that cannot be
    // shown (its template library lacks a page) is a missing file: the user is told, and the
    // result records the resource library.
    INT_PTR RunWizard();

    int GetResult() const { return m_nResult; }
    void SetResult(int result) { m_nResult = result; }
    // True while a change asked for with Next is in progress, false with Back; true at start.
    bool IsForward() const { return m_bForward; }
    void SetForward(bool forward) { m_bForward = forward; }

protected:
    BOOL OnInitDialog() override;

private:
    std::string m_strTextLibraryPath;
    // None when the library does not load: the entry point has reported it missing before.
    std::unique_ptr<CSwitchingResourceLibrary> m_pResourceLibrary;
    int m_nResult = 0;
    bool m_bForward = true;
};
