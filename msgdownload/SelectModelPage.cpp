#include "SelectModelPage.h"

#include "IniConfig.h"
#include "ResourceIds.h"
#include "ResultCodes.h"

CSelectModelPage::CSelectModelPage(const std::string& language)
    : CDownloadPage(IDD_SELECT_MODEL_PAGE, language, PSWIZB_BACK | PSWIZB_NEXT),
      m_list(IDC_MODEL_LIST, false)
{
    UseSortableList(&m_list);
}

BOOL CSelectModelPage::OnSetActive()
{
    if (!IsModelNeeded()) {
        SkipToNeighbour();
        return FALSE;
    }
    PostButtonsForChoice(!m_strModelName.empty());
    Dressing dressing;
    DressSheet(dressing);
    FillList();
    return CDownloadPage::OnSetActive();
}

// A printer whose driver the configuration lists already names its machine.
bool CSelectModelPage::IsModelNeeded()
{
    std::string printer, port, driver;
    Manager().GetPrinter(printer, port, driver);
    if (printer != m_strLastPrinter) {
        m_strLastPrinter = printer;
        m_strModelName.clear();
    }
    CIniConfig config;
    m_bModelNeeded = config.GetLastErrorCode() != RESULT_OK || driver.empty() ||
                     config.FindDriver(driver.c_str()) == 0;
    return m_bModelNeeded;
}

// At either end there is no page beyond this one: the user is sent back the way they came.
void CSelectModelPage::SkipToNeighbour() const
{
    CLCDMessageDownloadManager& sheet = Manager();
    int active = sheet.GetActiveIndex();
    int count = sheet.GetPageCount();
    if (sheet.IsForward()) {
        if (active == count - 1) {
            sheet.SetActivePage(active == 0 ? 0 : active - 1);
            sheet.SetForward(false);
        } else {
            sheet.SetActivePage(active + 1);
        }
    } else if (active == 0) {
        sheet.SetActivePage(count == 1 ? 0 : 1);
        sheet.SetForward(true);
    } else {
        sheet.SetActivePage(active - 1);
    }
}

void CSelectModelPage::FillList()
{
    CResourceLibrary texts(TextLibraryPath().c_str());
    if (!texts.IsLoaded()) {
        Sheet().SetResult(ERR_RESOURCE_LIBRARY);
        return;
    }
    HWND list = GetDlgItem(IDC_MODEL_LIST);
    RECT client = {0, 0, 0, 0};
    GetClientRect(list, &client);
    m_bFilling = true;
    m_list.Reset(list);
    m_list.AddColumn(list, texts.LoadText(IDS_MODEL_COLUMN), client.right - client.left);

    CIniConfig config;
    int listed = 0;
    bool chosenListed = false;
    std::string onlyModel;
    for (const std::string& model : config.GetSection(SECTION_MODELS).keys) {
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
}

void CSelectModelPage::OnSelectionChange(int controlId)
{
    if (controlId != IDC_MODEL_LIST || m_bFilling)
        return;
    HWND list = GetDlgItem(IDC_MODEL_LIST);
    std::string model = CSortableList::CellText(list, CSortableList::SelectedRow(list), 0);
    if (model.empty()) {
        PostButtons(WithoutNextAndFinish(m_nWizardButtons));
        return;
    }
    m_strModelName = model;
    PostButtons(m_nWizardButtons);
}

LRESULT CSelectModelPage::OnNext()
{
    Manager().SetModelName(m_strModelName);
    return 0;
}

LRESULT CSelectModelPage::OnBack()
{
    Manager().SetModelName(m_strModelName);
    return 0;
}
