#include "ReceivedJobs.h"

#include <stdlib.h>

#include "ProgramFiles.h"
#include "TestPrinters.h"

using test_printers::kFaxJobFolder;

const std::string kUel = "\x1b%-12345X";

namespace {

std::string JobPath(const std::string& port, int number)
{
    return kFaxJobFolder + port + "-" + std::to_string(number) + ".prn";
}

}  // namespace

std::string CommandJob(const std::string& command)
{
    return kUel + command + kUel;
}

std::string DownloadJob(const std::string& languageFilePath)
{
    std::string file = ReadTextFile(languageFilePath);
    return kUel + "@PJL KYVRESOURCEWRITE LOCATION=\"DownloadMessage:setMessage\" SIZE=" +
           std::to_string(file.size()) + "\r\n" + file + kUel;
}

long long CurrentTimeOf(const std::string& job)
{
    const std::string prefix = kUel + "@PJL SET KYVCURRENTTIME=";
    if (job.compare(0, prefix.size(), prefix) != 0)
        return -1;
    return atoll(job.c_str() + prefix.size());
}

std::vector<ReceivedJob> ReceivedJobs(const std::string& port)
{
    std::vector<ReceivedJob> jobs;
    for (int n = 1;; ++n) {
        std::string path = JobPath(port, n);
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
            return jobs;
        ULARGE_INTEGER written = {{data.ftLastWriteTime.dwLowDateTime,
                                   data.ftLastWriteTime.dwHighDateTime}};
        jobs.push_back({ReadTextFile(path), written.QuadPart / 10000});
    }
}

void ForgetReceivedJobs()
{
    for (const char* port : {"tcp", "lpr", "nohost"})
        for (int n = 1; DeleteFileA(JobPath(port, n).c_str()); ++n) {
        }
}
