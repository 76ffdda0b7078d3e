#pragma once
#include <string>

class CIniConfig;

// The version a caption shows: `fileVersion` split at "." into four parts (the first four;
// missing parts are "0"), the fourth replaced by `revision` when that is not empty.
std::string ComposeProgramVersion(const std::string& fileVersion, const std::string& revision);

// The same for the running program's own "FileVersion" and the configuration's revision.
std::string GetProgramVersion(const CIniConfig& config);
