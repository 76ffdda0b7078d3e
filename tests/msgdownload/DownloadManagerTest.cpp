#include <gtest/gtest.h>
#include <windows.h>

#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LCDMessageDownloadManager.h"
#include "LanguageFiles.h"
#include "ProgramFiles.h"
#include "ReceivedJobs.h"
#include "ResourceFiles.h"
#include "ResultCodes.h"
#include "SpoolerOverride.h"
#include "TestConfig.h"
#include "TestPrinters.h"

namespace {

using namespace test_printers;
using Calls = std::vector<std::string>;

const char kMfpPort[] = "C:\\test-out\\mfp.prn";
const char kDownloadDocument[] = "Lomarel Panel Messages";  // UI string 603
const char kMenuDocument[] = "Lomarel Menu Map";            // UI string 412

// The real spooler, logged, with the queued job that Wine cannot show (it lists no job of another
// process): every printer counts `jobCount` jobs, and its queue holds one job named
// `queuedDocument` (a job without a name when null).
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
    for (DWORD i = 0; listed && buffer != nullptr && i < *returned; ++i)
        reinterpret_cast<PRINTER_INFO_2A*>(buffer)[i].cJobs = g_spooler->jobCount;
    return listed;
}

BOOL WINAPI FakeEnumJobs(HANDLE, DWORD, DWORD count, DWORD level, LPBYTE buffer, DWORD size,
                         LPDWORD needed, LPDWORD returned)
{
    EXPECT_EQ(g_spooler->jobCount, count);
    EXPECT_EQ(2u, level);
    const char* document = g_spooler->queuedDocument;
    size_t nameSize = document == nullptr ? 0 : strlen(document) + 1;
    *needed = static_cast<DWORD>(sizeof(JOB_INFO_2A) + nameSize);
    *returned = 0;
    if (buffer == nullptr || size < *needed || g_spooler->refuseJobList)
        return FALSE;
    auto* job = reinterpret_cast<JOB_INFO_2A*>(buffer);
    if (document != nullptr)
        job->pDocument = static_cast<char*>(memcpy(job + 1, document, nameSize));
    *returned = 1;
    return TRUE;
}

DWORD WINAPI LoggedStartDoc(HANDLE printer, DWORD level, LPBYTE info)
{
    g_spooler->calls.push_back("start");
    g_spooler->documentName = reinterpret_cast<DOC_INFO_1A*>(info)->pDocName;
    return ::StartDocPrinterA(printer, level, info);
}

BOOL WINAPI LoggedEndDoc(HANDLE printer)
{
    BOOL ended = ::EndDocPrinter(printer);
    return g_spooler->refuseEndDoc ? FALSE : ended;
}

// The sheet with the configuration, language files and resource libraries of an installation
// beside the test program.
class DownloadManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_spooler = &m_spooler;
        SpoolerApi& api = m_spoolerOverride.Api();
        api.EnumPrintersA = FakeEnumPrinters;
        api.EnumJobsA = FakeEnumJobs;
        api.StartDocPrinterA = LoggedStartDoc;
        api.EndDocPrinter = LoggedEndDoc;
        StartOver();
    }
    void TearDown() override { g_spooler = nullptr; }

    // Wine writes over a port file without truncating it.
    void StartOver()
    {
        m_spooler.calls.clear();
        DeleteFileA(kLaserPort);
        DeleteFileA(kMfpPort);
    }

    bool Sent() const
    {
        return std::count(m_spooler.calls.begin(), m_spooler.calls.end(), "start") != 0;
    }

    // The sheet's result after an operation that failed and nothing was sent; -1 otherwise.
    int Failure(bool done) const { return done || Sent() ? -1 : m_sheet.GetResult(); }

    static std::string DownloadJob(const char* machine, const char* languageName)
    {
        return ::DownloadJob(LanguageFilePath(TestProgramFolder(), machine, languageName));
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
    EXPECT_TRUE(ReadTextFile(kLaserPort) == DownloadJob("LT100", "English"));
    EXPECT_EQ(kDownloadDocument, m_spooler.documentName);

    // By model, whatever the printer's driver.
    EXPECT_TRUE(m_sheet.DownloadByModel(kMfp, "lt-100", "jpn", 0));
    EXPECT_TRUE(ReadTextFile(kMfpPort) == DownloadJob("LT100", "Japanese"));
}

TEST_F(DownloadManagerTest, JobOfTheSameDocumentNameStillQueuedIsNotSentAgain)
{
    m_spooler.jobCount = 1;
    m_spooler.queuedDocument = kDownloadDocument;
    EXPECT_TRUE(m_sheet.DownloadByDriver(kLaser, "enu", 0));
    m_spooler.queuedDocument = kMenuDocument;
    EXPECT_TRUE(m_sheet.PrintMenuMap(kMfp));
    EXPECT_EQ(0, m_sheet.GetResult());
    EXPECT_FALSE(Sent());

    // Names are compared exactly, and a job without one is nobody's.
    for (const char* other : {"lomarel panel messages", static_cast<const char*>(nullptr)}) {
        StartOver();
        m_spooler.queuedDocument = other;
        EXPECT_TRUE(m_sheet.DownloadByDriver(kLaser, "enu", 0));
        EXPECT_TRUE(ReadTextFile(kLaserPort) == DownloadJob("LT100", "English"));
    }

    m_spooler.queuedDocument = kDownloadDocument;
    EXPECT_TRUE(m_sheet.PrintMenuMap(kMfp));
    EXPECT_EQ(kUel + "@PJL KYVINFOPRINT MENU=CUMENU\r\n" + kUel, ReadTextFile(kMfpPort));
    EXPECT_EQ(kMenuDocument, m_spooler.documentName);

    // A queue that cannot be listed may hold the job.
    StartOver();
    m_spooler.refuseJobList = true;
    EXPECT_EQ(ERR_ENUM_JOBS, Failure(m_sheet.PrintMenuMap(kMfp)));
}

TEST_F(DownloadManagerTest, FailuresLeaveTheirCodeAndSendNothing)
{
    // Missing arguments are refused before the spooler or any file is touched.
    EXPECT_EQ(ERR_PARAMETER, Failure(m_sheet.DownloadByDriver(kLaser, "", 0)));
    EXPECT_EQ(ERR_PARAMETER, Failure(m_sheet.DownloadByDriver(nullptr, "enu", 0)));
    EXPECT_EQ(ERR_PARAMETER, Failure(m_sheet.DownloadByModel(kLaser, "", "enu", 0)));
    EXPECT_EQ(ERR_MENU_NO_PRINTER, Failure(m_sheet.PrintMenuMap("")));
    EXPECT_TRUE(m_spooler.calls.empty());

    EXPECT_EQ(ERR_PRINTER_NOT_FOUND, Failure(m_sheet.DownloadByDriver("No Printer", "enu", 0)));
    EXPECT_EQ(ERR_INI_DRIVER, Failure(m_sheet.DownloadByDriver(kPlain, "enu", 0)));
    EXPECT_EQ(ERR_INI_LANGUAGE, Failure(m_sheet.DownloadByDriver(kLaser, "deu", 0)));
    EXPECT_EQ(ERR_INI_MODEL, Failure(m_sheet.DownloadByModel(kLaser, "LT-300", "enu", 0)));
    WriteTextFile(LanguageFilePath(TestProgramFolder(), "LT200", "German"), "not a language file");
    EXPECT_EQ(LNG_ERR_FILE, Failure(m_sheet.DownloadByDriver(kMfp, "deu", 0)));
    // So is a header length that claims a hundred megabytes of zeros.
    WriteSparseLanguageFile(LanguageFilePath(TestProgramFolder(), "LT200", "German"), "",
                            128u << 20);
    EXPECT_EQ(LNG_ERR_FILE, Failure(m_sheet.DownloadByDriver(kMfp, "deu", 0)));

    // A spooler that refuses the finished document has printed nothing.
    m_spooler.refuseEndDoc = true;
    EXPECT_FALSE(m_sheet.DownloadByDriver(kLaser, "enu", 0));
    EXPECT_EQ(ERR_WRITE_PRINTER, m_sheet.GetResult());

    CLCDMessageDownloadManager withoutTexts("Download", "xyz");
    EXPECT_FALSE(withoutTexts.PrintMenuMap(kMfp));
    EXPECT_EQ(ERR_RESOURCE_LIBRARY, withoutTexts.GetResult());
}

}  // namespace
