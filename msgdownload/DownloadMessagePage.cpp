#include "DownloadMessagePage.h"

#include "LanguageFileHeader.h"
#include "ChosenLanguageFile.h"
#include "PositionalText.h"
#include "ResourceIds.h"
#include "ResultCodes.h"

namespace {

// The printer with its port when the format names both, else the printer alone.
std::string PrinterText(const std::string& format, const std::string& printer,
                        const std::string& port)
{
    if (printer.empty())
        return std::string();
    if (!HasPlaceholder(format, kFirstPlaceholder) || !HasPlaceholder(format, kSecondPlaceholder))
        return printer;
    return FillPositionalText(format, printer, port);
}

}  // namespace

CDownloadMessagePage::CDownloadMessagePage(const std::string& language)
    : CDownloadPage(IDD_DOWNLOAD_MESSAGE_PAGE, language, PSWIZB_BACK | PSWIZB_NEXT)
{
}

BOOL CDownloadMessagePage::OnSetActive()
{
    // Back and Next stay offered even when the libraries are missing.
    PostButtons(m_nWizardButtons);
    Dressing dressing;
    dressing.nextCaption = IDS_DOWNLOAD_BUTTON;
    if (DressSheet(dressing))
        ShowSummary();
    return CDownloadPage::OnSetActive();
}

void CDownloadMessagePage::ShowSummary()
{
    const CLCDMessageDownloadManager& sheet = Manager();
    HWND page = GetSafeHwnd();
    std::string language, languageName;
    sheet.GetMessageLanguage(language, languageName);
    bool chosen = !language.empty() && !languageName.empty();
    PostButtons(chosen ? m_nWizardButtons : WithoutNextAndFinish(m_nWizardButtons));
    SetDlgItemTextA(page, IDC_SUMMARY_LANGUAGE, chosen ? languageName.c_str() : "");

    std::string printer, port, driver;
    sheet.GetPrinter(printer, port, driver);
    std::string printerText = PrinterText(LoadText(IDS_PRINTER_ON_PORT_FORMAT), printer, port);
    SetDlgItemTextA(page, IDC_SUMMARY_PRINTER, printerText.c_str());

    // The model line belongs to a download by model only; everything is recomputed, so a line
    // left from an earlier activation goes too.
    ChosenLanguageFile file = FindChosenLanguageFile(sheet);
    bool byModel = file.route == ChosenLanguageFile::BY_MODEL;
    ShowWindow(GetDlgItem(IDC_SUMMARY_MODEL_LABEL), byModel ? SW_SHOWNA : SW_HIDE);
    SetDlgItemTextA(page, IDC_SUMMARY_MODEL, byModel ? sheet.GetModelName().c_str() : "");
    CLanguageFileHeader header;
    std::string version = header.Read(file.path.c_str()) ? header.GetVersion1Max() : std::string();
    SetDlgItemTextA(page, IDC_SUMMARY_VERSION, version.c_str());
}

LRESULT CDownloadMessagePage::OnNext()
{
    CResourceLibrary texts(TextLibraryPath().c_str());
    if (!texts.IsLoaded()) {
        Sheet().SetResult(ERR_RESOURCE_LIBRARY);
        return 0;
    }
    // The sheet records the download's outcome; the wizard goes on to show it either way.
    CLCDMessageDownloadManager& sheet = Manager();
    std::string printer, port, driver, language, languageName;
    sheet.GetPrinter(printer, port, driver);
    sheet.GetMessageLanguage(language, languageName);
    const std::string& model = sheet.GetModelName();
    switch (FindChosenLanguageFile(sheet).route) {
    case ChosenLanguageFile::BY_DRIVER:
        sheet.DownloadByDriver(printer.c_str(), language.c_str(), sheet.GetStartMode());
        break;
    case ChosenLanguageFile::BY_MODEL:
        if (!model.empty())
            sheet.DownloadByModel(printer.c_str(), model.c_str(), language.c_str(),
                                  sheet.GetStartMode());
        break;
    case ChosenLanguageFile::NONE:
        break;
    }
    return 0;
}
