#pragma once
#include <string>

#include "FaxPage.h"

// Tells the user that the settings were sent; the run can only be finished here.
class FaxCompletePage : public FaxPage {
public:
    explicit FaxCompletePage(const std::string& language);

protected:
    BOOL OnSetActive() override;
};
