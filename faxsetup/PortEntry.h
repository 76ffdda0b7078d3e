#pragma once
#include <windows.h>

#include <string>

// An owned copy of one port of the spooler's port list. A text that cannot be copied stays
// empty and leaves ERR_OUT_OF_MEMORY in GetError.
class CPortEntry {
public:
    CPortEntry() = default;
    explicit CPortEntry(const PORT_INFO_2A& record);
    CPortEntry(const CPortEntry& other);
    CPortEntry& operator=(const CPortEntry& other);

    const char* GetPortName() const { return m_strPortName.c_str(); }
    const char* GetMonitorName() const { return m_strMonitorName.c_str(); }
    const char* GetDescription() const { return m_strDescription.c_str(); }
    int GetError() const { return m_nError; }
    bool IsEmpty() const { return m_strPortName.empty(); }

    bool IsStandardTcpIpPort() const;
    bool IsLprPort() const;  // a port of the LPR printing utility

private:
    void CopyText(std::string& target, const char* text);
    void CopyTexts(const char* portName, const char* monitorName, const char* description);

    std::string m_strPortName;
    std::string m_strMonitorName;
    std::string m_strDescription;
    int m_nError = 0;
};
