#pragma once
#include <winsock2.h>

// Where the echo requests go: the first IPv4 address of what `gethostbyname` gave for the
// printer's host text. False, leaving `address` alone, when the text did not resolve (a null
// result) or resolved to nothing an IPv4 request can be sent to; sending anyway would ping
// 0.0.0.0, which is this machine, and a misspelt host would pass the check.
bool EchoDestination(const hostent* host, sockaddr_in& address);
