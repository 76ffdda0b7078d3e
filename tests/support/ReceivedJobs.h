#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The Universal Exit Language sequence that opens and closes every job the product sends.
extern const std::string kUel;

// A job that carries one PJL command, as the printer receives it.
std::string CommandJob(const std::string& command);
// The job a message download sends for the language file at the path.
std::string DownloadJob(const std::string& languageFilePath);

// The value of a job's current-time command, or -1 when the job is no such command.
long long CurrentTimeOf(const std::string& job);

struct ReceivedJob {
    std::string bytes;
    ULONGLONG arrivalMs;  // file time, in milliseconds
};

// The jobs a network test port's sink kept, in the order they arrived ("tcp" gives tcp-1.prn,
// tcp-2.prn, ... in the fax job folder).
std::vector<ReceivedJob> ReceivedJobs(const std::string& port);
// Removes what every network test port received, so that the next job is number 1 again.
void ForgetReceivedJobs();
