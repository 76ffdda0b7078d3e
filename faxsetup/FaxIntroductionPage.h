#pragma once
#include <string>

#include "FaxPage.h"

// Greets the user and says which of the settings the run leaves alone.
class FaxIntroductionPage : public FaxPage {
public:
    FaxIntroductionPage(const std::string& language, bool skipCountryCode, bool skipTime);

protected:
    BOOL OnSetActive() override;

private:
    bool m_bSkipCountryCode;
    bool m_bSkipTime;
};
