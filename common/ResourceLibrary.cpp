#include "ResourceLibrary.h"

#include "ModuleText.h"
#include "Quibrant.h"
#include "ResourcePaths.h"
#include "ResourceModule.h"

CResourceLibrary::CResourceLibrary() : CResourceLibrary(kDownloadTextLibraryPattern) {}

CResourceLibrary::CResourceLibrary(const char* path)
    : m_strPath(path), m_hModule(VukLoadLanguageDLL(path))
{
}

CResourceLibrary::~CResourceLibrary()
{
    if (m_hModule != nullptr)
        VukFreeLanguageDLL(m_hModule);
    m_hModule = nullptr;
}

std::string CResourceLibrary::LoadText(UINT id) const
{
    return LoadModuleText(m_hModule, id);
}

HBITMAP CResourceLibrary::LoadBitmapImage(UINT id, int width, int height) const
{
    // A null module would mean the system's own bitmaps.
    if (!IsLoaded())
        return nullptr;
    return static_cast<HBITMAP>(
        LoadImageA(m_hModule, MAKEINTRESOURCEA(id), IMAGE_BITMAP, width, height, LR_DEFAULTCOLOR));
}

CSwitchingResourceLibrary::CSwitchingResourceLibrary() { Switch(); }

CSwitchingResourceLibrary::CSwitchingResourceLibrary(const char* path) : CResourceLibrary(path)
{
    Switch();
}

CSwitchingResourceLibrary::~CSwitchingResourceLibrary()
{
    if (m_bSwitched)
        SetResourceModule(m_hPreviousModule);
}

void CSwitchingResourceLibrary::Switch()
{
    if (!IsLoaded())
        return;
    m_hPreviousModule = GetResourceModule();
    SetResourceModule(GetHandle());
    m_bSwitched = true;
}
