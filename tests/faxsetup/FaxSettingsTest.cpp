#include <gtest/gtest.h>

#include <windows.h>

#include <string.h>
#include <time.h>

#include <string>
#include <vector>

#include "FaxSettingsJob.h"
#include "ModalRun.h"
#include "PrinterEcho.h"
#include "ProgramFiles.h"
#include "ReceivedJobs.h"
#include "RegistryKey.h"
#include "ResourceFiles.h"
#include "ResourceIds.h"
#include "ResourceLibrary.h"
#include "ResourcePaths.h"
#include "ResultCodes.h"
#include "SpoolerOverride.h"
#include "TestPrinters.h"
#include "WaitFor.h"

namespace {

using namespace test_printers;

const char kLprHostKey[] = "SOFTWARE\\Vantora\\Gastrolet\\RemoteHost\\Lomarel Fax LPR";

FaxSettings Settings(const char* printer, const char* port)
{
    FaxSettings settings;
    settings.printerName = printer;
    settings.portName = port;
    settings.countryCode = "49";
    return settings;
}

// Runs the settings operation as the confirmation page does, answering the box it may show.
class FaxSettingsTest : public ::testing::Test {
protected:
    FaxSettingsTest() { ForgetReceivedJobs(); }
    ~FaxSettingsTest() override { ForgetReceivedJobs(); }

    bool Send(const FaxSettings& settings)
    {
        bool sent = false;
        m_nSendError = -1;
        m_box = RunAnsweringBox(
            [&] { sent = SendFaxSettings(settings, "enu", nullptr, m_nSendError); });
        return sent;
    }

    std::string Text(UINT id) const { return m_texts.LoadText(id); }

    ScopedResourceFolder m_resources{TestProgramFolder()};
    CResourceLibrary m_texts{FaxTextLibraryPath("enu").c_str()};
    MessageBoxSeen m_box;
    int m_nSendError = -1;
};

// The test runs in Tokyo's time zone (TZ=JST-9): 540 minutes east, no daylight saving.
TEST_F(FaxSettingsTest, ANetworkPrinterThatAnswersGetsFourJobsTheTimeTwoSecondsAfterTheCountry)
{
    time_t before = time(nullptr);
    ASSERT_TRUE(Send(Settings(kFaxTcp, kFaxTcpPort))) << m_box.text;
    time_t after = time(nullptr);
    EXPECT_EQ("", m_box.caption);
    EXPECT_EQ(0, m_nSendError);
    // Four loopback round trips, each far shorter than the pause between passes.
    EXPECT_GE(PrinterEcho::m_nRoundTripSum, 0);
    EXPECT_LT(PrinterEcho::m_nRoundTripSum, 100);

    std::vector<ReceivedJob> jobs = ReceivedJobs("tcp");
    ASSERT_EQ(4u, jobs.size());
    EXPECT_EQ(CommandJob("@PJL DEFAULT KYVCOUNTRYCODE=49\r\n"), jobs[0].bytes);
    EXPECT_EQ(50u, jobs[0].bytes.size());
    EXPECT_EQ(CommandJob("@PJL DEFAULT KYVDAYLIGHTSAVING=OFF\r\n"), jobs[1].bytes);
    EXPECT_EQ(CommandJob("@PJL DEFAULT KYVTIMEZONEOFFSET=540\r\n"), jobs[2].bytes);
    // The clock is read after the pause, so the printer does not start two seconds behind.
    long long clock = CurrentTimeOf(jobs[3].bytes);
    EXPECT_GE(clock, before + 2);
    EXPECT_LE(clock, after);
    EXPECT_EQ(CommandJob("@PJL SET KYVCURRENTTIME=" + std::to_string(clock) + "\r\n"),
              jobs[3].bytes);
    EXPECT_GE(static_cast<long long>(jobs[1].arrivalMs - jobs[0].arrivalMs), 2000);
}

TEST_F(FaxSettingsTest, EachSkipLeavesItsJobsOutButThePauseStays)
{
    // An LPR printer whose address is set needs no echo.
    ScopedMachineKey host(kLprHostKey);
    ASSERT_TRUE(host.SetValue("IPAddress", REG_SZ, "127.0.0.1", 10));

    FaxSettings settings = Settings(kFaxLpr, kFaxLprPort);
    settings.daylightSaving = true;
    settings.timeOffset = 7200;
    settings.skipCountryCode = true;
    DWORD started = GetTickCount();
    ASSERT_TRUE(Send(settings)) << m_box.text;
    EXPECT_GE(GetTickCount() - started, 2000u);
    EXPECT_EQ(0, PrinterEcho::m_nRoundTripSum);
    std::vector<ReceivedJob> jobs = ReceivedJobs("lpr");
    ASSERT_EQ(3u, jobs.size());
    EXPECT_EQ(CommandJob("@PJL DEFAULT KYVDAYLIGHTSAVING=ON\r\n"), jobs[0].bytes);
    // The printer keeps summer time while Tokyo has none: its clock is the offset asked for
    // ahead, less an hour.
    long long clock = CurrentTimeOf(jobs[2].bytes);
    EXPECT_GE(clock, time(nullptr) + 3600 - 5);
    EXPECT_LE(clock, time(nullptr) + 3600);

    ForgetReceivedJobs();
    settings.skipCountryCode = false;
    settings.skipTime = true;
    ASSERT_TRUE(Send(settings));
    jobs = ReceivedJobs("lpr");
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ(CommandJob("@PJL DEFAULT KYVCOUNTRYCODE=49\r\n"), jobs[0].bytes);

    ForgetReceivedJobs();
    settings.skipCountryCode = true;
    started = GetTickCount();
    ASSERT_TRUE(Send(settings));
    EXPECT_GE(GetTickCount() - started, 2000u);
    EXPECT_TRUE(ReceivedJobs("lpr").empty());
}

TEST_F(FaxSettingsTest, APrinterWithoutAnAddressGetsNoJob)
{
    EXPECT_FALSE(Send(Settings(kFaxNoHost, kFaxNoHostPort)));
    EXPECT_EQ("Dravelle", m_box.caption);
    EXPECT_EQ(Text(IDS_TCPIP_ADDRESS_MISSING), m_box.text);
    EXPECT_FALSE(Send(Settings(kFaxLpr, kFaxLprPort)));
    EXPECT_EQ(Text(IDS_LPR_ADDRESS_MISSING), m_box.text);
    EXPECT_TRUE(ReceivedJobs("nohost").empty());
    EXPECT_TRUE(ReceivedJobs("lpr").empty());
    EXPECT_EQ(-1, m_nSendError);
}

// What the spooler reports of the printers: Wine can neither hold a job in a queue nor pause a
// printer, so the list is doctored on its way to the operation.
DWORD g_nJobs = 0;
DWORD g_nStatus = 0;

BOOL WINAPI DoctoredEnumPrinters(DWORD flags, LPSTR name, DWORD level, LPBYTE buffer, DWORD size,
                                 LPDWORD needed, LPDWORD returned)
{
    BOOL listed = ::EnumPrintersA(flags, name, level, buffer, size, needed, returned);
    if (listed && level == 2 && buffer != nullptr) {
        auto* printers = reinterpret_cast<PRINTER_INFO_2A*>(buffer);
        for (DWORD i = 0; i < *returned; ++i) {
            if (strcmp(printers[i].pPrinterName, kMfp) == 0) {
                printers[i].cJobs = g_nJobs;
                printers[i].Status = g_nStatus;
            }
        }
    }
    return listed;
}

// Starts of documents the spooler refuses, counted from the first.
int g_nRefusedStarts = 0;

DWORD WINAPI RefusingStartDoc(HANDLE printer, DWORD level, LPBYTE document)
{
    if (g_nRefusedStarts > 0) {
        --g_nRefusedStarts;
        return 0;
    }
    return ::StartDocPrinterA(printer, level, document);
}

// A printer on a local port needs no address and no echo; its state is still checked.
TEST_F(FaxSettingsTest, ABusyPausedOrOfflinePrinterIsRefusedWithQueuedJobsNamedFirst)
{
    const char mfpPort[] = "C:\\test-out\\mfp.prn";
    DeleteFileA(mfpPort);
    SpoolerOverride spooler;
    spooler.Api().EnumPrintersA = DoctoredEnumPrinters;
    struct {
        DWORD jobs, status;
        UINT message;
    } states[] = {{1, PRINTER_STATUS_PAUSED | PRINTER_STATUS_OFFLINE, IDS_PRINTER_HAS_JOBS},
                  {0, PRINTER_STATUS_PAUSED | PRINTER_STATUS_OFFLINE, IDS_PRINTER_PAUSED},
                  {0, PRINTER_STATUS_OFFLINE, IDS_PRINTER_OFFLINE}};
    for (const auto& state : states) {
        g_nJobs = state.jobs;
        g_nStatus = state.status;
        EXPECT_FALSE(Send(Settings(kMfp, mfpPort)));
        EXPECT_EQ(Text(state.message), m_box.text);
        EXPECT_EQ(0, PrinterEcho::m_nRoundTripSum);
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(mfpPort));
}

TEST_F(FaxSettingsTest, AJobTheSpoolerRefusesFailsTheSendingAfterTheOtherJobsWent)
{
    SpoolerOverride spooler;
    spooler.Api().StartDocPrinterA = RefusingStartDoc;
    g_nRefusedStarts = 1;
    EXPECT_FALSE(Send(Settings(kFaxTcp, kFaxTcpPort)));
    EXPECT_EQ("", m_box.caption);
    EXPECT_EQ(ERR_START_DOC, m_nSendError);
    std::vector<ReceivedJob> jobs = ReceivedJobs("tcp");
    ASSERT_EQ(3u, jobs.size());
    EXPECT_EQ(CommandJob("@PJL DEFAULT KYVDAYLIGHTSAVING=OFF\r\n"), jobs[0].bytes);
}

}  // namespace
