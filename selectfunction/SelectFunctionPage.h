#pragma once
#include <string>

#include "PropertyPage.h"

class SelectFunctionManager;

// The chooser's one page: three boxes for the country code, the time and the message download.
// Finish is offered while at least one is ticked.
class SelectFunctionPage : public CPropertyPage {
public:
    SelectFunctionPage(const std::string& language, int wizardButtons);
    ~SelectFunctionPage() override;

    bool IsFirstTicked() const { return m_bFirst; }
    bool IsSecondTicked() const { return m_bSecond; }
    bool IsThirdTicked() const { return m_bThird; }

protected:
    void DoDataExchange(CDataExchange& exchange) override;
    BOOL OnSetActive() override;
    void OnClicked(int controlId) override;

private:
    SelectFunctionManager& Sheet() const;
    bool IsAnyTicked() const { return m_bFirst || m_bSecond || m_bThird; }
    void PostWizardButtons(DWORD buttons) const;
    void DressSheet();

    std::string m_strLanguage;
    HBITMAP m_hPicture = nullptr;
    int m_nWizardButtons;
    bool m_bFirst = false;
    bool m_bSecond = false;
    bool m_bThird = false;
};
