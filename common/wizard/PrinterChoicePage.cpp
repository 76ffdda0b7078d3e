#include "PrinterChoicePage.h"

#include <memory>

#include "OptionalText.h"
#include "PrinterColumnWidths.h"
#include "PrinterList.h"
#include "ResourceIds.h"
#include "ResultCodes.h"

CPrinterChoicePage::CPrinterChoicePage(UINT templateId, const std::string& language,
                                       const char* textLibraryPattern, int wizardButtons,
                                       bool ascendingAfterReset)
    : CWizardPageBase(templateId, language, textLibraryPattern, wizardButtons),
      m_list(IDC_PRINTER_LIST, ascendingAfterReset)
{
    UseSortableList(&m_list);
}

BOOL CPrinterChoicePage::OnSetActive()
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
    return CWizardPageBase::OnSetActive();
}

void CPrinterChoicePage::FillList()
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
            if (!IsDriverListed(*config, driver))
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
    ArrangeList(list, m_list);
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
    ShowSelection(CSortableList::CellText(list, CSortableList::SelectedRow(list), 0));
}

void CPrinterChoicePage::OnSelectionChange(int controlId)
{
    if (controlId != IDC_PRINTER_LIST || m_bFilling)
        return;
    HWND list = GetDlgItem(IDC_PRINTER_LIST);
    int row = CSortableList::SelectedRow(list);
    std::string name = CSortableList::CellText(list, row, 0);
    if (name.empty()) {
        PostButtons(WithoutNextAndFinish(m_nWizardButtons));
    } else {
        m_strPrinterName = name;
        m_strPortName = CSortableList::CellText(list, row, 1);
        CPrinterList printers;
        PrinterInfo printer = printers.FindByName(name.c_str());
        if (!IsEmpty(printer.GetDriverName()))
            m_strDriverName = printer.GetDriverName();
        PostButtons(m_nWizardButtons);
    }
    ShowSelection(name);
}

void CPrinterChoicePage::OnClicked(int controlId)
{
    if (controlId != IDC_SHOW_ALL_PRINTERS)
        return;
    bool showAll = IsDlgButtonChecked(GetSafeHwnd(), IDC_SHOW_ALL_PRINTERS) == BST_CHECKED;
    if (showAll == m_bShowAllPrinters)
        return;
    m_bShowAllPrinters = showAll;
    FillList();
}

LRESULT CPrinterChoicePage::OnNext()
{
    HandChoiceToSheet(m_strPrinterName, m_strPortName, m_strDriverName);
    return 0;
}

LRESULT CPrinterChoicePage::OnBack()
{
    HandChoiceToSheet(m_strPrinterName, m_strPortName, m_strDriverName);
    return 0;
}
