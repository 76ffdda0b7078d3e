#pragma once
#include <string>

#include "DownloadPage.h"

// Sums up what is about to be sent (panel language, printer, model, message version); its Next
// sends the language file and then leads on.
class CDownloadMessagePage : public CDownloadPage {
public:
    explicit CDownloadMessagePage(const std::string& language);

protected:
    BOOL OnSetActive() override;
    LRESULT OnNext() override;

private:
    void ShowSummary();
};
