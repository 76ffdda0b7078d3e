#include "SpoolerApi.h"

SpoolerApi g_SpoolerApi = {
    ::EnumPrintersA, ::OpenPrinterA,  ::GetPrinterDriverA, ::StartDocPrinterA,
    ::WritePrinter,  ::EndDocPrinter, ::ClosePrinter,      ::EnumJobsA,
};
