#pragma once
#include <string>

#include "IniConfiguration.h"

// The questions asked of a configuration. Keys and language codes are compared ignoring case in
// the configuration's code page, and the first match in file order counts. Positions are 0-based,
// kNotFound when there is none. A question that fails leaves its code (ResultCodes.h) in `error`
// and leaves `error` alone otherwise, so the last failure wins.
namespace ini {

const int kNotFound = -1;

// What checking every item of a list found: each item checked (the unknown ones collected), no
// entry at that position, or an entry with an empty list.
enum class ListCheck { kChecked, kNoEntry, kEmptyList };

// Empty keys are ERR_INI_ARGUMENT; a key not found is `notFoundError` unless that is 0.
int FindKey(const IniConfiguration& config, IniSectionId id, const char* key, int notFoundError,
            int& error);
// The key at that position; ERR_INI_ARGUMENT past the end. False for an empty key too.
bool KeyAt(const IniConfiguration& config, IniSectionId id, int index, std::string& key,
           int& error);
bool IsKey(const IniConfiguration& config, IniSectionId id, const char* name);
bool IsValue(const IniConfiguration& config, IniSectionId id, const char* name);
// The value of a key, which must not be empty; `missingError` otherwise.
bool RequiredValue(const IniConfiguration& config, IniSectionId id, const char* key,
                   int missingError, std::string& value, int& error);

bool LanguageName(const IniConfiguration& config, const char* language, std::string& name,
                  int& error);
// The items of the Machines or Localize list at that position that are no Language keys,
// joined by ", ".
ListCheck UnknownLanguages(const IniConfiguration& config, IniSectionId id, int index,
                           std::string& unknown, int& error);
ListCheck UnsupportedCountryCodes(const IniConfiguration& config, int faxModelIndex,
                                  std::string& unsupported, int& error);
bool IsLanguageEnabledForApi(const IniConfiguration& config, const char* api,
                             const char* language, int& error);
// The first Language key that begins with the same two characters as `code`, when it is enabled
// for the user interface.
int MatchLanguageForApi(const IniConfiguration& config, const char* api, const char* code,
                        std::string& language, int& error);
int MatchLanguageByPrefix(const IniConfiguration& config, const char* code, std::string& language,
                          int& error);
bool IsPanelRestricted(const IniConfiguration& config, const char* code);

// The message-download questions. `owner` is SECTION_DRIVERS or SECTION_MODELS, whose value
// names the machine.
bool MachineLanguages(const IniConfiguration& config, IniSectionId owner, const char* key,
                      std::string& machine, std::string& languages, int& error);
// The number of the machine's languages when each is a Language key, else 0.
int CountMachineLanguages(const IniConfiguration& config, IniSectionId owner, const char* key,
                          int& error);
// "<machine>\<language name>.lng", for a language the machine's list names.
bool LanguageFileName(const IniConfiguration& config, IniSectionId owner, const char* key,
                      const char* language, std::string& fileName, int& error);
bool Link(const IniConfiguration& config, const char* language, std::string& link, int& error);

// The fax questions.
bool ModelForDriver(const IniConfiguration& config, const char* driver, std::string& model,
                    int& error);
// The number of codes when every one is a Fax Country Code key, else 0.
int FaxCountryList(const IniConfiguration& config, const char* model, std::string& list,
                   int& error);
bool FaxDestination(const IniConfiguration& config, const char* model, std::string& destination,
                    int& error);

}  // namespace ini
