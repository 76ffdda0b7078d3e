#include "ReportSink.h"

#include <windows.h>

CReportSink::~CReportSink() { Close(); }

bool CReportSink::Open(const std::string& path, unsigned long& error)
{
    Close();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return false;
    }
    m_hFile = file;
    error = ERROR_SUCCESS;
    return true;
}

void CReportSink::Close()
{
    if (IsOpen())
        CloseHandle(m_hFile);
    m_hFile = nullptr;
}

void CReportSink::Write(const std::string& text)
{
    if (!IsOpen() || text.empty())
        return;
    DWORD written = 0;
    WriteFile(m_hFile, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void CReportSink::WriteLine(const std::string& text) { Write(text + "\r\n"); }
