#pragma once
#include <cstdio>
#include <string>

// One readable line per event, each with its time and job, to the log file and to standard
// output, flushed at once so a watcher sees each line as it happens.
class PrinterLog {
public:
    explicit PrinterLog(const std::string& path);
    ~PrinterLog();
    PrinterLog(const PrinterLog&) = delete;
    PrinterLog& operator=(const PrinterLog&) = delete;

    bool IsOpen() const { return m_file != nullptr; }
    void Line(const std::string& text);
    void JobLine(unsigned job, const std::string& text);

private:
    std::FILE* m_file;
};
