#pragma once
#include <memory>
#include <string>

#include "PropertySheet.h"
#include "ResourceLibrary.h"

// The chooser's sheet. Its language's texts are the class library's resource module while it
// lives, so its page template comes from them.
class SelectFunctionManager : public CPropertySheet {
public:
    SelectFunctionManager(const char* title, const std::string& language, HWND parent = nullptr,
                          UINT firstPage = 0);

    const std::string& GetLanguage() const { return m_strLanguage; }
    int GetResult() const { return m_nResult; }
    void SetResult(int result) { m_nResult = result; }

protected:
    BOOL OnInitDialog() override;

private:
    std::unique_ptr<CSwitchingResourceLibrary> m_pResourceLibrary;
    std::string m_strLanguage;
    int m_nResult = 0;
};
