// The floor of a download: sends a language file, framed as the download frames it, to a printer
// with a single WritePrinter call:
//   WriteOnce.exe <printer> <language file>
// prints "send_ms=<ms>" from opening the printer to closing it, and "read_ms=<ms>" for reading
// the file and framing the job beforehand, which one call needs done first and a download
// spreads over its writes.
#include <windows.h>

#include <cstdio>
#include <string>

#include "Stopwatch.h"

namespace {

const char kUel[] = "\x1b%-12345X";

int Fail(const char* message)
{
    std::fprintf(stderr, "WriteOnce: %s\n", message);
    return 1;
}

bool ReadWhole(const char* path, std::string& bytes)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD size = GetFileSize(file, nullptr);
    bytes.resize(size);
    DWORD read = 0;
    bool whole = size != INVALID_FILE_SIZE && ReadFile(file, &bytes[0], size, &read, nullptr) &&
                 read == size;
    CloseHandle(file);
    return whole;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: WriteOnce.exe <printer> <language file>");
    CStopwatch readWatch;
    std::string file;
    if (!ReadWhole(argv[2], file))
        return Fail("cannot read the language file");
    std::string job = kUel;
    job += "@PJL KYVRESOURCEWRITE LOCATION=\"DownloadMessage:setMessage\" SIZE=" +
           std::to_string(file.size()) + "\r\n";
    job += file;
    job += kUel;
    double readMs = readWatch.ElapsedMs();

    CStopwatch sendWatch;
    HANDLE printer = nullptr;
    if (!OpenPrinterA(argv[1], &printer, nullptr))
        return Fail("cannot open the printer");
    DOC_INFO_1A document = {};
    document.pDocName = const_cast<char*>("WriteOnce");
    document.pDatatype = const_cast<char*>("RAW");
    DWORD written = 0;
    bool sent = StartDocPrinterA(printer, 1, reinterpret_cast<LPBYTE>(&document)) != 0 &&
                WritePrinter(printer, &job[0], static_cast<DWORD>(job.size()), &written) &&
                written == job.size();
    sent = EndDocPrinter(printer) && sent;
    ClosePrinter(printer);
    double sendMs = sendWatch.ElapsedMs();
    if (!sent)
        return Fail("the spooler did not take the whole job");
    std::printf("send_ms=%.1f read_ms=%.1f\n", sendMs, readMs);
    return 0;
}
