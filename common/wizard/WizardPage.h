#pragma once
#include <string>

#include "WizardPageBase.h"

// A page of one wizard: its texts come from that wizard's library, `textLibraryPattern`, and it
// shares that wizard's sheet, `SheetType`. `Base` is the page base it builds on: the plain one,
// or a page kind both wizards have, which may take further constructor arguments.
template <typename SheetType, const char* textLibraryPattern, typename Base = CWizardPageBase>
class CWizardPage : public Base {
public:
    template <typename... More>
    CWizardPage(UINT templateId, const std::string& language, int wizardButtons, More... more)
        : Base(templateId, language, textLibraryPattern, wizardButtons, more...)
    {
    }

protected:
    SheetType& Manager() const { return static_cast<SheetType&>(this->Sheet()); }
};
