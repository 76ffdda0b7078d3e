#include "ProgramVersion.h"

#include <windows.h>

#include "IniConfig.h"
#include "ModulePath.h"
#include "VersionInfo.h"

std::string ComposeProgramVersion(const std::string& fileVersion, const std::string& revision)
{
    const int kPartCount = 4;
    std::string parts[kPartCount] = {"0", "0", "0", "0"};
    size_t start = 0;
    for (int i = 0; i < kPartCount && !fileVersion.empty() && start <= fileVersion.size(); ++i) {
        size_t dot = fileVersion.find('.', start);
        size_t end = dot == std::string::npos ? fileVersion.size() : dot;
        parts[i] = fileVersion.substr(start, end - start);
        start = end + 1;
    }
    if (!revision.empty())
        parts[kPartCount - 1] = revision;
    return parts[0] + "." + parts[1] + "." + parts[2] + "." + parts[3];
}

std::string GetProgramVersion(const CIniConfig& config)
{
    std::string path = GetProgramPath();
    std::string fileVersion;
    if (!path.empty())
        fileVersion = CVersionInfo(path.c_str()).GetFileVersion();
    std::string revision;
    config.GetRevision(revision);
    return ComposeProgramVersion(fileVersion, revision);
}
