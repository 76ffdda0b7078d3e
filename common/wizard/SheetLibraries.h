#pragma once
#include <string>

#include "ResourceLibrary.h"

// The text library a wizard runs on, opened twice for the whole run: once as the source of page
// templates and once for single texts. Declared before the sheet, it outlives it, as holders
// must die in the reverse order of their birth.
class SheetLibraries {
public:
    explicit SheetLibraries(const std::string& path)
        : m_templates(path.c_str()), m_texts(path.c_str())
    {
    }

    bool IsLoaded() const { return m_templates.IsLoaded() && m_texts.IsLoaded(); }
    const CResourceLibrary& Texts() const { return m_texts; }

private:
    CSwitchingResourceLibrary m_templates;
    CResourceLibrary m_texts;
};
