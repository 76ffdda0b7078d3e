#pragma once
#include <windows.h>

#include <functional>
#include <utility>

#include "FaxMessageBox.h"

// The check that a printer on a standard TCP/IP port is really there: four ICMP echo requests,
// each of which must be answered by the printer's own reply. It needs a raw socket, and so
// administrator rights.
class PrinterEcho {
public:
    // `freeTexts` frees the caller's fax text library before a fault ends the whole process.
    PrinterEcho(const FaxMessageBox& messages, std::function<void()> freeTexts)
        : m_messages(messages), m_fnFreeTexts(std::move(freeTexts))
    {
    }

    // False, after telling the user that the printer does not answer, when the host text is
    // empty or does not resolve (nothing is sent then), a request cannot be sent whole, or the reply to a
    // request (our identifier, its sequence number) does not come within five seconds of its
    // send. Other packets are passed over while waiting. When Winsock, the raw socket or the
    // buffers cannot be had it tells the user the same, frees the texts and ends the process
    // with 65535.
    bool EchoPrinter(const char* hostText) const;

    // The round trips of every reply received in this process, in milliseconds; the fax settings
    // operation sets it to 0 before the check and corrects the printer's clock by it after.
    static LONG m_nRoundTripSum;

private:
    [[noreturn]] void Abandon() const;

    FaxMessageBox m_messages;
    std::function<void()> m_fnFreeTexts;
};
