#include <gtest/gtest.h>
#include <windows.h>

#include <string.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "FaxSettingsJob.h"
#include "LCDMessageDownloadManager.h"
#include "LanguageFiles.h"
#include "ModalRun.h"
#include "PortList.h"
#include "PrintJob.h"
#include "PrinterList.h"
#include "ProgramFiles.h"
#include "ReceivedJobs.h"
#include "RegistryKey.h"
#include "ResourceFiles.h"
#include "ResultCodes.h"
#include "SpoolerOverride.h"
#include "TestConfig.h"
#include "TestPrinters.h"

namespace {

using namespace test_printers;

enum Call { PRINTERS, PORTS, OPEN, DRIVER, START, WRITE, END, CLOSE, JOBS, CALL_KINDS };
const char* const kCallNames[] = {"EnumPrinters", "EnumPorts",    "OpenPrinter",
                                  "GetPrinterDriver", "StartDoc", "WritePrinter",
                                  "EndDoc",       "ClosePrinter", "EnumJobs"};

// The nth call (from 1) of a kind that the spooler fails.
struct Fault {
    Call call;
    int nth;
};

const char kQueuedDocument[] = "Somebody else's document";
const std::string kMenuCommand = "@PJL KYVINFOPRINT MENU=CUMENU\r\n";
const char kLprHostKey[] = "SOFTWARE\\Vantora\\Gastrolet\\RemoteHost\\Lomarel Fax LPR";

// The real spooler with the faults of one row, keeping account of what the product left open.
// Every printer it lists counts `queued` jobs, and its queue then holds one job of somebody else.
// Wine's AbortPrinter drops nothing, so the documents are spooled here, where an abort does.
struct Spooler {
    std::vector<Fault> faults;
    DWORD queued = 0;
    int calls[CALL_KINDS] = {};
    std::set<HANDLE> openPrinters;
    std::map<HANDLE, std::string> spooled;  // documents started and not ended, with their data
    std::set<HANDLE> abortedDocuments;
    std::set<HANDLE> failedWrites;
    bool growing = false;
    std::set<Call> grown;
};
Spooler* g_spooler = nullptr;

bool Fails(Call call)
{
    int nth = ++g_spooler->calls[call];
    for (const Fault& fault : g_spooler->faults) {
        if (fault.call == call && fault.nth == nth) {
            SetLastError(ERROR_ACCESS_DENIED);
            return true;
        }
    }
    return false;
}

// While `growing`, as if a printer, port or job had been added since the size query: the first
// call of a kind with a buffer asks for more than it was given.
bool Grew(Call call, LPBYTE buffer, DWORD size, LPDWORD needed)
{
    if (!g_spooler->growing || buffer == nullptr || !g_spooler->grown.insert(call).second)
        return false;
    *needed = size + 64;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return true;
}

// A query that fails in this row, or grew: either way it returns FALSE with `needed` set.
bool Refused(Call call, LPBYTE buffer, DWORD size, LPDWORD needed)
{
    if (Fails(call)) {
        *needed = 0;
        return true;
    }
    return Grew(call, buffer, size, needed);
}

BOOL WINAPI Printers(DWORD flags, LPSTR name, DWORD level, LPBYTE buffer, DWORD size,
                     LPDWORD needed, LPDWORD returned)
{
    *returned = 0;
    if (Refused(PRINTERS, buffer, size, needed))
        return FALSE;
    BOOL listed = ::EnumPrintersA(flags, name, level, buffer, size, needed, returned);
    for (DWORD i = 0; listed && buffer != nullptr && i < *returned; ++i)
        reinterpret_cast<PRINTER_INFO_2A*>(buffer)[i].cJobs = g_spooler->queued;
    return listed;
}

BOOL WINAPI Ports(LPSTR name, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
                  LPDWORD returned)
{
    *returned = 0;
    if (Refused(PORTS, buffer, size, needed))
        return FALSE;
    return ::EnumPortsA(name, level, buffer, size, needed, returned);
}

BOOL WINAPI Open(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults)
{
    if (Fails(OPEN) || !::OpenPrinterA(name, printer, defaults))
        return FALSE;
    g_spooler->openPrinters.insert(*printer);
    return TRUE;
}

BOOL WINAPI Driver(HANDLE printer, LPSTR environment, DWORD level, LPBYTE buffer, DWORD size,
                   LPDWORD needed)
{
    if (Refused(DRIVER, buffer, size, needed))
        return FALSE;
    return ::GetPrinterDriverA(printer, environment, level, buffer, size, needed);
}

DWORD WINAPI Start(HANDLE printer, DWORD level, LPBYTE document)
{
    if (Fails(START))
        return 0;
    DWORD job = ::StartDocPrinterA(printer, level, document);
    if (job != 0)
        g_spooler->spooled[printer].clear();
    return job;
}

BOOL WINAPI Write(HANDLE printer, LPVOID data, DWORD size, LPDWORD written)
{
    *written = 0;
    if (Fails(WRITE)) {
        g_spooler->failedWrites.insert(printer);
        return FALSE;
    }
    g_spooler->spooled[printer].append(static_cast<const char*>(data), size);
    *written = size;
    return TRUE;
}

BOOL WINAPI Abort(HANDLE printer)
{
    g_spooler->abortedDocuments.insert(printer);
    g_spooler->spooled[printer].clear();
    return TRUE;
}

// A document reaches the port only with its end, as from a spool file; one that was aborted or
// whose end the spooler refuses is dropped.
BOOL WINAPI End(HANDLE printer)
{
    auto document = g_spooler->spooled.find(printer);
    if (document == g_spooler->spooled.end())
        return ::EndDocPrinter(printer);
    bool refused = Fails(END);
    std::string data = refused ? std::string() : document->second;
    g_spooler->spooled.erase(document);
    DWORD written = 0;
    if (!data.empty())
        ::WritePrinter(printer, &data[0], static_cast<DWORD>(data.size()), &written);
    BOOL ended = ::EndDocPrinter(printer);
    return refused ? FALSE : ended;
}

BOOL WINAPI Close(HANDLE printer)
{
    g_spooler->openPrinters.erase(printer);
    BOOL closed = ::ClosePrinter(printer);
    return Fails(CLOSE) ? FALSE : closed;
}

BOOL WINAPI Jobs(HANDLE, DWORD, DWORD, DWORD, LPBYTE buffer, DWORD size, LPDWORD needed,
                 LPDWORD returned)
{
    *returned = 0;
    if (Refused(JOBS, buffer, size, needed))
        return FALSE;
    *needed = sizeof(JOB_INFO_2A) + sizeof(kQueuedDocument);
    if (buffer == nullptr || size < *needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    auto* job = reinterpret_cast<JOB_INFO_2A*>(buffer);
    job->pDocument = static_cast<char*>(memcpy(job + 1, kQueuedDocument, sizeof(kQueuedDocument)));
    *returned = 1;
    return TRUE;
}

bool IsCommandJob(const std::string& bytes)
{
    size_t uel = kUel.size();
    return bytes.size() > 2 * uel && bytes.compare(0, uel, kUel) == 0 &&
           bytes.compare(bytes.size() - uel, uel, kUel) == 0 &&
           bytes.compare(bytes.size() - uel - 2, 2, "\r\n") == 0;
}

// The results of one row: a message download, a menu print, a fax run's send error (-1 when no
// job was tried) and how many of its four jobs arrived whole.
struct Outcome {
    int download;
    int menu;
    int fax;
    int faxJobs;
};

struct Row {
    std::vector<Fault> faults;
    Outcome expected;
};

class SpoolerFaultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ForgetReceivedJobs();
        ASSERT_TRUE(m_lprHost.SetValue("IPAddress", REG_SZ, "127.0.0.1", 10));
        m_spoolerOverride.Api() = {Printers, Open, Driver, Start, Write, Abort, End, Close, Jobs,
                                   Ports};
        m_faxSettings.printerName = kFaxLpr;
        m_faxSettings.portName = kFaxLprPort;
        m_faxSettings.countryCode = "49";
    }
    void TearDown() override
    {
        ForgetReceivedJobs();
        g_spooler = nullptr;
    }

    // Runs one operation against a fresh spooler with the row's faults and checks that it left
    // no printer open and no document started but not ended, and that a document whose write
    // failed was aborted.
    template <typename Operation>
    void Run(const Row& row, DWORD queued, const std::string& label, Operation operation)
    {
        Spooler spooler;
        spooler.faults = row.faults;
        spooler.queued = queued;
        g_spooler = &spooler;
        operation();
        EXPECT_TRUE(spooler.openPrinters.empty()) << label;
        EXPECT_TRUE(spooler.spooled.empty()) << label;
        for (HANDLE printer : spooler.failedWrites)
            EXPECT_EQ(1u, spooler.abortedDocuments.count(printer)) << label;
        g_spooler = nullptr;
    }

    Outcome RunAll(const Row& row, const std::string& label)
    {
        Outcome outcome = {};
        std::string downloadJob = DownloadJob(
            LanguageFilePath(TestProgramFolder(), "LT100", "English"));
        Run(row, 1, label + " download", [&] {
            DeleteFileA(kLaserPort);  // Wine writes over a port file without truncating it
            m_sheet.DownloadByDriver(kLaser, "enu", 0);
            outcome.download = m_sheet.GetResult();
            std::string port = ReadTextFile(kLaserPort);
            EXPECT_TRUE(port == (outcome.download == RESULT_OK ? downloadJob : "")) << label;
        });
        Run(row, 1, label + " menu", [&] {
            DeleteFileA(kLaserPort);
            m_sheet.PrintMenuMap(kLaser);
            outcome.menu = m_sheet.GetResult();
            std::string port = ReadTextFile(kLaserPort);
            EXPECT_EQ(outcome.menu == RESULT_OK ? CommandJob(kMenuCommand) : "", port) << label;
        });
        Run(row, 0, label + " fax", [&] {
            ForgetReceivedJobs();
            outcome.fax = -1;
            bool sent = false;
            MessageBoxSeen box = RunAnsweringBox(
                [&] { sent = SendFaxSettings(m_faxSettings, "enu", nullptr, outcome.fax); });
            EXPECT_EQ("", box.text) << label;
            EXPECT_EQ(outcome.fax == RESULT_OK, sent) << label;
            // Only whole jobs arrive; the failed one leaves nothing.
            outcome.faxJobs = 0;
            for (const ReceivedJob& job : ReceivedJobs("lpr")) {
                if (job.bytes.empty())
                    continue;
                ++outcome.faxJobs;
                EXPECT_TRUE(IsCommandJob(job.bytes)) << label;
            }
        });
        return outcome;
    }

    ScopedIniFile m_ini{kTestConfig};
    ScopedResourceFolder m_resources{TestProgramFolder()};
    ScopedLanguageFiles m_languageFiles{TestProgramFolder(), kTestConfig};
    ScopedMachineKey m_lprHost{kLprHostKey};
    SpoolerOverride m_spoolerOverride;
    CLCDMessageDownloadManager m_sheet{"Download", "enu"};
    FaxSettings m_faxSettings;
};

// The download and the menu print find one job of somebody else queued, so they list the queue
// (a printer handle of its own) before they send; the fax printer is idle.
TEST_F(SpoolerFaultTest, EverySpoolerFailureEndsItsJobWithItsCode)
{
    const int none = RESULT_OK;
    const Row rows[] = {
        {{}, {none, none, none, 4}},
        // The download's own printer lookup fails; the queue check then counts no job and
        // the fax check finds no printer to refuse, so both go on.
        {{{PRINTERS, 1}}, {ERR_PRINTER_NO_DATA, none, none, 4}},
        {{{PRINTERS, 2}}, {ERR_PRINTER_ENUM_FAILED, none, none, 4}},
        // A port list that cannot be read treats the port as a local one.
        {{{PORTS, 2}}, {none, none, none, 4}},
        // The first open is the queue's (the fax run's first job); the second the job's.
        {{{OPEN, 1}}, {ERR_OPEN_PRINTER, ERR_OPEN_PRINTER, ERR_OPEN_PRINTER, 3}},
        {{{OPEN, 2}}, {ERR_OPEN_PRINTER, ERR_OPEN_PRINTER, ERR_OPEN_PRINTER, 3}},
        {{{JOBS, 1}}, {ERR_ENUM_JOBS, ERR_ENUM_JOBS, none, 4}},
        {{{JOBS, 2}}, {ERR_ENUM_JOBS, ERR_ENUM_JOBS, none, 4}},
        // A driver that cannot be read is no XPS driver.
        {{{DRIVER, 2}}, {none, none, none, 4}},
        {{{START, 1}}, {ERR_START_DOC, ERR_START_DOC, ERR_START_DOC, 3}},
        {{{WRITE, 1}}, {ERR_WRITE_PRINTER, ERR_WRITE_PRINTER, ERR_WRITE_PRINTER, 3}},
        {{{WRITE, 3}}, {ERR_WRITE_PRINTER, ERR_WRITE_PRINTER, ERR_WRITE_PRINTER, 3}},
        // The download's closing UEL; the menu print has only three writes.
        {{{WRITE, 4}}, {ERR_WRITE_PRINTER, none, ERR_WRITE_PRINTER, 3}},
        {{{END, 1}}, {ERR_WRITE_PRINTER, ERR_WRITE_PRINTER, ERR_WRITE_PRINTER, 3}},
        // Closing comes after the job is in the spooler's hands.
        {{{CLOSE, 2}}, {none, none, none, 4}},
    };
    for (const Row& row : rows) {
        std::string label = row.faults.empty() ? "no fault" : "failing";
        for (const Fault& fault : row.faults)
            label += std::string(" ") + kCallNames[fault.call] + " #" + std::to_string(fault.nth);
        Outcome got = RunAll(row, label);
        EXPECT_EQ(row.expected.download, got.download) << label;
        EXPECT_EQ(row.expected.menu, got.menu) << label;
        EXPECT_EQ(row.expected.fax, got.fax) << label;
        EXPECT_EQ(row.expected.faxJobs, got.faxJobs) << label;
    }
}

// A printer added between the two calls of the printer list must not make it "no printer".
TEST_F(SpoolerFaultTest, AnEnumerationThatGrewBetweenItsTwoCallsIsAskedAgain)
{
    Spooler spooler;
    spooler.growing = true;
    spooler.queued = 1;
    g_spooler = &spooler;
    CPrinterList printers;
    EXPECT_EQ(kCount, printers.GetCount());
    CPortList ports;
    EXPECT_STREQ(kFaxLprPort, ports.FindPort(kFaxLprPort, nullptr).GetPortName());
    EXPECT_TRUE(CPrintJob().IsXpsDriver(kXps));
    bool pending = false;
    EXPECT_TRUE(m_sheet.CheckJobPending(kLaser, kQueuedDocument, pending));
    EXPECT_TRUE(pending);
    EXPECT_EQ((std::set<Call>{PRINTERS, PORTS, DRIVER, JOBS}), spooler.grown);
}

}  // namespace
