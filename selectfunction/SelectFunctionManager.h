#pragma once
#include <string>

#include "WizardSheet.h"

// The chooser's sheet. Its language's texts are the class library's resource module while it
// lives, so its page template comes from them.
class SelectFunctionManager : public CWizardSheet {
public:
    SelectFunctionManager(const char* title, const std::string& language, HWND parent = nullptr,
                          UINT firstPage = 0);

    const std::string& GetLanguage() const { return m_strLanguage; }

private:
    std::string m_strLanguage;
};
