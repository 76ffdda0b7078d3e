#include "PrinterHost.h"

#include <windows.h>

#include "ResourceIds.h"

namespace {

const char kTcpIpPortsKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\Standard TCP/IP Port\\Ports\\";
const char kLprHostsKey[] = "SOFTWARE\\Vantora\\Gastrolet\\RemoteHost\\";
const char kLprValueName[] = "IPAddress";
const DWORD kAddressSize = 80;

// Each generation of the TCP/IP monitor keeps the address under another value name.
const char* TcpIpValueName()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    if (version.dwMajorVersion <= 5)
        return "IPAddress";
    return version.dwMajorVersion == 6 ? "HostName" : "";
}

bool ReadAddress(const std::string& key, const char* valueName, std::string& address)
{
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    // One byte beyond what the value may fill keeps a value without a terminator a text.
    char buffer[kAddressSize + 1] = {};
    DWORD size = kAddressSize;
    LONG result = RegQueryValueExA(handle, valueName, nullptr, nullptr,
                                   reinterpret_cast<LPBYTE>(buffer), &size);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS)
        return false;
    address = buffer;
    return true;
}

}  // namespace

bool ResolvePrinterHost(const CPortEntry& port, const char* printerName, std::string& hostText,
                        const FaxMessageBox& messages)
{
    if (port.IsStandardTcpIpPort()) {
        if (ReadAddress(kTcpIpPortsKey + std::string(port.GetPortName()), TcpIpValueName(),
                        hostText))
            return true;
        messages.Show(IDS_TCPIP_ADDRESS_MISSING);
        return false;
    }
    if (port.IsLprPort()) {
        if (printerName != nullptr &&
            ReadAddress(kLprHostsKey + std::string(printerName), kLprValueName, hostText))
            return true;
        messages.Show(IDS_LPR_ADDRESS_MISSING);
        return false;
    }
    return false;
}
