#pragma once
#include <string>

#include "FaxMessageBox.h"
#include "PortEntry.h"

// The network address of a printer on a standard TCP/IP port (from the monitor's settings of the
// port) or on an LPR utility's port (from the utility's settings of the printer), as a host name
// or dotted address. When the settings hold none it tells the user so and returns false; ports
// of other monitors have no address to find.
bool ResolvePrinterHost(const CPortEntry& port, const char* printerName, std::string& hostText,
                        const FaxMessageBox& messages);
