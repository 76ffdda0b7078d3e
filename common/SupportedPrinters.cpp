#include "SupportedPrinters.h"

#include "PrinterList.h"
#include "ResultCodes.h"

SupportedPrinters FindSupportedPrinters(CIniConfig& config, DriverLookup isSupported)
{
    SupportedPrinters supported;
    CPrinterList printers;
    int count = printers.GetCount();
    if (count < 0)
        supported.listError = printers.GetStatus();
    else
        supported.listed = count;
    for (int i = count - 1; i >= 0; --i) {
        PrinterInfo printer = printers.GetAt(i);
        if (printers.GetStatus() != RESULT_OK || printer.GetError() != RESULT_OK) {
            supported.listError = printers.GetStatus() != RESULT_OK ? printers.GetStatus()
                                                                      : printer.GetError();
            break;
        }
        if ((config.*isSupported)(printer.GetDriverName()) == 0)
            continue;
        if (supported.count++ == 0 && printer.GetPrinterName() != nullptr)
            supported.lastName = printer.GetPrinterName();
    }
    return supported;
}
