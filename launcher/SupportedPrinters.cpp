#include "SupportedPrinters.h"

#include "IniConfig.h"
#include "PrinterList.h"

int CountSupportedPrinters()
{
    CIniConfig config;
    if (config.GetLastErrorCode() != 0)
        return 0;

    CPrinterList printers;
    int count = printers.GetCount();
    int supported = 0;
    for (int i = count - 1; i >= 0; --i) {
        PrinterInfo printer = printers.GetAt(i);
        if (printers.GetStatus() != 0 || printer.GetError() != 0)
            return 0;
        if (config.FindDriver(printer.GetDriverName()) != 0)
            ++supported;
    }
    return supported;
}
