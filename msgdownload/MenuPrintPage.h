#pragma once
#include "DownloadPage.h"

// Offers to make the chosen printer print its menu map before its panel changes.
class CMenuPrintPage : public CDownloadPage {
public:
    explicit CMenuPrintPage(const std::string& language);

protected:
    BOOL OnSetActive() override;
    void OnClicked(int controlId) override;
};
