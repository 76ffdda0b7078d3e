#pragma once
#include <string>

class CIniConfig;

// The panel language that fits the user's locale: the locale's abbreviated language name when it
// is a Language key, else the first key sharing its first two letters. False, with `key` empty,
// when the system's user-interface language can't be found or no key fits.
bool GetDefaultLanguageKey(CIniConfig& config, std::string& key);
