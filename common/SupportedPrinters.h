#pragma once
#include <string>

#include "IniConfig.h"

// The installed printers whose driver a function supports, looked at from the last printer to
// the first as the spooler lists them. A failed lookup leaves its code in the configuration's last
// error.
struct SupportedPrinters {
    int count = 0;
    // How many printers the spooler listed.
    int listed = 0;
    // The printer list's code when it could not be read to the end; 0 otherwise.
    int listError = 0;
    // The supported printer listed last by the spooler, empty when there is none.
    std::string lastName;
};

// The message download supports a driver that is a "Drivers" key; the fax setup one that is a
// "Driver and Model" key.
using DriverLookup = int (CIniConfig::*)(const char* driver);
SupportedPrinters FindSupportedPrinters(CIniConfig& config,
                                        DriverLookup isSupported = &CIniConfig::FindDriver);
