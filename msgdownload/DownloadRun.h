#pragma once
#include <string>

#include "PrinterSelection.h"

class CIniConfig;

// One run of the message-download wizard, as the entry point chose it.
struct DownloadRun {
    enum Kind {
        FULL,      // every page, from the introduction to the conclusion
        SHORT,     // the language page (after the printer pages when no printer is known), the
                   // download and the conclusion
    };
    Kind kind = FULL;
    std::string uiLanguage;
    // The message language the caller asked for, a key of the configuration; may be empty.
    std::string requestedLanguage;
    // The printer the caller named; may be empty.
    std::string printerName;
    // A printer chosen before, by the fax setup; used when its valid flag is set.
    const PRINTER_SELECTION* pPreset = nullptr;
};

// Shows the wizard and returns its result: 0, or the code of the last error it met. The pages
// are chosen from the entry point's view of the configuration; each page reads its own.
int RunDownloadWizard(const DownloadRun& run, CIniConfig& config);
