#pragma once
#include "FaxSetupManager.h"
#include "ResourcePaths.h"
#include "WizardPage.h"

// A page of the fax-setup wizard.
using FaxPage = CWizardPage<FaxSetupManager, kFaxTextLibraryPattern>;
