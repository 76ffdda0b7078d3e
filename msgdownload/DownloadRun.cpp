#include "DownloadRun.h"

#include <memory>
#include <vector>

#include "CommaList.h"
#include "ConclusionPage.h"
#include "DownloadMessagePage.h"
#include "IniConfig.h"
#include "IntroductionPage.h"
#include "LCDMessageDownloadManager.h"
#include "MenuPrintPage.h"
#include "MessageLanguageTable.h"
#include "MessageVersionPage.h"
#include "MissingFileMessage.h"
#include "OptionalText.h"
#include "PrinterList.h"
#include "ResourcePaths.h"
#include "SelectLanguagePage.h"
#include "SelectModelPage.h"
#include "SelectPrinterPage.h"
#include "SheetLibraries.h"
#include "SheetTitle.h"
#include "SupportedPrinters.h"
#include "SystemAnsiCharacters.h"

namespace {

const int kFirstPageButtons = PSWIZB_NEXT;
const int kConclusionButtons = PSWIZB_BACK | PSWIZB_FINISH;

// The record names the printer to use only when a printer of exactly that name is installed:
// one that has gone, or whose name did not fit the record, is no preset, and the user chooses.
bool HasUsablePreset(const DownloadRun& run)
{
    if (run.pPreset == nullptr || run.pPreset->bValid == 0)
        return false;
    CPrinterList printers;
    return !printers.FindByName(SelectionFieldText(run.pPreset->szPrinterName).c_str()).IsEmpty();
}

// Every machine supports the language, and the text library can name it: then nobody needs to
// choose it.
bool IsLanguageKnown(const CIniConfig& config, const std::string& language,
                     const CResourceLibrary& texts, std::string& displayName)
{
    AnsiCharacters characters = SystemAnsiCharacters();
    for (const std::string& languages : config.GetSection(SECTION_MACHINES).values) {
        if (!ListContainsIgnoringCase(languages, language, characters))
            return false;
    }
    CResourcePairTable table = MessageLanguageTable(texts);
    int position = table.FindKey(language);
    if (position < 0)
        return false;
    // Without a name the language could not be shown, nor chosen on the language page: that
    // page stays in and reports the gap in the table.
    displayName = table.Name(position);
    return !displayName.empty();
}

// The pages of one run, in order, owned for its length.
class PageSet {
public:
    template <typename Page>
    Page& Add(const std::string& language)
    {
        m_pages.push_back(std::make_unique<Page>(language));
        return static_cast<Page&>(*m_pages.back());
    }

    void AddTo(CLCDMessageDownloadManager& sheet) const
    {
        for (const auto& page : m_pages)
            sheet.AddPage(page.get());
    }

private:
    std::vector<std::unique_ptr<CWizardPageBase>> m_pages;
};

void AddPrinterPages(PageSet& pages, const std::string& language, int supportedPrinters,
                     bool first)
{
    auto& printer = pages.Add<CSelectPrinterPage>(language);
    printer.SetSupportedPrinterCount(supportedPrinters);
    if (first)
        printer.SetWizardButtons(kFirstPageButtons);
    pages.Add<CSelectModelPage>(language);
}

void TakePreset(CLCDMessageDownloadManager& sheet, const PRINTER_SELECTION& preset)
{
    sheet.SetPrinter(SelectionFieldText(preset.szPrinterName), SelectionFieldText(preset.szPortName),
                     SelectionFieldText(preset.szDriverName));
    sheet.SetModelName(SelectionFieldText(preset.szModelName));
}

void BuildFullRun(const DownloadRun& run, const CIniConfig& config, bool preset,
                  const CResourceLibrary& texts, int supportedPrinters,
                  CLCDMessageDownloadManager& sheet, PageSet& pages)
{
    const std::string& language = run.uiLanguage;
    pages.Add<CIntroductionPage>(language);
    if (preset)
        TakePreset(sheet, *run.pPreset);
    else
        AddPrinterPages(pages, language, supportedPrinters, false);
    std::string displayName;
    if (!run.requestedLanguage.empty() && IsLanguageKnown(config, run.requestedLanguage, texts, displayName)) {
        sheet.SetMessageLanguage(run.requestedLanguage);
        sheet.SetMessageLanguageName(displayName);
    } else {
        pages.Add<CSelectLanguagePage>(language);
    }
    pages.Add<CMenuPrintPage>(language);
    pages.Add<CMessageVersionPage>(language);
}

// The short run works on the printer the caller named, or on the only supported one.
void BuildShortRun(const DownloadRun& run, CIniConfig& config, bool preset,
                   const SupportedPrinters& supported, CLCDMessageDownloadManager& sheet,
                   PageSet& pages)
{
    const std::string& language = run.uiLanguage;
    std::string printerName = run.printerName;
    if (printerName.empty() && supported.count == 1)
        printerName = supported.lastName;
    sheet.SetPrinter(printerName, "", "");

    if (preset) {
        TakePreset(sheet, *run.pPreset);
    } else if (!printerName.empty()) {
        CPrinterList printers;
        PrinterInfo printer = printers.FindByName(printerName.c_str());
        std::string port = TextOrEmpty(printer.GetPortName());
        std::string driver = TextOrEmpty(printer.GetDriverName());
        if (config.FindDriver(driver.c_str()) != 0 || supported.count == 1)
            sheet.SetPrinter(printerName, port, driver);
    } else {
        AddPrinterPages(pages, language, supported.count, true);
    }
    auto& languagePage = pages.Add<CSelectLanguagePage>(language);
    if (preset || !printerName.empty())
        languagePage.SetWizardButtons(kFirstPageButtons);
}

}  // namespace

int RunDownloadWizard(const DownloadRun& run, CIniConfig& config)
{
    SheetLibraries libraries(DownloadTextLibraryPath(run.uiLanguage));
    if (!libraries.IsLoaded()) {
        ShowMissingFile();
        return 0;
    }
    const CResourceLibrary& texts = libraries.Texts();

    CLCDMessageDownloadManager sheet(LoadSheetTitle(texts).c_str(), run.uiLanguage);
    sheet.SetUiLanguage(run.uiLanguage);
    sheet.SetRequestedLanguage(run.requestedLanguage);
    sheet.SetStartMode(0);

    SupportedPrinters supported = FindSupportedPrinters(config);
    PageSet pages;
    bool preset = HasUsablePreset(run);
    if (run.kind == DownloadRun::SHORT)
        BuildShortRun(run, config, preset, supported, sheet, pages);
    else
        BuildFullRun(run, config, preset, texts, supported.count, sheet, pages);
    pages.Add<CDownloadMessagePage>(run.uiLanguage);
    pages.Add<CConclusionPage>(run.uiLanguage).SetWizardButtons(kConclusionButtons);

    pages.AddTo(sheet);
    sheet.RunWizard();
    return sheet.GetResult();
}
