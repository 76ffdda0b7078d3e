#pragma once
#include <string>

// Where the configuration checks write their findings: an open report file, or nothing. The
// silent check runs the same code with a sink that was never opened.
class CReportSink {
public:
    CReportSink() = default;
    ~CReportSink();
    CReportSink(const CReportSink&) = delete;
    CReportSink& operator=(const CReportSink&) = delete;

    // Creates the file, or empties it when it exists; on failure returns the system's reason.
    bool Open(const std::string& path, unsigned long& error);
    void Close();
    bool IsOpen() const { return m_hFile != nullptr; }

    void Write(const std::string& text);
    void WriteLine(const std::string& text);  // followed by CR LF

private:
    void* m_hFile = nullptr;  // the file's handle while it is open
};
