#include "SelectFunctionManager.h"

#include "ResourcePaths.h"

SelectFunctionManager::SelectFunctionManager(const char* title, const std::string& language,
                                             HWND parent, UINT firstPage)
    : CWizardSheet(title, FaxPageTextLibraryPath(language), FaxTextLibraryPath(language), parent,
                   firstPage),
      m_strLanguage(language)
{
}
