#include "SelectPrinterPage.h"

#include <memory>

#include "IniConfig.h"
#include "OptionalText.h"
#include "PrinterColumnWidths.h"
#include "PrinterList.h"
#include "ResourceIds.h"
#include "ResultCodes.h"

CSelectPrinterPage::CSelectPrinterPage(const std::string& language)
    : CDownloadPage(IDD_SELECT_PRINTER_PAGE, language, PSWIZB_BACK | PSWIZB_NEXT),
      m_list(IDC_PRINTER_LIST, false)
{
    UseSortableList(&m_list);
}

BOOL CSelectPrinterPage::OnSetActive()
{
    PostButtonsForChoice(!m_strPrinterName.empty() && !m_strPortName.empty());
    Dressing dressing;
    dressing.title = true;
    dressing.backAndCancel = true;
    if (DressSheet(dressing)) {
        if (!m_bActivated && m_nSupportedPrinterCount == 0)
            m_bShowAllPrinters = true;
        CheckDlgButton(GetSafeHwnd(), IDC_SHOW_ALL_PRINTERS,
                       m_bShowAllPrinters ? BST_CHECKED : BST_UNCHECKED);
    }
    FillList();
    m_bActivated = true;
    return CDownloadPage::OnSetActive();
}

void CSelectPrinterPage::FillList()
{
    CResourceLibrary texts(TextLibraryPath().c_str());
    if (!texts.IsLoaded()) {
        Sheet().SetResult(ERR_RESOURCE_LIBRARY);
        return;
    }
    HWND list = GetDlgItem(IDC_PRINTER_LIST);
    RECT client = {0, 0, 0, 0};
    GetClientRect(list, &client);
    PrinterColumnWidths widths = ComputePrinterColumnWidths(client.right - client.left);

    m_bFilling = true;
    m_list.Reset(list);
    m_list.AddColumn(list, texts.LoadText(IDS_PRINTER_NAME_COLUMN), widths.name);
    m_list.AddColumn(list, texts.LoadText(IDS_PRINTER_PORT_COLUMN), widths.port);
    m_list.AddColumn(list, texts.LoadText(IDS_PRINTER_COMMENT_COLUMN), widths.comment);
    m_list.AddColumn(list, texts.LoadText(IDS_PRINTER_LOCATION_COLUMN), widths.location);

    CPrinterList printers;
    int count = printers.GetCount();
    std::unique_ptr<CIniConfig> config;
    int listed = 0;
    bool chosenListed = false;
    std::string onlyName, onlyPort, onlyDriver;
    for (int i = 0; i < count; ++i) {
        PrinterInfo printer = printers.GetAt(i);
        if (printers.GetStatus() != RESULT_OK) {
            Sheet().SetResult(printers.GetStatus());
            break;
        }
        std::string name = TextOrEmpty(printer.GetPrinterName());
        std::string driver = TextOrEmpty(printer.GetDriverName());
        if (!m_bShowAllPrinters) {
            if (!config)
                config = std::make_unique<CIniConfig>();
            if (config->FindDriver(driver.c_str()) == 0)
                continue;
        }
        std::string port = TextOrEmpty(printer.GetPortName());
        int row = m_list.AddRow(list, {name, port, TextOrEmpty(printer.GetComment()),
                                       TextOrEmpty(printer.GetLocation())});
        if (name == m_strPrinterName) {
            m_list.SelectAndFocus(list, row);
            chosenListed = true;
        }
        onlyName = name;
        onlyPort = port;
        onlyDriver = driver;
        ++listed;
    }
    if (listed == 1) {
        m_strPrinterName = onlyName;
        m_strPortName = onlyPort;
        m_strDriverName = onlyDriver;
        m_list.SelectAndFocus(list, 0);
        PostButtons(m_nWizardButtons);
    } else if (count >= 0 && !chosenListed) {
        // The chosen printer is gone, or no longer supported: Next would go on with a printer
        // that is not there.
        m_strPrinterName.clear();
        m_strPortName.clear();
        m_strDriverName.clear();
        PostButtons(WithoutNextAndFinish(m_nWizardButtons));
    }
    m_bFilling = false;
}

void CSelectPrinterPage::OnSelectionChange(int controlId)
{
    if (controlId != IDC_PRINTER_LIST || m_bFilling)
        return;
    HWND list = GetDlgItem(IDC_PRINTER_LIST);
    int row = CSortableList::SelectedRow(list);
    std::string name = CSortableList::CellText(list, row, 0);
    if (name.empty()) {
        PostButtons(WithoutNextAndFinish(m_nWizardButtons));
        return;
    }
    m_strPrinterName = name;
    m_strPortName = CSortableList::CellText(list, row, 1);
    CPrinterList printers;
    PrinterInfo printer = printers.FindByName(name.c_str());
    if (printer.GetDriverName() != nullptr && *printer.GetDriverName() != '\0')
        m_strDriverName = printer.GetDriverName();
    PostButtons(m_nWizardButtons);
}

void CSelectPrinterPage::OnClicked(int controlId)
{
    if (controlId != IDC_SHOW_ALL_PRINTERS)
        return;
    bool showAll = IsDlgButtonChecked(GetSafeHwnd(), IDC_SHOW_ALL_PRINTERS) == BST_CHECKED;
    if (showAll == m_bShowAllPrinters)
        return;
    m_bShowAllPrinters = showAll;
    FillList();
}

LRESULT CSelectPrinterPage::OnNext()
{
    HandChoiceToSheet();
    return 0;
}

LRESULT CSelectPrinterPage::OnBack()
{
    HandChoiceToSheet();
    return 0;
}

void CSelectPrinterPage::HandChoiceToSheet() const
{
    Manager().SetPrinter(m_strPrinterName, m_strPortName, m_strDriverName);
}
