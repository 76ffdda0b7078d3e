#include "WizardSheet.h"

#include "MissingFileMessage.h"
#include "ResourceLibrary.h"
#include "ResultCodes.h"
#include "WizardButtonWidth.h"

CWizardSheet::CWizardSheet(const char* caption, const std::string& textLibraryPath,
                           const std::string& templateLibraryPath, HWND parent, UINT firstPage)
    : CPropertySheet(caption, parent, firstPage),
      m_strTextLibraryPath(textLibraryPath),
      m_pResourceLibrary(std::make_unique<CSwitchingResourceLibrary>(templateLibraryPath.c_str()))
{
    if (!m_pResourceLibrary->IsLoaded())
        m_pResourceLibrary.reset();
}

INT_PTR CWizardSheet::RunWizard()
{
    SetWizardMode();
    INT_PTR ending = DoModal();
    if (ending < 0) {
        SetResult(ERR_RESOURCE_LIBRARY);
        ShowMissingFile();
    }
    return ending;
}

BOOL CWizardSheet::OnInitDialog()
{
    BOOL result = CPropertySheet::OnInitDialog();
    CResourceLibrary texts(m_strTextLibraryPath.c_str());
    if (texts.IsLoaded())
        WidenWizardButtons(GetSafeHwnd(), texts);
    else
        SetResult(ERR_RESOURCE_LIBRARY);
    SetForegroundWindow(GetSafeHwnd());
    return result;
}
