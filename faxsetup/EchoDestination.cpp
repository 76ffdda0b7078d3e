#include "EchoDestination.h"

#include <cstring>

bool EchoDestination(const hostent* host, sockaddr_in& address)
{
    if (host == nullptr || host->h_addrtype != AF_INET || host->h_addr_list == nullptr ||
        host->h_addr_list[0] == nullptr ||
        host->h_length != static_cast<int>(sizeof address.sin_addr))
        return false;
    address = {};
    address.sin_family = AF_INET;
    std::memcpy(&address.sin_addr, host->h_addr_list[0], sizeof address.sin_addr);
    return true;
}
