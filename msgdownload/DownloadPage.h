#pragma once
#include "LCDMessageDownloadManager.h"
#include "ResourcePaths.h"
#include "WizardPage.h"

// A page of the message-download wizard.
using CDownloadPage = CWizardPage<CLCDMessageDownloadManager, kDownloadTextLibraryPattern>;
