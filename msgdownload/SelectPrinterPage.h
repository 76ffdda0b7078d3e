#pragma once
#include <string>

#include "DownloadPage.h"
#include "SortableList.h"

// Lists the installed printers, by default only those whose driver the configuration supports,
// and hands the chosen printer's name, port and driver to the sheet.
class CSelectPrinterPage : public CDownloadPage {
public:
    explicit CSelectPrinterPage(const std::string& language);

    // The creator counts the supported printers before the run: with none, the first activation
    // lists every printer.
    void SetSupportedPrinterCount(int count) { m_nSupportedPrinterCount = count; }

protected:
    BOOL OnSetActive() override;
    LRESULT OnNext() override;
    LRESULT OnBack() override;
    void OnClicked(int controlId) override;
    void OnSelectionChange(int controlId) override;

private:
    void FillList();
    void HandChoiceToSheet() const;

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
