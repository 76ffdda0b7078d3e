// The fax settings operation, echo check included, against real hosts in network namespaces that
// network-hosts.sh builds around this program and names in the environment.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

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
#include "TestPrinters.h"

namespace {

using namespace test_printers;

const char kPortKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\Standard TCP/IP Port\\Ports\\"
    "IP_127.0.0.1";

// The echo requests this network namespace sent, and the echo replies and "unreachable" messages
// it took in, from the kernel's counters (Wine shows the Unix files on drive Z:).
struct IcmpCounts {
    long requestsOut = 0;
    long repliesIn = 0;
    long unreachablesIn = 0;
};

IcmpCounts ReadIcmpCounts()
{
    std::ifstream snmp("Z:\\proc\\net\\snmp");
    std::string names, values, name;
    while (std::getline(snmp, names) && names.rfind("Icmp: ", 0) != 0) {
    }
    std::getline(snmp, values);
    std::istringstream nameWords(names), valueWords(values);
    IcmpCounts counts;
    long value;
    nameWords >> name;
    valueWords >> name;  // both lines start with "Icmp:"
    while (nameWords >> name && valueWords >> value) {
        if (name == "OutEchos")
            counts.requestsOut = value;
        else if (name == "InEchoReps")
            counts.repliesIn = value;
        else if (name == "InDestUnreachs")
            counts.unreachablesIn = value;
    }
    return counts;
}

struct Outcome {
    bool bSent = false;
    MessageBoxSeen box;
    DWORD elapsedMs = 0;
    size_t jobs = 0;
    long requests = 0;
    long replies = 0;
    long unreachables = 0;
};

class NetworkHostsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::getenv("NETWORK_TEST_ANSWERING") == nullptr)
            GTEST_SKIP() << "runs only inside the namespaces of network-hosts.sh";
        ASSERT_TRUE(m_texts.IsLoaded());
    }

    // Sends the settings to the TCP/IP fax printer with its port's address set to `host`.
    Outcome SendTo(const char* label, const std::string& host)
    {
        ScopedMachineKey port(kPortKey);
        EXPECT_TRUE(port.SetValue("HostName", REG_SZ, host.c_str(),
                                  static_cast<DWORD>(host.size() + 1)));
        ForgetReceivedJobs();
        FaxSettings settings;
        settings.printerName = kFaxTcp;
        settings.portName = kFaxTcpPort;
        settings.countryCode = "49";
        Outcome outcome;
        int sendError = -1;
        const IcmpCounts before = ReadIcmpCounts();
        const DWORD started = GetTickCount();
        outcome.box = RunAnsweringBox(
            [&] { outcome.bSent = SendFaxSettings(settings, "enu", nullptr, sendError); });
        outcome.elapsedMs = GetTickCount() - started;
        const IcmpCounts after = ReadIcmpCounts();
        outcome.requests = after.requestsOut - before.requestsOut;
        outcome.replies = after.repliesIn - before.repliesIn;
        outcome.unreachables = after.unreachablesIn - before.unreachablesIn;
        outcome.jobs = ReceivedJobs("tcp").size();
        std::cout << label << " (" << host << "): " << (outcome.bSent ? "sent" : "refused")
                  << " after " << outcome.elapsedMs << " ms, " << outcome.requests
                  << " requests, " << outcome.replies << " replies, " << outcome.unreachables
                  << " unreachable, round trips "
                  << PrinterEcho::m_nRoundTripSum << " ms, " << outcome.jobs << " jobs\n";
        return outcome;
    }

    void ExpectRefused(const Outcome& outcome) const
    {
        EXPECT_FALSE(outcome.bSent);
        EXPECT_EQ("Dravelle", outcome.box.caption);
        EXPECT_EQ(m_texts.LoadText(IDS_PRINTER_NOT_ANSWERING), outcome.box.text);
        EXPECT_EQ(0u, outcome.jobs);
    }

    ScopedResourceFolder m_resources{TestProgramFolder()};
    CResourceLibrary m_texts{FaxTextLibraryPath("enu").c_str()};
};

TEST_F(NetworkHostsTest, HostsThatAnswerGetTheFourJobsAfterFourRealRoundTrips)
{
    // By the name the hosts file gives the printer, then on the loopback, where each request
    // comes back to the socket ahead of its reply.
    const char* hosts[] = {std::getenv("NETWORK_TEST_ANSWERING"), "127.0.0.1"};
    for (const char* host : hosts) {
        const Outcome outcome = SendTo("answering", host);
        EXPECT_TRUE(outcome.bSent) << host << ": " << outcome.box.text;
        EXPECT_EQ("", outcome.box.caption) << host;
        EXPECT_EQ(4u, outcome.jobs) << host;
        EXPECT_EQ(4, outcome.requests) << host;
        EXPECT_EQ(4, outcome.replies) << host;
        // Sub-millisecond round trips: any reply read a pass late would add a 100 ms pause.
        EXPECT_GE(PrinterEcho::m_nRoundTripSum, 0) << host;
        EXPECT_LT(PrinterEcho::m_nRoundTripSum, 100) << host;
    }
}

TEST_F(NetworkHostsTest, ARouterThatAnswersUnreachableOrDropsTheRequestGetsNoJob)
{
    // The router's "host unreachable" is read past like any other packet: both fail when the
    // first pass's five seconds are up, with one request sent.
    const struct {
        const char* host;
        long unreachables;
    } cases[] = {{std::getenv("NETWORK_TEST_UNREACHABLE"), 1},
                 {std::getenv("NETWORK_TEST_DROPPED"), 0}};
    for (const auto& [host, unreachables] : cases) {
        const Outcome outcome = SendTo("not answering", host);
        ExpectRefused(outcome);
        EXPECT_EQ(1, outcome.requests) << host;
        EXPECT_EQ(0, outcome.replies) << host;
        EXPECT_EQ(unreachables, outcome.unreachables) << host;
        EXPECT_GE(outcome.elapsedMs, 4900u) << host;
        EXPECT_LT(outcome.elapsedMs, 7000u) << host;
        EXPECT_EQ(0, PrinterEcho::m_nRoundTripSum) << host;
    }
}

TEST_F(NetworkHostsTest, AHostTextThatDoesNotResolveFailsAtOnceWithNothingSent)
{
    // An empty text is no printer either, though a look-up would give this machine for it.
    const char* hosts[] = {std::getenv("NETWORK_TEST_MISSPELT"), ""};
    for (const char* host : hosts) {
        const Outcome outcome = SendTo("not resolving", host);
        ExpectRefused(outcome);
        EXPECT_EQ(0, outcome.requests) << host;
        EXPECT_LT(outcome.elapsedMs, 2000u) << host;
    }
}

}  // namespace
