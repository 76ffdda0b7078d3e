#pragma once
#include "DownloadPage.h"

// Greets the user and leads on.
class CIntroductionPage : public CDownloadPage {
public:
    explicit CIntroductionPage(const std::string& language);

protected:
    BOOL OnSetActive() override;
};
