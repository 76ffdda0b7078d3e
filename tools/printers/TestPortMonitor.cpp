// A print monitor for test prefixes that makes network ports Wine cannot make itself:
// ports of the standard TCP/IP monitor and of the LPR utility's monitor, as the spooler's port
// list shows them. It only names the ports; Wine's port mapping
// (HKCU\Software\Wine\Printing\Spooler) sends their jobs on.
#include <windows.h>
#include <winsplp.h>

#include <string.h>
#include <wchar.h>

namespace {

struct TestPort {
    const wchar_t* name;
    const wchar_t* monitor;  // never null: the spooler copies it
    const wchar_t* description;
};

const TestPort kPorts[] = {
    {L"IP_127.0.0.1", L"TCPMON.DLL", L"Standard TCP/IP Port"},
    {L"IP_NO_HOST", L"TCPMON.DLL", L"Standard TCP/IP Port"},
    {L"LPR_FAX", L"Gastrolet Port", L"LPR Port"},
};

DWORD TextSize(const wchar_t* text)
{
    return static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t));
}

// Copies a text to the end of the free space, which shrinks from the back.
LPWSTR PlaceText(const wchar_t* text, LPBYTE& end)
{
    end -= TextSize(text);
    memcpy(end, text, TextSize(text));
    return reinterpret_cast<LPWSTR>(end);
}

BOOL WINAPI EnumPorts(HANDLE, LPWSTR, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
                      LPDWORD returned)
{
    *returned = 0;
    if (level != 1 && level != 2) {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    DWORD recordSize = level == 1 ? sizeof(PORT_INFO_1W) : sizeof(PORT_INFO_2W);
    *needed = 0;
    for (const TestPort& port : kPorts) {
        *needed += recordSize + TextSize(port.name);
        if (level == 2)
            *needed += TextSize(port.monitor) + TextSize(port.description);
    }
    if (buffer == nullptr || size < *needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }

    LPBYTE end = buffer + *needed;
    for (const TestPort& port : kPorts) {
        LPBYTE record = buffer + *returned * recordSize;
        if (level == 1) {
            reinterpret_cast<PORT_INFO_1W*>(record)->pName = PlaceText(port.name, end);
        } else {
            auto* info = reinterpret_cast<PORT_INFO_2W*>(record);
            info->pPortName = PlaceText(port.name, end);
            info->pMonitorName = PlaceText(port.monitor, end);
            info->pDescription = PlaceText(port.description, end);
            info->fPortType = PORT_TYPE_WRITE;
            info->Reserved = 0;
        }
        ++*returned;
    }
    return TRUE;
}

void WINAPI Shutdown(HANDLE) {}

MONITOR2 g_monitor = [] {
    MONITOR2 monitor = {};
    monitor.cbSize = sizeof monitor;
    monitor.pfnEnumPorts = EnumPorts;
    monitor.pfnShutdown = Shutdown;
    return monitor;
}();

}  // namespace

extern "C" __declspec(dllexport) LPMONITOR2 WINAPI InitializePrintMonitor2(PMONITORINIT,
                                                                           PHANDLE monitor)
{
    *monitor = reinterpret_cast<HANDLE>(&g_monitor);
    return &g_monitor;
}
