#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "PipelineScan.h"
#include "PrintJob.h"
#include "ReceivedJobs.h"
#include "ResultCodes.h"
#include "SpoolerOverride.h"
#include "TestPrinters.h"

namespace {

using namespace test_printers;
using Calls = std::vector<std::string>;
using Sizes = std::vector<DWORD>;

const std::string kMenuPrint = "@PJL KYVINFOPRINT MENU=CUMENU\r\n";
const char kMfpPort[] = "C:\\test-out\\mfp.prn";

// What a job hands to the spooler. The table's functions record it and forward to the real
// spooler; the hooks may interfere (false refuses the document or fails the write).
struct SpoolerLog {
    Calls calls;
    Sizes writeSizes;
    std::string dataType, documentName;
    DWORD acceptAtMost = 0;  // 0: the spooler takes every write whole
    std::function<bool()> onStart = [] { return true; };
    std::function<bool(size_t)> onWrite = [](size_t) { return true; };
    bool refuseEnd = false;  // the document is still ended for real
};
SpoolerLog* g_log = nullptr;

BOOL WINAPI LoggedOpen(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults)
{
    g_log->calls.push_back("open");
    return ::OpenPrinterA(name, printer, defaults);
}

DWORD WINAPI LoggedStartDoc(HANDLE printer, DWORD level, LPBYTE info)
{
    g_log->calls.push_back("start");
    auto* document = reinterpret_cast<DOC_INFO_1A*>(info);
    g_log->dataType = document->pDatatype;
    g_log->documentName = document->pDocName;
    return g_log->onStart() ? ::StartDocPrinterA(printer, level, info) : 0;
}

BOOL WINAPI LoggedWrite(HANDLE printer, LPVOID data, DWORD size, LPDWORD written)
{
    g_log->calls.push_back("write");
    g_log->writeSizes.push_back(size);
    if (!g_log->onWrite(g_log->writeSizes.size() - 1))
        return FALSE;
    if (g_log->acceptAtMost != 0 && size > g_log->acceptAtMost)
        size = g_log->acceptAtMost;
    return ::WritePrinter(printer, data, size, written);
}

BOOL WINAPI LoggedAbort(HANDLE printer)
{
    g_log->calls.push_back("abort");
    return ::AbortPrinter(printer);
}

BOOL WINAPI LoggedEndDoc(HANDLE printer)
{
    g_log->calls.push_back("end");
    BOOL ended = ::EndDocPrinter(printer);
    return g_log->refuseEnd ? FALSE : ended;
}

BOOL WINAPI LoggedClose(HANDLE printer)
{
    g_log->calls.push_back("close");
    return ::ClosePrinter(printer);
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class PrintJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log = &m_log;
        SpoolerApi& api = m_spooler.Api();
        api.OpenPrinterA = LoggedOpen;
        api.StartDocPrinterA = LoggedStartDoc;
        api.WritePrinter = LoggedWrite;
        api.AbortPrinter = LoggedAbort;
        api.EndDocPrinter = LoggedEndDoc;
        api.ClosePrinter = LoggedClose;
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        m_strFile = std::string(folder) + "print-job-test.lng";
        DeleteFileA(kLaserPort);
        DeleteFileA(kMfpPort);
    }
    void TearDown() override
    {
        DeleteFileA(m_strFile.c_str());
        g_log = nullptr;
    }

    // Bytes 0..255 over and over, so ESC and NUL occur in the body too.
    std::string WriteLanguageFile(size_t length)
    {
        std::string body(length, '\0');
        for (size_t i = 0; i < length; ++i)
            body[i] = static_cast<char>(i * 7 % 256);
        std::ofstream(m_strFile, std::ios::binary) << body;
        return body;
    }

    SpoolerOverride m_spooler;
    SpoolerLog m_log;
    std::string m_strFile;
};

TEST_F(PrintJobTest, LanguageFileGoesOutWholeAndInBoundedWrites)
{
    struct Case {
        size_t length;
        Sizes bodyWrites;
    };
    for (const Case& c : {Case{1234567, {514000, 514000, 206567}}, Case{0, {}}}) {
        m_log = SpoolerLog();
        DeleteFileA(kLaserPort);  // Wine writes over the port file without truncating it
        std::string body = WriteLanguageFile(c.length);
        // Nobody may cut the file short once its length has been announced.
        m_log.onWrite = [this](size_t index) {
            if (index == 2) {
                const DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
                EXPECT_EQ(INVALID_HANDLE_VALUE,
                          CreateFileA(m_strFile.c_str(), GENERIC_WRITE, shareAll, nullptr,
                                      TRUNCATE_EXISTING, 0, nullptr));
                EXPECT_FALSE(DeleteFileA(m_strFile.c_str()));
            }
            return true;
        };
        CPrintJob job;
        EXPECT_TRUE(job.SendLanguageFile(kLaser, m_strFile.c_str(), "Message download"));
        EXPECT_EQ(0, job.GetStatus());
        std::string line = "@PJL KYVRESOURCEWRITE LOCATION=\"DownloadMessage:setMessage\" SIZE=" +
                           std::to_string(c.length) + "\r\n";
        EXPECT_TRUE(ReadBytes(kLaserPort) == kUel + line + body + kUel) << c.length;

        Sizes writes = {9, static_cast<DWORD>(line.size())};
        writes.insert(writes.end(), c.bodyWrites.begin(), c.bodyWrites.end());
        writes.push_back(9);
        EXPECT_EQ(writes, m_log.writeSizes);
        EXPECT_EQ("RAW", m_log.dataType);
        EXPECT_EQ("Message download", m_log.documentName);
        EXPECT_EQ((Calls{"end", "close"}), Calls(m_log.calls.end() - 2, m_log.calls.end()));
    }
}

TEST_F(PrintJobTest, CommandJobIsTheCommandBetweenTwoUels)
{
    CPrintJob job;
    EXPECT_TRUE(job.SendPjlCommand(kMfp, "Menu print", kMenuPrint));
    EXPECT_EQ(Sizes({9, 31, 9}), m_log.writeSizes);
    EXPECT_EQ(kUel + kMenuPrint + kUel, ReadBytes(kMfpPort));
    EXPECT_EQ("RAW", m_log.dataType);

    // A spooler that takes only part of a write gets the rest in further writes.
    m_log = SpoolerLog();
    m_log.acceptAtMost = 4;
    DeleteFileA(kMfpPort);  // Wine writes over the port file without truncating it
    EXPECT_TRUE(job.SendPjlCommand(kMfp, "Menu print", kMenuPrint));
    EXPECT_EQ(kUel + kMenuPrint + kUel, ReadBytes(kMfpPort));
}

TEST_F(PrintJobTest, XpsPipelineDriverGetsXpsPassJobs)
{
    CPrintJob job;
    EXPECT_TRUE(job.IsXpsDriver(kXps));
    EXPECT_FALSE(job.IsXpsDriver(kLaser));  // no dependent files at all
    EXPECT_FALSE(job.IsXpsDriver("No Such Printer"));
    // Wine takes the writes of such a job but cannot hand its data type to a file port, so it
    // refuses the finished document: the printer got nothing, and the send must say so.
    EXPECT_FALSE(job.SendPjlCommand(kXps, "Menu print", kMenuPrint));
    EXPECT_EQ(ERR_WRITE_PRINTER, job.GetStatus());
    EXPECT_EQ("XPS_PASS", m_log.dataType);
    EXPECT_EQ((Calls{"end", "close"}), Calls(m_log.calls.end() - 2, m_log.calls.end()));
}

TEST_F(PrintJobTest, RefusedPrinterOrDocumentIsClosedWithoutWrites)
{
    WriteLanguageFile(10);
    for (const char* name : {"No Such Printer", "", static_cast<const char*>(nullptr)}) {
        CPrintJob job;
        EXPECT_FALSE(job.SendLanguageFile(name, m_strFile.c_str(), "Message download"));
        EXPECT_EQ(ERR_OPEN_PRINTER, job.GetStatus());
        EXPECT_FALSE(job.SendPjlCommand(name, "Menu print", kMenuPrint));
        EXPECT_EQ(ERR_OPEN_PRINTER, job.GetStatus());
    }
    EXPECT_EQ(0, std::count(m_log.calls.begin(), m_log.calls.end(), "start"));

    m_log = SpoolerLog();
    m_log.onStart = [] { return false; };
    CPrintJob job;
    EXPECT_FALSE(job.SendPjlCommand(kLaser, "Menu print", kMenuPrint));
    EXPECT_EQ(ERR_START_DOC, job.GetStatus());
    EXPECT_EQ((Calls{"open", "start", "close"}), m_log.calls);
}

TEST_F(PrintJobTest, FileThatCannotBeSentAbortsTheEmptyDocument)
{
    // Deleted between the caller's check and the send.
    WriteLanguageFile(10);
    m_log.onStart = [this] { return DeleteFileA(m_strFile.c_str()) != FALSE; };
    CPrintJob job;
    EXPECT_FALSE(job.SendLanguageFile(kLaser, m_strFile.c_str(), "Message download"));
    EXPECT_EQ(ERR_OPEN_FILE, job.GetStatus());
    EXPECT_EQ((Calls{"open", "start", "abort", "end", "close"}), m_log.calls);

    // Longer than a signed 32-bit SIZE can announce (a sparse file).
    m_log = SpoolerLog();
    HANDLE file = CreateFileA(m_strFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                              nullptr);
    LARGE_INTEGER length;
    length.QuadPart = 0x80000000LL;
    ASSERT_TRUE(SetFilePointerEx(file, length, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);
    EXPECT_FALSE(job.SendLanguageFile(kLaser, m_strFile.c_str(), "Message download"));
    EXPECT_EQ(ERR_OPEN_FILE, job.GetStatus());
    EXPECT_EQ((Calls{"open", "start", "abort", "end", "close"}), m_log.calls);
}

TEST_F(PrintJobTest, RefusedEndOfDocumentFailsTheSendUnlessItFailedBefore)
{
    WriteLanguageFile(10);
    m_log.refuseEnd = true;
    CPrintJob job;
    EXPECT_FALSE(job.SendLanguageFile(kLaser, m_strFile.c_str(), "Message download"));
    EXPECT_EQ(ERR_WRITE_PRINTER, job.GetStatus());
    EXPECT_EQ((Calls{"end", "close"}), Calls(m_log.calls.end() - 2, m_log.calls.end()));

    // The first failure is the one worth telling.
    EXPECT_FALSE(job.SendLanguageFile(kLaser, "C:\\no-such-folder\\x.lng", "Message download"));
    EXPECT_EQ(ERR_OPEN_FILE, job.GetStatus());
}

TEST_F(PrintJobTest, FailedWriteAbortsAndEndsTheDocumentBeforeClosing)
{
    WriteLanguageFile(600000);
    m_log.onWrite = [](size_t index) { return index != 2; };
    CPrintJob job;
    EXPECT_FALSE(job.SendLanguageFile(kLaser, m_strFile.c_str(), "Message download"));
    EXPECT_EQ(ERR_WRITE_PRINTER, job.GetStatus());
    EXPECT_EQ(Sizes({9, 73, 514000}), m_log.writeSizes);
    EXPECT_EQ((Calls{"write", "abort", "end", "close"}),
              Calls(m_log.calls.end() - 4, m_log.calls.end()));

    m_log = SpoolerLog();
    m_log.onWrite = [](size_t index) { return index != 1; };
    EXPECT_FALSE(job.SendPjlCommand(kLaser, "Menu print", kMenuPrint));
    EXPECT_EQ(ERR_WRITE_PRINTER, job.GetStatus());
    EXPECT_EQ((Calls{"open", "start", "write", "write", "abort", "end", "close"}), m_log.calls);
}

TEST(PipelineScan, FindsTheConfigurationNameInAnyCaseAndFolder)
{
    struct Case {
        std::string list;
        bool xps;
    };
    const Case cases[] = {
        {std::string("PipelineConfig.xml\0\0", 20), true},
        {std::string("a.gpd\0C:\\drv\\PIPELINECONFIG.XML\0\0", 34), true},
        // A partial match right before the name must not hide it.
        {std::string("ppipelineconfig.xml\0\0", 21), true},
        {std::string("pipelinepipelineconfig.xml\0\0", 28), true},
        {std::string("pipelineconfig.xm\0l\0\0", 21), false},
        {std::string("a.gpd\0\0pipelineconfig.xml\0\0", 28), false},  // past the list's end
        {std::string(), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.xps, ListsPipelineConfig(c.list.data(), c.list.size())) << c.list;
    EXPECT_FALSE(ListsPipelineConfig(nullptr, 0));
}

TEST(PipelineScan, ReadsNothingPastTheBuffer)
{
    // Lists without their closing empty name, right before a page that may not be read.
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    DWORD page = system.dwPageSize;
    auto* memory = static_cast<char*>(VirtualAlloc(nullptr, 2 * page, MEM_COMMIT, PAGE_READWRITE));
    ASSERT_NE(nullptr, memory);
    DWORD old;
    ASSERT_TRUE(VirtualProtect(memory + page, page, PAGE_NOACCESS, &old));
    for (const std::string& list : {std::string("pipe\0", 5), std::string("pipelineconfig.xm")}) {
        char* end = memory + page;
        list.copy(end - list.size(), list.size());
        EXPECT_FALSE(ListsPipelineConfig(end - list.size(), list.size()));
    }
    VirtualFree(memory, 0, MEM_RELEASE);
}

}  // namespace
