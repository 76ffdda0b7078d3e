#pragma once
#include <windows.h>

#include <string>

// A resource-only text library opened through the resource-language loader, for the lifetime of
// the holder. The launcher needs only system libraries to start, so it finds the loader at run
// time rather than importing it.
class CTextLibrary {
public:
    explicit CTextLibrary(const char* pszPath);
    ~CTextLibrary();
    CTextLibrary(const CTextLibrary&) = delete;
    CTextLibrary& operator=(const CTextLibrary&) = delete;

    bool IsLoaded() const { return m_hTexts != nullptr; }
    // Empty when the library has no such string.
    std::string LoadText(UINT id) const;

private:
    using LoadExport = HMODULE(WINAPI*)(const char* pszPath);
    using FreeExport = void(WINAPI*)(HMODULE library);

    HMODULE m_hLoader = nullptr;
    FreeExport m_pFree = nullptr;
    HMODULE m_hTexts = nullptr;
};
