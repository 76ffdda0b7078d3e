#pragma once
#include <string>

#include "LCDMessageDownloadManager.h"
#include "ResourcePaths.h"
#include "WizardPageBase.h"

// A page of the message-download wizard: its texts come from the message-download library and
// it shares the download sheet's state.
class CDownloadPage : public CWizardPageBase {
public:
    CDownloadPage(UINT templateId, const std::string& language, int wizardButtons)
        : CWizardPageBase(templateId, language, kDownloadTextLibraryPattern, wizardButtons)
    {
    }

protected:
    CLCDMessageDownloadManager& Manager() const
    {
        return static_cast<CLCDMessageDownloadManager&>(Sheet());
    }
};
