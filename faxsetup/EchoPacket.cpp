#include "EchoPacket.h"

#include <cstring>

namespace {

const unsigned char kEchoRequest = 8;
const unsigned char kEchoReply = 0;

// Offsets within the ICMP message.
const std::size_t kChecksumAt = 2;
const std::size_t kIdentifierAt = 4;
const std::size_t kSequenceAt = 6;
const std::size_t kTimeStampAt = 8;
const std::size_t kTimeStampEnd = kTimeStampAt + 4;

void Store16(unsigned char* at, std::uint16_t value)
{
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}

void Store32(unsigned char* at, std::uint32_t value)
{
    Store16(at, static_cast<std::uint16_t>(value));
    Store16(at + 2, static_cast<std::uint16_t>(value >> 16));
}

std::uint16_t Read16(const unsigned char* at)
{
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

std::uint32_t Read32(const unsigned char* at)
{
    return Read16(at) | static_cast<std::uint32_t>(Read16(at + 2)) << 16;
}

}  // namespace

void WriteEchoRequest(unsigned char* request, std::uint16_t identifier, std::uint16_t sequence,
                      std::uint32_t timeStamp)
{
    std::memset(request, 0, kEchoRequestSize);
    request[0] = kEchoRequest;
    Store16(request + kIdentifierAt, identifier);
    Store16(request + kSequenceAt, sequence);
    Store32(request + kTimeStampAt, timeStamp);
    Store16(request + kChecksumAt, InternetChecksum(request, kEchoRequestSize));
}

std::uint16_t InternetChecksum(const unsigned char* data, std::size_t size)
{
    std::uint32_t sum = 0;
    std::size_t i = 0;
    for (; i + 1 < size; i += 2)
        sum += Read16(data + i);
    if (i < size)
        sum += data[i];
    // Two folds carry everything a 32-bit sum can hold back into 16 bits.
    sum = (sum >> 16) + (sum & 0xFFFF);
    sum += sum >> 16;
    return static_cast<std::uint16_t>(~sum);
}

bool ReadEchoReply(const unsigned char* reply, std::size_t size, std::uint16_t identifier,
                   std::uint16_t sequence, std::uint32_t& timeStamp)
{
    if (size == 0)
        return false;
    const std::size_t headerLength = (reply[0] & 0x0F) * 4u;
    if (size < headerLength + kTimeStampEnd)
        return false;
    const unsigned char* message = reply + headerLength;
    if (message[0] != kEchoReply || Read16(message + kIdentifierAt) != identifier ||
        Read16(message + kSequenceAt) != sequence)
        return false;
    timeStamp = Read32(message + kTimeStampAt);
    return true;
}
