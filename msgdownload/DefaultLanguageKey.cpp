#include "DefaultLanguageKey.h"

#include "IniConfig.h"
#include "UiLanguage.h"

bool GetDefaultLanguageKey(CIniConfig& config, std::string& key)
{
    key.clear();
    LANGID uiLanguage = 0;
    if (!DetectUiLanguage(uiLanguage))
        return false;
    std::string abbreviation = UserLocaleAbbreviation();
    if (config.FindLanguage(abbreviation.c_str()) != 0)
        key = abbreviation;
    else
        config.MatchLanguageByPrefix(abbreviation.c_str(), key);
    return !key.empty();
}
