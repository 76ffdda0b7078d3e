#include "LanguageFilePath.h"

#include "IniConfig.h"
#include "ModulePath.h"

bool GetLanguageFilePath(CIniConfig& config, const std::string& machine,
                         const std::string& languageId, std::string& path)
{
    path.clear();
    std::string folder;
    if (!GetPathBesideProgram("", folder))
        return false;
    std::string languageName;
    bool known = config.GetLanguageName(languageId.c_str(), languageName);
    path = folder + "\\" + machine + "\\" + languageName + ".lng";
    return known && !machine.empty() && !languageId.empty();
}
