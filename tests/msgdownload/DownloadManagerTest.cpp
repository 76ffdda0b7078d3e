#include <gtest/gtest.h>
#include <windows.h>

#include <string.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "LCDMessageDownloadManager.h"
#include "LanguageFiles.h"
#include "ProgramFiles.h"
#include "ResourceFiles.h"
#include "ResultCodes.h"
#include "SpoolerOverride.h"
#include "TestConfig.h"
#include "TestPrinters.h"

namespace {

using namespace test_printers;
using Calls = std::vector<std::string>;

const std::string kUel = "\x1b%-12345X";
const char kMfpPort[] = "C:\\test-out\\mfp.prn";
const char kDownloadDocument[] = "Lomarel Panel Messages";  // UI string 603
const char kMenuDocument[] = "Lomarel Menu Map";            // UI string 412

// The real spooler, logged, with the one queued job that Wine cannot show (it reports no job of
// another process): every printer lists `jobCount` jobs, and the queue holds one job named
// `queuedDocument` (none when null).
struct Spooler {
    Calls calls;
    std::string documentName;
    DWORD jobCount = 0;
    const char* queuedDocument = nullptr;
    bool refuseJobList = false;
    bool refuseEndDoc = false;
};
Spooler* g_spooler = nullptr;

BOOL WINAPI FakeEnumPrinters(DWORD flags, LPSTR name, DWORD level, LPBYTE buffer, DWORD size,
                             LPDWORD needed, LPDWORD returned)
{
    g_spooler->calls.push_back("printers");
    BOOL listed = ::EnumPrintersA(flags, name, level, buffer, size, needed, returned);
    if (listed && buffer != nullptr) {
        auto* printers = reinterpret_cast<PRINTER_INFO_2A*>(buffer);
        for (DWORD i = 0; i < *returned; ++i)
            printers[i].cJobs = g_spooler->jobCount;
    }
    return listed;
}

BOOL WINAPI FakeEnumJobs(HANDLE, DWORD first, DWORD count, DWORD level, LPBYTE buffer, DWORD size,
                         LPDWORD needed, LPDWORD returned)
{
    g_spooler->calls.push_back("jobs");
    EXPECT_EQ(0u, first);
    EXPECT_EQ(g_spooler->jobCount, count);
    EXPECT_EQ(2u, level);
    const char* document = g_spooler->queuedDocument;
    size_t nameSize = document == nullptr ? 0 : strlen(document) + 1;
    *needed = static_cast<DWORD>(sizeof(JOB_INFO_2A) + nameSize);
    *returned = 0;
    if (buffer == nullptr || size < *needed || g_spooler->refuseJobList) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    auto* job = reinterpret_cast<JOB_INFO_2A*>(buffer);
    if (document != nullptr)
        job->pDocument = static_cast<char*>(memcpy(job + 1, document, nameSize));
    *returned = 1;
    return TRUE;
}

BOOL WINAPI LoggedOpen(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults)
{
    g_spooler->calls.push_back("open");
    return ::OpenPrinterA(name, printer, defaults);
}

DWORD WINAPI LoggedStartDoc(HANDLE printer, DWORD level, LPBYTE info)
{
    g_spooler->calls.push_back("start");
    g_spooler->documentName = reinterpret_cast<DOC_INFO_1A*>(info)->pDocName;
    return ::StartDocPrinterA(printer, level, info);
}

BOOL WINAPI LoggedEndDoc(HANDLE printer)
{
    g_spooler->calls.push_back("end");
    BOOL ended = ::EndDocPrinter(printer);
    return g_spooler->refuseEndDoc ? FALSE : ended;
}

bool Sent(const Spooler& spooler)
{
    return std::count(spooler.calls.begin(), spooler.calls.end(), "start") != 0;
}

// The sheet with the configuration, the language files and the resource libraries of a real
// installation beside the test program.
class DownloadManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_spooler = &m_spooler;
        SpoolerApi& api = m_spoolerOverride.Api();
        api.EnumPrintersA = FakeEnumPrinters;
        api.EnumJobsA = FakeEnumJobs;
        api.OpenPrinterA = LoggedOpen;
        api.StartDocPrinterA = LoggedStartDoc;
        api.EndDocPrinter = LoggedEndDoc;
        DeleteFileA(kLaserPort);
        DeleteFileA(kMfpPort);
    }
    void TearDown() override { g_spooler = nullptr; }

    // Clears the log and the port files: Wine writes over a port file without truncating it.
    void StartOver()
    {
        m_spooler.calls.clear();
        m_spooler.documentName.clear();
        DeleteFileA(kLaserPort);
        DeleteFileA(kMfpPort);
    }

    static std::string LanguageFile(const char* machine, const char* languageName)
    {
        return ReadTextFile(LanguageFilePath(TestProgramFolder(), machine, languageName));
    }

    static std::string DownloadJob(const std::string& file)
    {
        return kUel + "@PJL KYVRESOURCEWRITE LOCATION=\"DownloadMessage:setMessage\" SIZE=" +
               std::to_string(file.size()) + "\r\n" + file + kUel;
    }

    ScopedIniFile m_ini{kTestConfig};
    ScopedResourceFolder m_resources{TestProgramFolder()};
    ScopedLanguageFiles m_languageFiles{TestProgramFolder(), kTestConfig};
    SpoolerOverride m_spoolerOverride;
    Spooler m_spooler;
    CLCDMessageDownloadManager m_sheet{"Download", "enu"};
};

TEST_F(DownloadManagerTest, DownloadSendsTheMachinesLanguageFileByteForByte)
{
    m_sheet.SetResult(ERR_OPEN_PRINTER);  // an earlier error: the last writer wins
    EXPECT_TRUE(m_sheet.DownloadByDriver(kLaser, "ENU", 0));
    EXPECT_EQ(0, m_sheet.GetResult());
    EXPECT_TRUE(ReadTextFile(kLaserPort) == DownloadJob(LanguageFile("LT100", "English")));
    EXPECT_EQ(kDownloadDocument, m_spooler.documentName);

    // By model, whatever the printer's driver.
    EXPECT_TRUE(m_sheet.DownloadByModel(kMfp, "lt-100", "jpn", 0));
    EXPECT_EQ(0, m_sheet.GetResult());
    EXPECT_TRUE(ReadTextFile(kMfpPort) == DownloadJob(LanguageFile("LT100", "Japanese")));
}

TEST_F(DownloadManagerTest, JobOfTheSameDocumentNameStillQueuedIsNotSentAgain)
{
    m_spooler.jobCount = 1;
    m_spooler.queuedDocument = kDownloadDocument;
    EXPECT_TRUE(m_sheet.DownloadByDriver(kLaser, "enu", 0));
    EXPECT_EQ(0, m_sheet.GetResult());
    EXPECT_FALSE(Sent(m_spooler));
    EXPECT_EQ(2, std::count(m_spooler.calls.begin(), m_spooler.calls.end(), "jobs"));

    m_spooler.queuedDocument = kMenuDocument;
    EXPECT_TRUE(m_sheet.PrintMenuMap(kMfp));
    EXPECT_FALSE(Sent(m_spooler));

    // Names are compared exactly, and a job without one is nobody's.
    for (const char* other : {"lomarel panel messages", static_cast<const char*>(nullptr)}) {
        StartOver();
        m_spooler.queuedDocument = other;
        EXPECT_TRUE(m_sheet.DownloadByDriver(kLaser, "enu", 0));
        EXPECT_TRUE(ReadTextFile(kLaserPort) == DownloadJob(LanguageFile("LT100", "English")));
    }

    StartOver();
    m_spooler.queuedDocument = kDownloadDocument;
    EXPECT_TRUE(m_sheet.PrintMenuMap(kMfp));
    EXPECT_EQ(0, m_sheet.GetResult());
    EXPECT_EQ(kUel + "@PJL KYVINFOPRINT MENU=CUMENU\r\n" + kUel, ReadTextFile(kMfpPort));
    EXPECT_EQ(kMenuDocument, m_spooler.documentName);

    // A queue that cannot be listed might hold the job.
    StartOver();
    m_spooler.refuseJobList = true;
    EXPECT_FALSE(m_sheet.PrintMenuMap(kMfp));
    EXPECT_EQ(ERR_ENUM_JOBS, m_sheet.GetResult());
    EXPECT_FALSE(Sent(m_spooler));
}

TEST_F(DownloadManagerTest, FailuresLeaveTheirCodeInTheSheet)
{
    struct Case {
        const char* what;
        std::function<bool()> run;
        int result;
    };
    // Missing arguments are refused before the spooler or any file is touched.
    const Case untouched[] = {
        {"no language", [this] { return m_sheet.DownloadByDriver(kLaser, "", 0); }, ERR_PARAMETER},
        {"no printer", [this] { return m_sheet.DownloadByDriver(nullptr, "enu", 0); },
         ERR_PARAMETER},
        {"no model", [this] { return m_sheet.DownloadByModel(kLaser, "", "enu", 0); },
         ERR_PARAMETER},
        {"no menu printer", [this] { return m_sheet.PrintMenuMap(""); }, ERR_MENU_NO_PRINTER},
    };
    for (const Case& c : untouched) {
        StartOver();
        EXPECT_FALSE(c.run()) << c.what;
        EXPECT_EQ(c.result, m_sheet.GetResult()) << c.what;
        EXPECT_TRUE(m_spooler.calls.empty()) << c.what;
    }

    WriteTextFile(LanguageFilePath(TestProgramFolder(), "LT200", "German"), "not a language file");
    const Case unsent[] = {
        {"printer not installed",
         [this] { return m_sheet.DownloadByDriver("No Such Printer", "enu", 0); },
         ERR_PRINTER_NOT_FOUND},
        {"driver not in Drivers", [this] { return m_sheet.DownloadByDriver(kPlain, "enu", 0); },
         ERR_INI_DRIVER},
        {"language the machine lacks",
         [this] { return m_sheet.DownloadByDriver(kLaser, "deu", 0); }, ERR_INI_LANGUAGE},
        {"model not in Models",
         [this] { return m_sheet.DownloadByModel(kLaser, "LT-300", "enu", 0); }, ERR_INI_MODEL},
        {"invalid header", [this] { return m_sheet.DownloadByDriver(kMfp, "deu", 0); },
         LNG_ERR_FILE},
    };
    for (const Case& c : unsent) {
        StartOver();
        EXPECT_FALSE(c.run()) << c.what;
        EXPECT_EQ(c.result, m_sheet.GetResult()) << c.what;
        EXPECT_FALSE(Sent(m_spooler)) << c.what;
    }

    // A spooler that refuses the finished document has printed nothing.
    StartOver();
    m_spooler.refuseEndDoc = true;
    EXPECT_FALSE(m_sheet.DownloadByDriver(kLaser, "enu", 0));
    EXPECT_EQ(ERR_WRITE_PRINTER, m_sheet.GetResult());

    CLCDMessageDownloadManager withoutTexts("Download", "xyz");
    EXPECT_FALSE(withoutTexts.PrintMenuMap(kMfp));
    EXPECT_EQ(ERR_RESOURCE_LIBRARY, withoutTexts.GetResult());
}

}  // namespace
