#include "PrinterLog.h"

#include <ctime>

#include "PrinterText.h"

PrinterLog::PrinterLog(const std::string& path) : m_file(std::fopen(path.c_str(), "a")) {}

PrinterLog::~PrinterLog()
{
    if (m_file != nullptr)
        std::fclose(m_file);
}

void PrinterLog::Line(const std::string& text)
{
    std::string line = LocalTimeText(std::time(nullptr)) + " " + text + "\n";
    for (std::FILE* out : {m_file, stdout}) {
        if (out == nullptr)
            continue;
        std::fwrite(line.data(), 1, line.size(), out);
        std::fflush(out);
    }
}

void PrinterLog::JobLine(unsigned job, const std::string& text)
{
    Line("job " + std::to_string(job) + ": " + text);
}
