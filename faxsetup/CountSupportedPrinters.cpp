#include "CountSupportedPrinters.h"

#include "IniConfig.h"
#include "ResultCodes.h"
#include "SupportedPrinters.h"

int CountSupportedPrinters(int& count)
{
    count = 0;
    CIniConfig config;
    if (config.GetLastErrorCode() != RESULT_OK)
        return config.GetLastErrorCode();
    SupportedPrinters supported = FindSupportedPrinters(config, &CIniConfig::FindDriverAndModel);
    count = supported.count;
    if (supported.listError != RESULT_OK)
        return supported.listError;
    return supported.listed == 0 ? ERR_PRINTER_NONE : RESULT_OK;
}
