#include <winsock2.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EchoDestination.h"
#include "EchoPacket.h"
#include "MessageBoxes.h"
#include "ModalRun.h"
#include "PrinterEcho.h"
#include "ProgramFiles.h"
#include "ResourceFiles.h"
#include "ResourceIds.h"

namespace {

using Packet = std::vector<unsigned char>;

const size_t kIpHeaderSize = 20;

Packet Reply(unsigned char firstByte, size_t headerSize, unsigned char type, uint16_t identifier,
             uint16_t sequence = 1)
{
    Packet reply(headerSize + kEchoRequestSize);
    reply[0] = firstByte;
    WriteEchoRequest(&reply[headerSize], identifier, sequence, 0x0A0B0C0D);
    reply[headerSize] = type;
    return reply;
}

bool Counts(const Packet& reply, size_t size, uint32_t& timeStamp)
{
    return ReadEchoReply(reply.data(), size, 0x1234, 1, timeStamp);
}

TEST(EchoPacketTest, RequestAndReplyKeepTheWireLayout)
{
    unsigned char request[kEchoRequestSize];
    WriteEchoRequest(request, 0, 0, 0);
    const Packet bare = {8, 0, 0xF7, 0xFF};
    EXPECT_EQ(bare, Packet(request, request + 4));
    EXPECT_EQ(Packet(40, 0), Packet(request + 4, request + kEchoRequestSize));

    WriteEchoRequest(request, 0xA1B2, 2, 0x01020304);
    const Packet fields = {0xB2, 0xA1, 2, 0, 4, 3, 2, 1};
    EXPECT_EQ(fields, Packet(request + 4, request + 12));
    EXPECT_EQ(0, InternetChecksum(request, kEchoRequestSize));

    uint32_t timeStamp = 0;
    // Options make the header 24 bytes long; the message still carries our time stamp.
    EXPECT_TRUE(Counts(Reply(0x46, 24, 0, 0x1234), 68, timeStamp));
    EXPECT_EQ(0x0A0B0C0Du, timeStamp);
    const Packet reply = Reply(0x45, kIpHeaderSize, 0, 0x1234);
    EXPECT_TRUE(Counts(reply, 32, timeStamp));
    // Too short for the time stamp, however much of the message is there.
    EXPECT_FALSE(Counts(reply, 27, timeStamp));
    EXPECT_FALSE(Counts(reply, 31, timeStamp));
    EXPECT_FALSE(Counts(reply, 0, timeStamp));
    EXPECT_FALSE(Counts(Reply(0x4F, kIpHeaderSize, 0, 0x1234), 64, timeStamp));
    EXPECT_FALSE(Counts(Reply(0x45, kIpHeaderSize, 8, 0x1234), 64, timeStamp));
    EXPECT_FALSE(Counts(Reply(0x45, kIpHeaderSize, 0, 0x4321), 64, timeStamp));

    // The answer to another pass is not the one waited for.
    EXPECT_FALSE(Counts(Reply(0x45, kIpHeaderSize, 0, 0x1234, 2), 64, timeStamp));
}

TEST(EchoPacketTest, OnlyAnIpv4AddressThatResolvedIsADestination)
{
    sockaddr_in address = {};
    address.sin_port = 1;
    EXPECT_FALSE(EchoDestination(nullptr, address));
    unsigned char printer[16] = {192, 0, 2, 7};
    char* addresses[] = {reinterpret_cast<char*>(printer), nullptr};
    hostent host = {};
    host.h_addrtype = AF_INET6;
    host.h_length = 16;
    host.h_addr_list = addresses;
    EXPECT_FALSE(EchoDestination(&host, address));
    host.h_addrtype = AF_INET;
    host.h_length = 4;
    char* none[] = {nullptr};
    host.h_addr_list = none;
    EXPECT_FALSE(EchoDestination(&host, address));
    EXPECT_EQ(1, address.sin_port) << "a failed look-up leaves the address alone";

    host.h_addr_list = addresses;
    ASSERT_TRUE(EchoDestination(&host, address));
    EXPECT_EQ(AF_INET, address.sin_family);
    EXPECT_EQ(0, address.sin_port);
    EXPECT_EQ(Packet(printer, printer + 4),
              Packet(reinterpret_cast<unsigned char*>(&address.sin_addr),
                     reinterpret_cast<unsigned char*>(&address.sin_addr) + 4));
}

// The check against real raw sockets, with the fax texts of the install folder.
class PrinterEchoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_texts.IsLoaded());
        PrinterEcho::m_nRoundTripSum = 0;
    }

    void StartCheck(const char* host)
    {
        m_run = std::make_unique<ModalRun>([this, host] {
            PrinterEcho echo(FaxMessageBox(nullptr, m_texts), nullptr);
            m_bAnswered = echo.EchoPrinter(host);
        });
    }

    ScopedResourceFolder m_resources{TestProgramFolder()};
    CResourceLibrary m_texts{"Resource\\Pluvetenu.dll"};
    std::unique_ptr<ModalRun> m_run;
    bool m_bAnswered = false;
};

// The ICMP packets of one process that the loopback carries while the watch lives, as a raw
// socket sees them.
class LoopbackWatch {
public:
    explicit LoopbackWatch(DWORD processId) : m_nIdentifier(static_cast<uint16_t>(processId))
    {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        m_hSocket = socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
        DWORD timeout = 500;
        setsockopt(m_hSocket, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout),
                   sizeof timeout);
    }
    ~LoopbackWatch()
    {
        closesocket(m_hSocket);
        WSACleanup();
    }

    // The ICMP messages, without their IP headers, until none comes for half a second.
    std::vector<Packet> Messages() const
    {
        std::vector<Packet> messages;
        unsigned char buffer[1024];
        int size;
        while ((size = recv(m_hSocket, reinterpret_cast<char*>(buffer), sizeof buffer, 0)) > 0) {
            Packet message(buffer + (buffer[0] & 0x0F) * 4, buffer + size);
            if (message.size() >= 6 && (message[4] | message[5] << 8) == m_nIdentifier)
                messages.push_back(message);
        }
        return messages;
    }

private:
    uint16_t m_nIdentifier;
    SOCKET m_hSocket;
};

TEST_F(PrinterEchoTest, LoopbackAnswersEveryPassWhileTheOwnRequestsArePassedOver)
{
    const DWORD pid = GetCurrentProcessId();
    LoopbackWatch watch(pid);
    StartCheck("127.0.0.1");
    ASSERT_TRUE(m_run->WaitForEnd(5000)) << "the check hangs or shows a message";
    EXPECT_TRUE(m_bAnswered);

    std::vector<Packet> messages = watch.Messages();
    ASSERT_EQ(8u, messages.size());
    for (size_t i = 0; i < messages.size(); ++i) {
        const Packet& message = messages[i];
        // The loopback shows each request before its reply: the check reads its own first.
        EXPECT_EQ(i % 2 == 0 ? 8 : 0, message[0]) << i;
        ASSERT_EQ(kEchoRequestSize, message.size());
        const Packet fields = {static_cast<unsigned char>(pid), static_cast<unsigned char>(pid >> 8),
                               static_cast<unsigned char>(i / 2), 0};
        EXPECT_EQ(fields, Packet(&message[4], &message[8])) << i;
        EXPECT_EQ(0, InternetChecksum(message.data(), message.size())) << i;
    }
    // Four loopback round trips: far less than one pause, which any reply read a pass late
    // would add.
    EXPECT_GE(PrinterEcho::m_nRoundTripSum, 0);
    EXPECT_LT(PrinterEcho::m_nRoundTripSum, 100);
}

TEST_F(PrinterEchoTest, RefusedSendIsReportedAsAPrinterNotAnswering)
{
    // A broadcast address refuses the send at once: the socket does not allow broadcasts.
    StartCheck("255.255.255.255");
    HWND box = WaitForMessageBox(GetCurrentProcessId());
    ASSERT_NE(nullptr, box);
    MessageBoxSeen seen = ReadMessageBox(box);
    EXPECT_EQ("Dravelle", seen.caption);
    EXPECT_EQ(m_texts.LoadText(IDS_PRINTER_NOT_ANSWERING), seen.text);
    EXPECT_FALSE(seen.text.empty());
    ASSERT_TRUE(PressMessageBoxButton(box));
    ASSERT_TRUE(m_run->WaitForEnd(5000));
    EXPECT_FALSE(m_bAnswered);
    EXPECT_EQ(0, PrinterEcho::m_nRoundTripSum);
}

}  // namespace
