#pragma once
#include <string>

#include "WizardPageBase.h"

// A page of one wizard: its texts come from that wizard's library, `textLibraryPattern`, and it
// shares that wizard's sheet, `SheetType`.
template <typename SheetType, const char* textLibraryPattern>
class CWizardPage : public CWizardPageBase {
public:
    CWizardPage(UINT templateId, const std::string& language, int wizardButtons)
        : CWizardPageBase(templateId, language, textLibraryPattern, wizardButtons)
    {
    }

protected:
    SheetType& Manager() const { return static_cast<SheetType&>(Sheet()); }
};
