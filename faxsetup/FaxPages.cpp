#include "FaxWizard.h"

#include "FaxCompletePage.h"
#include "FaxConfirmPage.h"
#include "FaxIntroductionPage.h"
#include "FaxSelectCountryCodePage.h"
#include "FaxSelectModelPage.h"
#include "FaxSelectPrinterPage.h"
#include "FaxSetTimePage.h"

namespace {

std::unique_ptr<CWizardPageBase> MakePage(const FaxPageStep& step, const FaxRun& run,
                                          int supportedPrinters)
{
    switch (step.kind) {
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
    case FaxPageKind::SELECT_COUNTRY_CODE:
        return std::make_unique<FaxSelectCountryCodePage>(run.language);
    case FaxPageKind::SET_TIME:
        return std::make_unique<FaxSetTimePage>(run.language);
    case FaxPageKind::CONFIRM:
        return std::make_unique<FaxConfirmPage>(run.language, run.skipCountryCode, run.skipTime);
    case FaxPageKind::COMPLETE:
        return std::make_unique<FaxCompletePage>(run.language);
    }
    return nullptr;
}

}  // namespace

// The plan decides each page's buttons, the first page of a run offering Next only.
std::unique_ptr<CWizardPageBase> CreateFaxPage(const FaxPageStep& step, const FaxRun& run,
                                               int supportedPrinters)
{
    std::unique_ptr<CWizardPageBase> page = MakePage(step, run, supportedPrinters);
    page->SetWizardButtons(step.wizardButtons);
    return page;
}
