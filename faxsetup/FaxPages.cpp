#include "FaxWizard.h"

#include "FaxConfirmPage.h"
#include "FaxSelectCountryCodePage.h"
#include "FaxSetTimePage.h"

// The wizard's pages join here as they are built; a run leaves out those not built yet.
std::unique_ptr<FaxPage> CreateFaxPage(const FaxPageStep& step, const FaxRun& run, int)
{
    switch (step.kind) {
    // Country code, time, confirmation.
    case FaxPageKind::SELECT_COUNTRY_CODE:
        return std::make_unique<FaxSelectCountryCodePage>(run.language, step.wizardButtons);
    case FaxPageKind::SET_TIME:
        return std::make_unique<FaxSetTimePage>(run.language, step.wizardButtons);
    case FaxPageKind::CONFIRM:
        return std::make_unique<FaxConfirmPage>(run.language, step.wizardButtons,
                                                run.skipCountryCode, run.skipTime);
    default:
        return nullptr;
    }
}
