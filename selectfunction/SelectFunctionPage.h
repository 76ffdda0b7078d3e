#pragma once
#include <string>

#include "WizardPageBase.h"

// The chooser's one page: three boxes for the country code, the time and the message download.
// Finish is offered while at least one is ticked.
class SelectFunctionPage : public CWizardPageBase {
public:
    SelectFunctionPage(const std::string& language, int wizardButtons);

    bool IsFirstTicked() const { return m_bFirst; }
    bool IsSecondTicked() const { return m_bSecond; }
    bool IsThirdTicked() const { return m_bThird; }

protected:
    void DoDataExchange(CDataExchange& exchange) override;
    BOOL OnSetActive() override;
    void OnClicked(int controlId) override;

private:
    bool IsAnyTicked() const { return m_bFirst || m_bSecond || m_bThird; }

    bool m_bFirst = false;
    bool m_bSecond = false;
    bool m_bThird = false;
};
