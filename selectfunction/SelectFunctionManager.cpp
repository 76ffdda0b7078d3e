#include "SelectFunctionManager.h"

#include "ResourcePaths.h"
#include "ResultCodes.h"
#include "WizardButtonWidth.h"

SelectFunctionManager::SelectFunctionManager(const char* title, const std::string& language,
                                             HWND parent, UINT firstPage)
    : CWizardSheet(title, parent, firstPage),
      m_pResourceLibrary(
          std::make_unique<CSwitchingResourceLibrary>(FaxTextLibraryPath(language).c_str())),
      m_strLanguage(language)
{
    if (!m_pResourceLibrary->IsLoaded())
        m_pResourceLibrary.reset();
}

BOOL SelectFunctionManager::OnInitDialog()
{
    BOOL result = CWizardSheet::OnInitDialog();
    CResourceLibrary texts(FaxPageTextLibraryPath(m_strLanguage).c_str());
    if (texts.IsLoaded())
        WidenWizardButtons(GetSafeHwnd(), texts);
    else
        SetResult(ERR_RESOURCE_LIBRARY);
    SetForegroundWindow(GetSafeHwnd());
    return result;
}
