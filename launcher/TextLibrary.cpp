#include "TextLibrary.h"

#include "FindExport.h"
#include "ModuleText.h"

CTextLibrary::CTextLibrary(const char* pszPath) : m_hLoader(LoadLibraryA("Quibrant.dll"))
{
    if (m_hLoader == nullptr)
        return;
    auto load = FindExport<LoadExport>(m_hLoader, "VukLoadLanguageDLL");
    m_pFree = FindExport<FreeExport>(m_hLoader, "VukFreeLanguageDLL");
    if (load != nullptr && m_pFree != nullptr)
        m_hTexts = load(pszPath);
}

CTextLibrary::~CTextLibrary()
{
    if (m_hTexts != nullptr)
        m_pFree(m_hTexts);
    if (m_hLoader != nullptr)
        FreeLibrary(m_hLoader);
}

std::string CTextLibrary::LoadText(UINT id) const
{
    return LoadModuleText(m_hTexts, id);
}
