#pragma once
#include <windows.h>

#include <string>

#include "FaxSetupManager.h"

// What one sending of the fax settings needs: the sheet's choices and which of them to leave out.
struct FaxSettings {
    std::string printerName;
    std::string portName;
    std::string countryCode;
    int timeOffset = 0;
    bool daylightSaving = false;
    bool skipCountryCode = false;
    bool skipTime = false;
};

FaxSettings ReadFaxSettings(const FaxSetupManager& sheet, bool skipCountryCode, bool skipTime);

// Sends the settings to the printer, each command as a raw job of its own: the country code, then
// two seconds later the daylight saving, the time-zone offset and the current time. A network
// printer must answer first, and the printer must be idle; what stops the sending is told in a
// box owned by `owner`. True when every job was handed to the spooler; `sendError` holds the job
// sender's code (0 when every job went out).
bool SendFaxSettings(const FaxSettings& settings, const std::string& language, HWND owner,
                     int& sendError);

// True when the printer may take the settings: no queued job, not paused, not offline. A printer
// the spooler does not list passes.
bool CheckPrinterState(const char* printerName, int& jobCount, int& status);
