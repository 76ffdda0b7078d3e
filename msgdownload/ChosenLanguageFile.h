#pragma once
#include <string>

#include "LCDMessageDownloadManager.h"

// The language file that the sheet's choices name: through the printer's driver when the
// configuration lists that driver, otherwise through the chosen model; by neither when the
// configuration can't be loaded or the sheet has no driver.
struct ChosenLanguageFile {
    enum Route { NONE, BY_DRIVER, BY_MODEL };

    Route route = NONE;
    std::string path;  // empty when the configuration names no file
};
ChosenLanguageFile FindChosenLanguageFile(const CLCDMessageDownloadManager& sheet);
