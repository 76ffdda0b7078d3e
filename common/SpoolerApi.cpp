#include "SpoolerApi.h"

SpoolerApi g_SpoolerApi = {
    ::EnumPrintersA, ::OpenPrinterA,  ::GetPrinterDriverA, ::StartDocPrinterA, ::WritePrinter,
    ::AbortPrinter,  ::EndDocPrinter, ::ClosePrinter,      ::EnumJobsA,        ::EnumPortsA,
};
