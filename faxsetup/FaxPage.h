#pragma once
#include <string>

#include "FaxSetupManager.h"
#include "ResourcePaths.h"
#include "WizardPageBase.h"

// A page of the fax-setup wizard: its texts come from the fax library and it shares the fax
// sheet's state.
class FaxPage : public CWizardPageBase {
public:
    FaxPage(UINT templateId, const std::string& language, int wizardButtons)
        : CWizardPageBase(templateId, language, kFaxTextLibraryPattern, wizardButtons)
    {
    }

protected:
    FaxSetupManager& Manager() const { return static_cast<FaxSetupManager&>(Sheet()); }
};
