// Reads arbitrary bytes as a raw socket's echo reply, and checks that a request written from the
// same bytes carries a valid checksum and comes back whole once a host has answered it.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "EchoPacket.h"

namespace {

const uint16_t kIdentifier = 0x1234;
const uint16_t kSequence = 2;
const size_t kIpHeaderSize = 20;

uint32_t Read32(const uint8_t* at)
{
    return at[0] | at[1] << 8 | at[2] << 16 | static_cast<uint32_t>(at[3]) << 24;
}

void CheckReply(const uint8_t* data, size_t size)
{
    uint32_t timeStamp = 0;
    if (!ReadEchoReply(data, size, kIdentifier, kSequence, timeStamp))
        return;
    const size_t headerLength = (data[0] & 0x0F) * 4u;
    if (size < headerLength + 12 || data[headerLength] != 0 ||
        (data[headerLength + 4] | data[headerLength + 5] << 8) != kIdentifier ||
        (data[headerLength + 6] | data[headerLength + 7] << 8) != kSequence ||
        timeStamp != Read32(data + headerLength + 8))
        abort();
}

void CheckRequest(uint16_t identifier, uint16_t sequence, uint32_t timeStamp)
{
    uint8_t answered[kIpHeaderSize + kEchoRequestSize] = {0x45};
    uint8_t* request = answered + kIpHeaderSize;
    WriteEchoRequest(request, identifier, sequence, timeStamp);
    if (InternetChecksum(request, kEchoRequestSize) != 0)
        abort();
    request[0] = 0;  // what the host changes in its answer
    uint32_t echoed = 0;
    if (!ReadEchoReply(answered, sizeof answered, identifier, sequence, echoed) ||
        echoed != timeStamp)
        abort();
    // The answer to another pass is not this pass's reply.
    if (ReadEchoReply(answered, sizeof answered, identifier,
                      static_cast<uint16_t>(sequence + 1), echoed))
        abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckReply(data, size);  // the fuzzer's buffer ends at `size`: any read past it is caught
    if (size >= 8)
        CheckRequest(static_cast<uint16_t>(data[0] | data[1] << 8),
                     static_cast<uint16_t>(data[2] | data[3] << 8), Read32(data + 4));
    return 0;
}
