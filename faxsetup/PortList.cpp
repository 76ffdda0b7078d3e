#include "PortList.h"

#include "OptionalText.h"
#include "ResultCodes.h"
#include "SpoolerApi.h"
#include "SpoolerQuery.h"

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
    m_nError = RefreshRecords(
        [](LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned) {
            return g_SpoolerApi.EnumPortsA(nullptr, kEnumLevel, buffer, size, needed, returned);
        },
        m_pPorts, m_nCount);
    m_bEnumerated = m_nError == RESULT_OK;
    return m_bEnumerated;
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
