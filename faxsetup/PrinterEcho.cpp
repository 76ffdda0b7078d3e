// Ahead of windows.h, which would otherwise bring in the older socket declarations.
#include <winsock2.h>

#include "PrinterEcho.h"

#include "EchoDestination.h"
#include "EchoPacket.h"
#include "ResourceIds.h"

LONG PrinterEcho::m_nRoundTripSum = 0;

namespace {

const WORD kWinsockVersion = 0x0102;
const DWORD kTimeoutMs = 5000;
const std::uint16_t kPasses = 4;
const int kBufferSize = 1024;
const DWORD kPauseMs = 100;
const UINT kExitCode = 65535;

// What one check holds, given back however the check ends short of the process's end.
struct EchoResources {
    bool bStarted = false;
    SOCKET hSocket = INVALID_SOCKET;
    unsigned char* pRequest = nullptr;
    unsigned char* pReply = nullptr;

    EchoResources() = default;
    EchoResources(const EchoResources&) = delete;
    EchoResources& operator=(const EchoResources&) = delete;
    ~EchoResources()
    {
        HeapFree(GetProcessHeap(), 0, pReply);
        HeapFree(GetProcessHeap(), 0, pRequest);
        if (hSocket != INVALID_SOCKET)
            closesocket(hSocket);
        if (bStarted)
            WSACleanup();
    }
};

unsigned char* AllocateBuffer()
{
    return static_cast<unsigned char*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, kBufferSize));
}

bool SetTimeout(SOCKET hSocket, int option, DWORD timeout)
{
    return setsockopt(hSocket, SOL_SOCKET, option, reinterpret_cast<const char*>(&timeout),
                      sizeof timeout) == 0;
}

// Waits, within what is left of the pass's time-out, for the reply to this pass's request, and
// reads past every other packet the socket gets meanwhile: on the loopback our own request,
// elsewhere other programs' echo traffic or a router's error messages, none of which proves
// that the printer is there. False when the time runs out or the socket fails.
bool AwaitReply(const EchoResources& held, std::uint16_t identifier, std::uint16_t sequence,
                DWORD sentAt, std::uint32_t& roundTrip)
{
    for (;;) {
        const DWORD waited = GetTickCount() - sentAt;
        // A time-out of 0 would wait for ever.
        if (waited >= kTimeoutMs || !SetTimeout(held.hSocket, SO_RCVTIMEO, kTimeoutMs - waited))
            return false;
        sockaddr_in source = {};
        int sourceSize = sizeof source;
        const int received = recvfrom(held.hSocket, reinterpret_cast<char*>(held.pReply),
                                      kBufferSize, 0, reinterpret_cast<sockaddr*>(&source),
                                      &sourceSize);
        if (received == SOCKET_ERROR)
            return false;
        // The round trip is measured from our own clock: a time stamp that is not the one sent
        // (forged with our identifier and sequence) would move the printer's clock by whatever
        // it claims.
        std::uint32_t echoedAt;
        if (ReadEchoReply(held.pReply, received, identifier, sequence, echoedAt) &&
            echoedAt == sentAt) {
            roundTrip = GetTickCount() - sentAt;
            return true;
        }
    }
}

}  // namespace

bool PrinterEcho::EchoPrinter(const char* hostText) const
{
    EchoResources held;
    WSADATA wsaData;
    held.bStarted = WSAStartup(kWinsockVersion, &wsaData) == 0;
    if (!held.bStarted)
        Abandon();
    held.hSocket = WSASocketA(AF_INET, SOCK_RAW, IPPROTO_ICMP, nullptr, 0, WSA_FLAG_OVERLAPPED);
    if (held.hSocket == INVALID_SOCKET || !SetTimeout(held.hSocket, SO_RCVTIMEO, kTimeoutMs) ||
        !SetTimeout(held.hSocket, SO_SNDTIMEO, kTimeoutMs))
        Abandon();
    // An empty text would resolve to this machine.
    sockaddr_in destination;
    if (hostText[0] == '\0' || !EchoDestination(gethostbyname(hostText), destination)) {
        m_messages.Show(IDS_PRINTER_NOT_ANSWERING);
        return false;
    }
    held.pRequest = AllocateBuffer();
    held.pReply = AllocateBuffer();
    if (held.pRequest == nullptr || held.pReply == nullptr)
        Abandon();

    const std::uint16_t identifier = static_cast<std::uint16_t>(GetCurrentProcessId());
    for (std::uint16_t pass = 0; pass < kPasses; ++pass) {
        const DWORD sentAt = GetTickCount();
        WriteEchoRequest(held.pRequest, identifier, pass, sentAt);
        const int sent = sendto(held.hSocket, reinterpret_cast<const char*>(held.pRequest),
                                kEchoRequestSize, 0,
                                reinterpret_cast<const sockaddr*>(&destination),
                                sizeof destination);
        std::uint32_t roundTrip;
        if (sent == SOCKET_ERROR || sent < static_cast<int>(kEchoRequestSize) ||
            !AwaitReply(held, identifier, pass, sentAt, roundTrip)) {
            m_messages.Show(IDS_PRINTER_NOT_ANSWERING);
            return false;
        }
        m_nRoundTripSum += static_cast<LONG>(roundTrip);
        Sleep(kPauseMs);
    }
    return true;
}

void PrinterEcho::Abandon() const
{
    m_messages.Show(IDS_PRINTER_NOT_ANSWERING);
    if (m_fnFreeTexts)
        m_fnFreeTexts();
    ExitProcess(kExitCode);
}
