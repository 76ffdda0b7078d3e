#pragma once
#include <string>

class CIniConfig;

// "<program folder>\<machine>\<language name>.lng"; the program folder already ends in a
// backslash, so two stand in a row there. Fails when the machine or the identifier is empty,
// when the identifier is not a "Language" key (the path is still formed, with an empty language
// name) or when the program's path cannot be read.
bool GetLanguageFilePath(CIniConfig& config, const std::string& machine,
                         const std::string& languageId, std::string& path);
