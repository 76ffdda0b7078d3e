#include "SpoolerApi.h"

#include "FindExport.h"

// The spooler is bound when it is first needed instead of imported: loading it brings up the
// window system with it (the common controls of its property pages), which costs a windowless
// launcher run such as /CheckInifile more than its own work.
namespace {

// The spooler's own functions once bound. Plain namespace-scope state, not a function's static:
// the guard of one sets up threading objects that outlive a library freed after the call.
SpoolerApi g_real = {};
bool g_bound = false;

bool Bind()
{
    HMODULE spooler = LoadPinnedLibrary("winspool.drv");
    if (spooler == nullptr)
        return false;
    // Typed as the spooler's headers declare each function, calling convention included, so an
    // entry that does not match it does not compile, on either processor.
    SpoolerApi api = {
        FindExport<decltype(&::EnumPrintersA)>(spooler, "EnumPrintersA"),
        FindExport<decltype(&::OpenPrinterA)>(spooler, "OpenPrinterA"),
        FindExport<decltype(&::GetPrinterDriverA)>(spooler, "GetPrinterDriverA"),
        FindExport<decltype(&::StartDocPrinterA)>(spooler, "StartDocPrinterA"),
        FindExport<decltype(&::WritePrinter)>(spooler, "WritePrinter"),
        FindExport<decltype(&::AbortPrinter)>(spooler, "AbortPrinter"),
        FindExport<decltype(&::EndDocPrinter)>(spooler, "EndDocPrinter"),
        FindExport<decltype(&::ClosePrinter)>(spooler, "ClosePrinter"),
        FindExport<decltype(&::EnumJobsA)>(spooler, "EnumJobsA"),
        FindExport<decltype(&::EnumPortsA)>(spooler, "EnumPortsA"),
    };
    if (!api.EnumPrintersA || !api.OpenPrinterA || !api.GetPrinterDriverA ||
        !api.StartDocPrinterA || !api.WritePrinter || !api.AbortPrinter || !api.EndDocPrinter ||
        !api.ClosePrinter || !api.EnumJobsA || !api.EnumPortsA)
        return false;
    g_real = api;
    return true;
}

// The spooler's own functions; null when the spooler or one of its functions cannot be found,
// with the error left for the caller (binding is tried again on the next call).
const SpoolerApi* Real()
{
    if (!g_bound)
        g_bound = Bind();
    if (!g_bound)
        SetLastError(ERROR_MOD_NOT_FOUND);
    return g_bound ? &g_real : nullptr;
}

// The table's entries: each goes on to the spooler's function, or fails as the spooler's functions
// fail (0, whatever the result type) when it cannot be had. A test may point an entry elsewhere.
BOOL WINAPI SpoolerEnumPrinters(DWORD flags, LPSTR name, DWORD level, LPBYTE buffer, DWORD size,
                                LPDWORD needed, LPDWORD returned)
{
    return Real() && Real()->EnumPrintersA(flags, name, level, buffer, size, needed, returned);
}

BOOL WINAPI SpoolerOpenPrinter(LPSTR printerName, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults)
{
    return Real() && Real()->OpenPrinterA(printerName, printer, defaults);
}

BOOL WINAPI SpoolerGetPrinterDriver(HANDLE printer, LPSTR environment, DWORD level, LPBYTE buffer,
                                    DWORD size, LPDWORD needed)
{
    return Real() && Real()->GetPrinterDriverA(printer, environment, level, buffer, size, needed);
}

DWORD WINAPI SpoolerStartDocPrinter(HANDLE printer, DWORD level, LPBYTE docInfo)
{
    return Real() ? Real()->StartDocPrinterA(printer, level, docInfo) : 0;
}

BOOL WINAPI SpoolerWritePrinter(HANDLE printer, LPVOID data, DWORD size, LPDWORD written)
{
    return Real() && Real()->WritePrinter(printer, data, size, written);
}

BOOL WINAPI SpoolerAbortPrinter(HANDLE printer) { return Real() && Real()->AbortPrinter(printer); }

BOOL WINAPI SpoolerEndDocPrinter(HANDLE printer)
{
    return Real() && Real()->EndDocPrinter(printer);
}

BOOL WINAPI SpoolerClosePrinter(HANDLE printer) { return Real() && Real()->ClosePrinter(printer); }

BOOL WINAPI SpoolerEnumJobs(HANDLE printer, DWORD firstJob, DWORD jobCount, DWORD level,
                          LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned)
{
    return Real() &&
           Real()->EnumJobsA(printer, firstJob, jobCount, level, buffer, size, needed, returned);
}

BOOL WINAPI SpoolerEnumPorts(LPSTR name, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
                           LPDWORD returned)
{
    return Real() && Real()->EnumPortsA(name, level, buffer, size, needed, returned);
}

}  // namespace

SpoolerApi g_SpoolerApi = {
    SpoolerEnumPrinters, SpoolerOpenPrinter,   SpoolerGetPrinterDriver, SpoolerStartDocPrinter,
    SpoolerWritePrinter, SpoolerAbortPrinter,  SpoolerEndDocPrinter,    SpoolerClosePrinter,
    SpoolerEnumJobs,     SpoolerEnumPorts,
};
