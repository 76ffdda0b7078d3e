#pragma once
#include <windows.h>

#include "PortEntry.h"

// The ports the spooler knows (level 2: port, monitor, description, type), enumerated on first
// use. Every lookup leaves its code in GetError.
class CPortList {
public:
    CPortList() = default;
    CPortList(const CPortList&) = delete;
    CPortList& operator=(const CPortList&) = delete;
    ~CPortList();

    // The first port of that name, or without a name the first of that monitor (exact,
    // case-sensitive); an empty entry when none matches.
    CPortEntry FindPort(const char* portName, const char* monitorName);
    int GetError() const { return m_nError; }

private:
    bool Enumerate();

    PORT_INFO_2A* m_pPorts = nullptr;
    int m_nCount = 0;
    bool m_bEnumerated = false;
    int m_nError = 0;
};
