#include "SelectFunctionManager.h"

#include "ResourcePaths.h"

SelectFunctionManager::SelectFunctionManager(const char* title, const std::string& language,
                                             HWND parent, UINT firstPage)
    : CWizardSheet(title, FaxPageTextLibraryPath(language), parent, firstPage),
      m_pResourceLibrary(
          std::make_unique<CSwitchingResourceLibrary>(FaxTextLibraryPath(language).c_str())),
      m_strLanguage(language)
{
    if (!m_pResourceLibrary->IsLoaded())
        m_pResourceLibrary.reset();
}
