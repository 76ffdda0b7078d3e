#include "FaxSettingsJob.h"

#include <functional>
#include <memory>

#include "FaxClock.h"
#include "FaxMessageBox.h"
#include "PortList.h"
#include "PrinterEcho.h"
#include "PrinterHost.h"
#include "PrintJob.h"
#include "PrinterList.h"
#include "ResourceIds.h"
#include "ResourceLibrary.h"
#include "ResourcePaths.h"

namespace {

// The time jobs reach the printer this long after the country code.
const DWORD kPauseAfterCountryCodeMs = 2000;

std::string CountryCodeCommand(const std::string& code)
{
    return "@PJL DEFAULT KYVCOUNTRYCODE=" + code + "\r\n";
}

std::string DaylightSavingCommand(bool daylightSaving)
{
    const char* setting = daylightSaving ? "ON" : "OFF";
    return std::string("@PJL DEFAULT KYVDAYLIGHTSAVING=") + setting + "\r\n";
}

std::string TimeZoneCommand(int minutesEast)
{
    return "@PJL DEFAULT KYVTIMEZONEOFFSET=" + std::to_string(minutesEast) + "\r\n";
}

std::string CurrentTimeCommand(int64_t seconds)
{
    return "@PJL SET KYVCURRENTTIME=" + std::to_string(seconds) + "\r\n";
}

// A network printer must be there: a standard TCP/IP port's printer answers an echo, an LPR
// port's printer has its address set. Other ports are not checked. `freeTexts` frees the texts
// of `messages` before a failed echo ends the process.
bool IsPrinterReachable(const FaxSettings& settings, const FaxMessageBox& messages,
                        const std::function<void()>& freeTexts)
{
    CPortList ports;
    CPortEntry port = ports.FindPort(settings.portName.c_str(), nullptr);
    if (!port.IsStandardTcpIpPort() && !port.IsLprPort())
        return true;
    std::string host;
    if (!ResolvePrinterHost(port, settings.printerName.c_str(), host, messages))
        return false;
    if (!port.IsStandardTcpIpPort())
        return true;
    return PrinterEcho(messages, freeTexts).EchoPrinter(host.c_str());
}

UINT StateMessage(int jobCount, int status)
{
    if (jobCount != 0)
        return IDS_PRINTER_HAS_JOBS;
    return (status & PRINTER_STATUS_PAUSED) != 0 ? IDS_PRINTER_PAUSED : IDS_PRINTER_OFFLINE;
}

}  // namespace

FaxSettings ReadFaxSettings(const FaxSetupManager& sheet, bool skipCountryCode, bool skipTime)
{
    FaxSettings settings;
    std::string driver, countryName;
    sheet.GetPrinter(settings.printerName, settings.portName, driver);
    sheet.GetCountry(settings.countryCode, countryName);
    settings.timeOffset = sheet.GetTimeOffset();
    settings.daylightSaving = sheet.GetDaylightSaving();
    settings.skipCountryCode = skipCountryCode;
    settings.skipTime = skipTime;
    return settings;
}

bool CheckPrinterState(const char* printerName, int& jobCount, int& status)
{
    CPrinterList printers;
    PrinterInfo printer = printers.FindByName(printerName);
    jobCount = printer.GetJobCount();
    status = printer.GetPrinterStatus();
    return jobCount == 0 && (status & (PRINTER_STATUS_PAUSED | PRINTER_STATUS_OFFLINE)) == 0;
}

bool SendFaxSettings(const FaxSettings& settings, const std::string& language, HWND owner,
                     int& sendError)
{
    PrinterEcho::m_nRoundTripSum = 0;
    auto texts = std::make_unique<CResourceLibrary>(FaxPageTextLibraryPath(language).c_str());
    FaxMessageBox messages(owner, *texts);
    if (!IsPrinterReachable(settings, messages, [&texts] { texts.reset(); }))
        return false;

    const char* printer = settings.printerName.c_str();
    std::string document = texts->LoadText(IDS_FAX_SETTINGS_DOCUMENT);
    int jobCount = 0;
    int status = 0;
    if (!CheckPrinterState(printer, jobCount, status)) {
        messages.Show(StateMessage(jobCount, status));
        return false;
    }

    // Every job is sent even after one failed; the latest failure is what counts.
    sendError = 0;
    auto send = [&](const std::string& command) {
        CPrintJob job;
        if (!job.SendPjlCommand(printer, document.c_str(), command))
            sendError = job.GetStatus();
    };
    if (!settings.skipCountryCode)
        send(CountryCodeCommand(settings.countryCode));
    Sleep(kPauseAfterCountryCodeMs);
    if (!settings.skipTime) {
        // Read after the pause, so that the printer's clock does not start behind by it.
        FaxClock clock = ReadFaxClock(settings.timeOffset, PrinterEcho::m_nRoundTripSum,
                                      settings.daylightSaving);
        send(DaylightSavingCommand(settings.daylightSaving));
        send(TimeZoneCommand(clock.timeZoneOffset));
        send(CurrentTimeCommand(clock.currentTime));
    }
    return sendError == 0;
}
