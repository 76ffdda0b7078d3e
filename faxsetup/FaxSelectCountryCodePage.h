#pragma once
#include <string>

#include "FaxPage.h"
#include "SortableList.h"

class CIniConfig;

// Lists the countries the printer's fax model supports, by their names in the fax texts, and
// lets the user pick the one whose code the printer gets. A pick of the user's own wins over the
// code the caller gave, which wins over the country of the model's fax destination.
class FaxSelectCountryCodePage : public FaxPage {
public:
    FaxSelectCountryCodePage(const std::string& language);

protected:
    BOOL OnSetActive() override;
    LRESULT OnNext() override;
    LRESULT OnBack() override;
    void OnSelectionChange(int controlId) override;

private:
    bool FillList();
    bool ReadFaxModel(CIniConfig& config, std::string& model) const;
    void SaveChoice() const;

    std::string m_strSelectedCode;
    std::string m_strSelectedName;
    CSortableList m_list;
};
