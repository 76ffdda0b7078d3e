#pragma once
#include <string>

#include "FaxPage.h"

// Shows what will be sent (the country, and the printer's future date and time running live)
// and sends it on Next, captioned Send; the wizard moves on only once the settings went out.
// The parts of the page a run leaves alone are hidden.
class FaxConfirmPage : public FaxPage {
public:
    FaxConfirmPage(const std::string& language, bool skipCountryCode, bool skipTime);

protected:
    void DoDataExchange(CDataExchange& exchange) override;
    BOOL OnSetActive() override;
    LRESULT OnNext() override;
    LRESULT OnBack() override;
    void OnTimer(UINT_PTR timerId) override;

private:
    void ShowCountryAndHideSkippedParts() const;
    void ShowTime() const;

    bool m_bDstChecked = false;
    // The job sender's code of the latest sending; 0 when every job went out.
    int m_nSendError = 0;
    bool m_bSkipCountryCode;
    bool m_bSkipTime;
};
