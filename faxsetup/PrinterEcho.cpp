// Ahead of windows.h, which would otherwise bring in the older socket declarations.
#include <winsock2.h>

#include "PrinterEcho.h"

#include <cstring>

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

bool SetTimeout(SOCKET hSocket, int option)
{
    DWORD timeout = kTimeoutMs;
    return setsockopt(hSocket, SOL_SOCKET, option, reinterpret_cast<const char*>(&timeout),
                      sizeof timeout) == 0;
}

// A host text that does not resolve leaves the address 0.0.0.0.
sockaddr_in Destination(const char* hostText)
{
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    const hostent* host = gethostbyname(hostText);
    if (host != nullptr && host->h_addr_list[0] != nullptr &&
        host->h_length <= static_cast<int>(sizeof address.sin_addr)) {
        std::memcpy(&address.sin_addr, host->h_addr_list[0], host->h_length);
        address.sin_family = host->h_addrtype;
    }
    return address;
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
    if (held.hSocket == INVALID_SOCKET || !SetTimeout(held.hSocket, SO_RCVTIMEO) ||
        !SetTimeout(held.hSocket, SO_SNDTIMEO))
        Abandon();
    const sockaddr_in destination = Destination(hostText);
    held.pRequest = AllocateBuffer();
    held.pReply = AllocateBuffer();
    if (held.pRequest == nullptr || held.pReply == nullptr)
        Abandon();

    const std::uint16_t identifier = static_cast<std::uint16_t>(GetCurrentProcessId());
    for (std::uint16_t pass = 0; pass < kPasses; ++pass) {
        WriteEchoRequest(held.pRequest, identifier, pass, GetTickCount());
        const int sent = sendto(held.hSocket, reinterpret_cast<const char*>(held.pRequest),
                                kEchoRequestSize, 0,
                                reinterpret_cast<const sockaddr*>(&destination),
                                sizeof destination);
        if (sent == SOCKET_ERROR || sent < static_cast<int>(kEchoRequestSize)) {
            m_messages.Show(IDS_PRINTER_NOT_ANSWERING);
            return false;
        }
        sockaddr_in source = {};
        int sourceSize = sizeof source;
        const int received = recvfrom(held.hSocket, reinterpret_cast<char*>(held.pReply),
                                      kBufferSize, 0, reinterpret_cast<sockaddr*>(&source),
                                      &sourceSize);
        if (received == SOCKET_ERROR) {
            m_messages.Show(IDS_PRINTER_NOT_ANSWERING);
            return false;
        }
        // A time stamp that is not one of ours (stale, or forged with our identifier) would
        // move the printer's clock by whatever it claims: only a plausible round trip counts.
        std::uint32_t sentAt;
        std::uint32_t roundTrip;
        if (ReadEchoReply(held.pReply, received, identifier, sentAt) &&
            RoundTripSince(sentAt, GetTickCount(), kTimeoutMs, roundTrip))
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
