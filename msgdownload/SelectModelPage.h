#pragma once
#include <string>

#include "DownloadPage.h"
#include "SortableList.h"

// Asks for the printer's model when its driver does not name the machine; otherwise the page
// takes itself out of the way, in whichever direction the user was going.
class CSelectModelPage : public CDownloadPage {
public:
    explicit CSelectModelPage(const std::string& language);

protected:
    BOOL OnSetActive() override;
    LRESULT OnNext() override;
    LRESULT OnBack() override;
    void OnSelectionChange(int controlId) override;

private:
    bool IsModelNeeded();
    void SkipToNeighbour() const;
    void FillList();

    std::string m_strModelName;
    bool m_bModelNeeded = false;
    std::string m_strLastPrinter;
    bool m_bFilling = false;
    CSortableList m_list;
};
