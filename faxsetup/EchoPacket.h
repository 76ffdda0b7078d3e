#pragma once
#include <cstddef>
#include <cstdint>

// The ICMP echo exchange of the printer check, free of any socket: the request it sends and the
// reply a raw socket hands back with the IPv4 header in front. Multi-byte fields are stored least
// significant byte first on every host, as the printer check has always sent them.
constexpr std::size_t kEchoRequestSize = 44;

// Writes the complete request (type 8, code 0, checksum, identifier, sequence, time stamp and 32
// zero data bytes) into request[0..43].
void WriteEchoRequest(unsigned char* request, std::uint16_t identifier, std::uint16_t sequence,
                      std::uint32_t timeStamp);

// The Internet checksum (RFC 1071) over 16-bit words read least significant byte first; a last
// odd byte counts as a word of its own.
std::uint16_t InternetChecksum(const unsigned char* data, std::size_t size);

// True when the `size` received bytes hold an echo reply (type 0) with our identifier, the
// sequence number of the request it answers and room for the time stamp it carries back, which
// it hands over. Anything else, however short, is not the reply being waited for.
bool ReadEchoReply(const unsigned char* reply, std::size_t size, std::uint16_t identifier,
                   std::uint16_t sequence, std::uint32_t& timeStamp);
