#pragma once
#include <string>
#include <vector>

#include "IniConfig.h"
#include "SortableList.h"
#include "WizardPageBase.h"

// The page on which the user picks the printer's model when the driver of the printer on the
// sheet does not name it; otherwise the page takes itself out of the way, in whichever direction
// the user was going. A wizard says which drivers name their model, which models there are and
// where the choice goes. A change of printer forgets the model chosen before.
class CModelChoicePage : public CWizardPageBase {
public:
    CModelChoicePage(UINT templateId, const std::string& language, const char* textLibraryPattern,
                     int wizardButtons);

protected:
    BOOL OnSetActive() override;
    LRESULT OnNext() override;
    LRESULT OnBack() override;
    void OnSelectionChange(int controlId) override;

    virtual void GetSheetPrinter(std::string& name, std::string& driver) const = 0;
    virtual bool IsDriverListed(CIniConfig& config, const std::string& driver) const = 0;
    // The models in the configuration's order; empty names are left out of the list.
    virtual std::vector<std::string> ListModels(CIniConfig& config) const = 0;
    virtual void HandChoiceToSheet(const std::string& model) const = 0;
    // The selected model, empty when none, after a change and after each fill.
    virtual void ShowSelection(const std::string&) {}

private:
    bool IsModelNeeded(CIniConfig& config);
    void FillList(CIniConfig& config);

    std::string m_strModelName;
    std::string m_strLastPrinter;
    bool m_bFilling = false;
    CSortableList m_list;
};
