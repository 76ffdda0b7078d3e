#include "FaxWizard.h"

#include "FaxCompletePage.h"
#include "FaxIntroductionPage.h"
#include "FaxSelectModelPage.h"
#include "FaxSelectPrinterPage.h"

namespace {

std::unique_ptr<CWizardPageBase> MakePage(const FaxPageStep& step, const FaxRun& run,
                                          int supportedPrinters)
{
    switch (step.kind) {
    // Introduction, printer, model and completion.
    case FaxPageKind::INTRODUCTION:
        return std::make_unique<FaxIntroductionPage>(run.language, run.skipCountryCode,
                                                     run.skipTime);
    case FaxPageKind::SELECT_PRINTER: {
        auto page = std::make_unique<FaxSelectPrinterPage>(run.language);
        page->SetSupportedPrinterCount(supportedPrinters);
        return page;
    }
    case FaxPageKind::SELECT_MODEL:
        return std::make_unique<FaxSelectModelPage>(run.language);
    case FaxPageKind::COMPLETE:
        return std::make_unique<FaxCompletePage>(run.language);
    default:
        return nullptr;
    }
}

}  // namespace

// The plan decides each page's buttons, the first page of a run offering Next only.
std::unique_ptr<CWizardPageBase> CreateFaxPage(const FaxPageStep& step, const FaxRun& run,
                                               int supportedPrinters)
{
    std::unique_ptr<CWizardPageBase> page = MakePage(step, run, supportedPrinters);
    if (page)
        page->SetWizardButtons(step.wizardButtons);
    return page;
}
