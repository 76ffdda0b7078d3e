#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "PortList.h"
#include "PrinterHost.h"
#include "ProgramFiles.h"
#include "RegistryKey.h"
#include "ResourceFiles.h"
#include "ResourcePaths.h"
#include "ResultCodes.h"
#include "SpoolerOverride.h"
#include "TestPrinters.h"

namespace {

using namespace test_printers;

const char kTcpIpMonitor[] = "TCPMON.DLL";
const char kLprMonitor[] = "Gastrolet Port";
const char kLprHostsKey[] = "SOFTWARE\\Vantora\\Gastrolet\\RemoteHost\\";

TEST(PortList, FindsAPortByExactNameOrElseByMonitor)
{
    CPortList ports;
    CPortEntry tcp = ports.FindPort(kFaxTcpPort, nullptr);
    EXPECT_EQ(0, ports.GetError());
    EXPECT_STREQ(kFaxTcpPort, tcp.GetPortName());
    EXPECT_STREQ(kTcpIpMonitor, tcp.GetMonitorName());
    EXPECT_STREQ("Standard TCP/IP Port", tcp.GetDescription());
    EXPECT_TRUE(tcp.IsStandardTcpIpPort());
    EXPECT_FALSE(tcp.IsLprPort());

    CPortEntry lpr = ports.FindPort("", kLprMonitor);
    EXPECT_EQ(0, ports.GetError());
    EXPECT_STREQ(kFaxLprPort, lpr.GetPortName());
    EXPECT_TRUE(lpr.IsLprPort());
    EXPECT_FALSE(lpr.IsStandardTcpIpPort());

    // A port name, when given, decides alone.
    CPortEntry file = ports.FindPort("FILE:", kTcpIpMonitor);
    EXPECT_STREQ("FILE:", file.GetPortName());
    EXPECT_FALSE(file.IsStandardTcpIpPort());
    EXPECT_FALSE(file.IsLprPort());

    // Names are exact; a printer's file is no port of the list.
    for (const char* name : {"ip_127.0.0.1", kLaserPort}) {
        EXPECT_TRUE(ports.FindPort(name, nullptr).IsEmpty()) << name;
        EXPECT_EQ(ERR_PRINTER_NOT_FOUND, ports.GetError()) << name;
    }
    EXPECT_TRUE(ports.FindPort(nullptr, "tcpmon.dll").IsEmpty());
    EXPECT_EQ(ERR_PRINTER_NOT_FOUND, ports.GetError());
    EXPECT_TRUE(ports.FindPort(nullptr, "").IsEmpty());
    EXPECT_EQ(ERR_ARG_NO_NAME_OR_PORT, ports.GetError());

    EXPECT_FALSE(ports.FindPort(kFaxNoHostPort, nullptr).IsEmpty());
    EXPECT_EQ(0, ports.GetError());
}

// What the spooler is made to answer, and the buffer sizes the list offered it.
struct PortSpooler {
    bool noSize = false;    // the size query reports 0 bytes
    DWORD failure = 0;      // the error of the first enumeration into a buffer, if any
    DWORD grownBy = 0;      // with ERROR_INSUFFICIENT_BUFFER: how much more it then asks for
    std::vector<DWORD> offeredSizes;
};
PortSpooler* g_spooler = nullptr;

BOOL WINAPI ScriptedEnumPorts(LPSTR name, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
                              LPDWORD returned)
{
    BOOL listed = ::EnumPortsA(name, level, buffer, size, needed, returned);
    if (buffer == nullptr) {
        if (g_spooler->noSize)
            *needed = 0;
        return listed;
    }
    g_spooler->offeredSizes.push_back(size);
    if (g_spooler->offeredSizes.size() > 1 || g_spooler->failure == 0)
        return listed;
    // As if a port came or the spooler failed between the size query and this call.
    *needed += g_spooler->grownBy;
    *returned = 0;
    SetLastError(g_spooler->failure);
    return FALSE;
}

class PortEnumerationTest : public ::testing::Test {
protected:
    PortEnumerationTest()
    {
        g_spooler = &m_spooler;
        m_override.Api().EnumPortsA = ScriptedEnumPorts;
    }
    ~PortEnumerationTest() override { g_spooler = nullptr; }

    DWORD RealSize() const
    {
        DWORD needed = 0;
        DWORD returned = 0;
        ::EnumPortsA(nullptr, 2, nullptr, 0, &needed, &returned);
        return needed;
    }

    SpoolerOverride m_override;
    PortSpooler m_spooler;
};

TEST_F(PortEnumerationTest, ABufferTooSmallIsOfferedAgainAtTheSizeTheSpoolerAsksFor)
{
    m_spooler.failure = ERROR_INSUFFICIENT_BUFFER;
    m_spooler.grownBy = 64;
    CPortList ports;
    EXPECT_STREQ(kTcpIpMonitor, ports.FindPort(kFaxTcpPort, nullptr).GetMonitorName());
    EXPECT_EQ(0, ports.GetError());
    DWORD size = RealSize();
    EXPECT_EQ((std::vector<DWORD>{size, size + 64}), m_spooler.offeredSizes);

    // Enumerated once: later lookups use the same list.
    EXPECT_TRUE(ports.FindPort(nullptr, kLprMonitor).IsLprPort());
    EXPECT_EQ(2u, m_spooler.offeredSizes.size());
}

TEST_F(PortEnumerationTest, AFailedEnumerationIsRepeatedByTheNextLookup)
{
    // A spooler that keeps asking for no more than it was given would never end the retries.
    m_spooler.failure = ERROR_INSUFFICIENT_BUFFER;
    CPortList ports;
    EXPECT_TRUE(ports.FindPort(kFaxTcpPort, nullptr).IsEmpty());
    EXPECT_EQ(ERR_PRINTER_ENUM_FAILED, ports.GetError());
    EXPECT_STREQ(kFaxTcpPort, ports.FindPort(kFaxTcpPort, nullptr).GetPortName());
    EXPECT_EQ(0, ports.GetError());

    m_spooler.offeredSizes.clear();
    m_spooler.failure = ERROR_ACCESS_DENIED;
    CPortList refused;
    EXPECT_TRUE(refused.FindPort(nullptr, kTcpIpMonitor).IsEmpty());
    EXPECT_EQ(ERR_PRINTER_ENUM_FAILED, refused.GetError());
    EXPECT_EQ(1u, m_spooler.offeredSizes.size());

    m_spooler.noSize = true;
    CPortList empty;
    EXPECT_TRUE(empty.FindPort(kFaxTcpPort, nullptr).IsEmpty());
    EXPECT_EQ(ERR_PRINTER_NO_DATA, empty.GetError());
    EXPECT_EQ(1u, m_spooler.offeredSizes.size()) << "no buffer is offered without a size";
}

// The address an LPR printer's utility key holds, read as the fax settings operation reads it
// (the settings tests see the missing addresses end to end).
TEST(PrinterHost, AnAddressThatFillsTheWholeBufferStillEndsWithinIt)
{
    ScopedResourceFolder resources(TestProgramFolder());
    CResourceLibrary texts(FaxTextLibraryPath("enu").c_str());
    FaxMessageBox messages(nullptr, texts);
    CPortList ports;
    CPortEntry port = ports.FindPort(kFaxLprPort, nullptr);
    ScopedMachineKey key(std::string(kLprHostsKey) + kFaxLpr);
    std::string host;

    ASSERT_TRUE(key.SetValue("IPAddress", REG_SZ, "192.0.2.7", 10));
    EXPECT_TRUE(ResolvePrinterHost(port, kFaxLpr, host, messages));
    EXPECT_EQ("192.0.2.7", host);

    // A value that fills the whole buffer leaves no room for a terminator. (The registry would
    // count a terminator that follows the stored bytes in, so none does.)
    const std::string longest(80, '7');
    ASSERT_TRUE(key.SetValue("IPAddress", REG_SZ, (longest + "7").data(), 80));
    EXPECT_TRUE(ResolvePrinterHost(port, kFaxLpr, host, messages));
    EXPECT_EQ(longest, host);
}

}  // namespace
