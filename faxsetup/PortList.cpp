#include "PortList.h"

#include "OptionalText.h"
#include "ResultCodes.h"
#include "SpoolerApi.h"

namespace {

const DWORD kEnumLevel = 2;

}  // namespace

CPortList::~CPortList()
{
    if (m_pPorts != nullptr)
        GlobalFree(m_pPorts);
}

bool CPortList::Enumerate()
{
    DWORD needed = 0;
    DWORD returned = 0;
    g_SpoolerApi.EnumPortsA(nullptr, kEnumLevel, nullptr, 0, &needed, &returned);
    if (needed == 0) {
        m_nError = ERR_PRINTER_NO_DATA;
        m_bEnumerated = false;
        return false;
    }

    for (;;) {
        auto* block = static_cast<PORT_INFO_2A*>(GlobalAlloc(GPTR, needed));
        if (block == nullptr) {
            // Keep what the previous enumeration found rather than losing the list.
            m_bEnumerated = true;
            return true;
        }
        DWORD size = needed;
        if (g_SpoolerApi.EnumPortsA(nullptr, kEnumLevel, reinterpret_cast<LPBYTE>(block), size,
                                    &needed, &returned)) {
            if (m_pPorts != nullptr)
                GlobalFree(m_pPorts);
            m_pPorts = block;
            m_nCount = static_cast<int>(returned);
            m_bEnumerated = true;
            return true;
        }
        GlobalFree(block);
        // A port added since the size query needs a bigger buffer; a spooler that asks for no
        // more than it was given would keep this loop going forever.
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= size) {
            m_nError = ERR_PRINTER_ENUM_FAILED;
            m_bEnumerated = false;
            return false;
        }
    }
}

CPortEntry CPortList::FindPort(const char* portName, const char* monitorName)
{
    m_nError = RESULT_OK;
    bool byPort = !IsEmpty(portName);
    if (!byPort && IsEmpty(monitorName)) {
        m_nError = ERR_ARG_NO_NAME_OR_PORT;
        return CPortEntry();
    }
    if (!m_bEnumerated && !Enumerate())
        return CPortEntry();
    if (m_nCount == 0) {
        m_nError = ERR_PRINTER_NONE;
        return CPortEntry();
    }
    for (int i = 0; i < m_nCount; ++i) {
        const PORT_INFO_2A& record = m_pPorts[i];
        if (byPort ? SameBytes(record.pPortName, portName)
                   : SameBytes(record.pMonitorName, monitorName)) {
            CPortEntry entry(record);
            m_nError = entry.GetError();
            return entry;
        }
    }
    m_nError = ERR_PRINTER_NOT_FOUND;
    return CPortEntry();
}
