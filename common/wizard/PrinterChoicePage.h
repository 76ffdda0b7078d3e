#pragma once
#include <string>

#include "IniConfig.h"
#include "SortableList.h"
#include "WizardPageBase.h"

// The page on which the user picks an installed printer: by default only printers whose driver
// the configuration lists, all of them with the "show all" box. A wizard says which drivers
// count as listed and where the choice goes; the page keeps its choice between activations and
// lists the printers afresh each time.
class CPrinterChoicePage : public CWizardPageBase {
public:
    // `ascendingAfterReset`: the direction the first heading click after a refill sorts in.
    CPrinterChoicePage(UINT templateId, const std::string& language,
                       const char* textLibraryPattern, int wizardButtons,
                       bool ascendingAfterReset);

    // The creator counts the supported printers before the run: with none, the first activation
    // lists every printer.
    void SetSupportedPrinterCount(int count) { m_nSupportedPrinterCount = count; }

protected:
    BOOL OnSetActive() override;
    LRESULT OnNext() override;
    LRESULT OnBack() override;
    void OnClicked(int controlId) override;
    void OnSelectionChange(int controlId) override;

    virtual bool IsDriverListed(CIniConfig& config, const std::string& driver) const = 0;
    virtual void HandChoiceToSheet(const std::string& name, const std::string& port,
                                   const std::string& driver) const = 0;
    // The list is filled; the rows are in the order they were listed.
    virtual void ArrangeList(HWND, CSortableList&) {}
    // The selected printer, empty when none, after a change and after each fill.
    virtual void ShowSelection(const std::string&) {}

private:
    void FillList();

    std::string m_strPrinterName;
    std::string m_strPortName;
    std::string m_strDriverName;
    bool m_bShowAllPrinters = false;
    bool m_bActivated = false;
    // The fill selects rows itself; what the list reports meanwhile is no choice of the user's.
    bool m_bFilling = false;
    int m_nSupportedPrinterCount = 0;
    CSortableList m_list;
};
