#include "PortEntry.h"

#include <new>

#include "ResultCodes.h"

namespace {

const char kStandardTcpIpMonitor[] = "TCPMON.DLL";
const char kLprMonitor[] = "Gastrolet Port";

}  // namespace

CPortEntry::CPortEntry(const PORT_INFO_2A& record)
{
    CopyTexts(record.pPortName, record.pMonitorName, record.pDescription);
}

CPortEntry::CPortEntry(const CPortEntry& other) : m_nError(other.m_nError)
{
    CopyTexts(other.GetPortName(), other.GetMonitorName(), other.GetDescription());
}

CPortEntry& CPortEntry::operator=(const CPortEntry& other)
{
    if (this != &other) {
        m_nError = other.m_nError;
        CopyTexts(other.GetPortName(), other.GetMonitorName(), other.GetDescription());
    }
    return *this;
}

bool CPortEntry::IsStandardTcpIpPort() const
{
    return lstrcmpA(GetMonitorName(), kStandardTcpIpMonitor) == 0;
}

bool CPortEntry::IsLprPort() const { return lstrcmpA(GetMonitorName(), kLprMonitor) == 0; }

void CPortEntry::CopyText(std::string& target, const char* text)
{
    try {
        target.assign(text != nullptr ? text : "");
    } catch (const std::bad_alloc&) {
        target.clear();
        m_nError = ERR_OUT_OF_MEMORY;
    }
}

void CPortEntry::CopyTexts(const char* portName, const char* monitorName, const char* description)
{
    CopyText(m_strPortName, portName);
    CopyText(m_strMonitorName, monitorName);
    CopyText(m_strDescription, description);
}
