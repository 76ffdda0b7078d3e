#pragma once
#include <string>

#include "PrinterSelection.h"

// One run of the fax-setup wizard, as the caller asked for it.
struct FaxRun {
    // The printer chosen beforehand; empty when the user picks it.
    std::string printerName;
    std::string language;
    // Wanted printer time minus PC time, in seconds.
    int timeOffset = 0;
    // The country code to start with; may be empty.
    std::string countryCode;
    bool skipIntroduction = false;
    bool skipCountryCode = false;
    bool skipTime = false;
    // Receives the chosen printer once the settings were sent; may be null.
    PRINTER_SELECTION* pSelection = nullptr;
};
