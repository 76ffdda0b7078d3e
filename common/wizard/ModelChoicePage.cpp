#include "ModelChoicePage.h"

#include "ResourceIds.h"
#include "ResultCodes.h"

CModelChoicePage::CModelChoicePage(UINT templateId, const std::string& language,
                                   const char* textLibraryPattern, int wizardButtons)
    : CWizardPageBase(templateId, language, textLibraryPattern, wizardButtons),
      m_list(IDC_MODEL_LIST, false)
{
    UseSortableList(&m_list);
}

BOOL CModelChoicePage::OnSetActive()
{
    // One view of the file decides whether the page is needed and what it lists.
    CIniConfig config;
    if (!IsModelNeeded(config)) {
        // The driver names the model: one chosen for an earlier printer no longer holds.
        HandChoiceToSheet(std::string());
        SkipToNeighbour();
        return FALSE;
    }
    PostButtonsForChoice(!m_strModelName.empty());
    DressSheet(Dressing());
    FillList(config);
    return CWizardPageBase::OnSetActive();
}

bool CModelChoicePage::IsModelNeeded(CIniConfig& config)
{
    std::string printer, driver;
    GetSheetPrinter(printer, driver);
    if (printer != m_strLastPrinter) {
        m_strLastPrinter = printer;
        m_strModelName.clear();
    }
    return config.GetLastErrorCode() != RESULT_OK || driver.empty() ||
           !IsDriverListed(config, driver);
}

void CModelChoicePage::FillList(CIniConfig& config)
{
    CResourceLibrary texts(TextLibraryPath().c_str());
    if (!texts.IsLoaded()) {
        Sheet().SetResult(ERR_RESOURCE_LIBRARY);
        return;
    }
    HWND list = GetDlgItem(IDC_MODEL_LIST);
    m_bFilling = true;
    m_list.ResetToOneColumn(list, texts.LoadText(IDS_MODEL_COLUMN));

    int listed = 0;
    bool chosenListed = false;
    std::string onlyModel;
    for (const std::string& model : ListModels(config)) {
        if (model.empty())
            continue;
        int row = m_list.AddRow(list, {model});
        if (model == m_strModelName) {
            m_list.SelectAndFocus(list, row);
            chosenListed = true;
        }
        onlyModel = model;
        ++listed;
    }
    if (listed == 1) {
        m_strModelName = onlyModel;
        m_list.SelectAndFocus(list, 0);
        PostButtons(m_nWizardButtons);
    } else if (!chosenListed && !m_strModelName.empty()) {
        // The configuration no longer lists the model chosen before: Next would go on with it.
        m_strModelName.clear();
        PostButtons(WithoutNextAndFinish(m_nWizardButtons));
    }
    m_bFilling = false;
    ShowSelection(CSortableList::CellText(list, CSortableList::SelectedRow(list), 0));
}

void CModelChoicePage::OnSelectionChange(int controlId)
{
    if (controlId != IDC_MODEL_LIST || m_bFilling)
        return;
    HWND list = GetDlgItem(IDC_MODEL_LIST);
    std::string model = CSortableList::CellText(list, CSortableList::SelectedRow(list), 0);
    if (model.empty()) {
        PostButtons(WithoutNextAndFinish(m_nWizardButtons));
    } else {
        m_strModelName = model;
        PostButtons(m_nWizardButtons);
    }
    ShowSelection(model);
}

LRESULT CModelChoicePage::OnNext()
{
    HandChoiceToSheet(m_strModelName);
    return 0;
}

LRESULT CModelChoicePage::OnBack()
{
    HandChoiceToSheet(m_strModelName);
    return 0;
}
