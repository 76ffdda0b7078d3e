#pragma once
#include "DownloadPage.h"

// The last page: the download has run, so only Finish is left.
class CConclusionPage : public CDownloadPage {
public:
    explicit CConclusionPage(const std::string& language);

protected:
    BOOL OnSetActive() override;
};
