#pragma once
#include <memory>

#include "FaxPagePlan.h"
#include "FaxRun.h"
#include "WizardPageBase.h"

// Makes the page of one step of a run; null for a page the library does not have.
// `supportedPrinters` is the number of installed printers the fax setup knows.
using FaxPageFactory = std::unique_ptr<CWizardPageBase> (*)(const FaxPageStep& step,
                                                             const FaxRun& run,
                                                             int supportedPrinters);

// The pages of the fax wizard.
std::unique_ptr<CWizardPageBase> CreateFaxPage(const FaxPageStep& step, const FaxRun& run,
                                               int supportedPrinters);

// Shows the wizard with the pages `createPage` makes for the run, and fills the run's selection
// record once the settings were sent. Returns 0 or the code of the last error the wizard met.
int RunFaxWizard(const FaxRun& run, FaxPageFactory createPage = CreateFaxPage);
