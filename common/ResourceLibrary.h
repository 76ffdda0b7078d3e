#pragma once
#include <windows.h>

#include <string>

// One resource-only library, loaded through the resource-language loader for the lifetime of
// the holder. Paths are relative to the running program's folder; an unfilled "%s" lets the
// loader put in the language.
class CResourceLibrary {
public:
    CResourceLibrary();  // the message-download texts in the language the loader picks
    explicit CResourceLibrary(const char* path);
    virtual ~CResourceLibrary();
    CResourceLibrary(const CResourceLibrary&) = delete;
    CResourceLibrary& operator=(const CResourceLibrary&) = delete;

    bool IsLoaded() const { return m_hModule != nullptr; }
    HMODULE GetHandle() const { return m_hModule; }
    const std::string& GetPath() const { return m_strPath; }

    // Empty when the library has no such string.
    std::string LoadText(UINT id) const;
    // At the bitmap's own size when width and height are 0; null when it has no such bitmap.
    HBITMAP LoadBitmapImage(UINT id, int width = 0, int height = 0) const;

private:
    std::string m_strPath;
    HMODULE m_hModule;
};

// A holder that, while it lives, makes its library the class library's current resource module,
// so dialog templates and strings come from it; the previous module comes back when it dies.
// Holders nest: they must die in the reverse order of their birth.
class CSwitchingResourceLibrary : public CResourceLibrary {
public:
    CSwitchingResourceLibrary();
    explicit CSwitchingResourceLibrary(const char* path);
    ~CSwitchingResourceLibrary() override;

private:
    void Switch();

    bool m_bSwitched = false;
    HMODULE m_hPreviousModule = nullptr;
};
