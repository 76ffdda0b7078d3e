#pragma once
#include <windows.h>

#include <string>

// The language of the Windows user interface; false when none could be found (language 0).
bool DetectUiLanguage(LANGID& language);

// The abbreviated language name of the user's default locale, such as "JPN"; empty on failure.
std::string UserLocaleAbbreviation();

// The language code, at most three bytes, in which the user interface `name` ("Lomarel" or
// "FaxSetup") runs: the requested code when the configuration enables it for that interface,
// else the user's locale or a configured language sharing its first two letters, else "enu".
std::string ResolveUiLanguage(const char* name, const char* requested);

// Whether the resource libraries of every language the configuration enables for the message
// download ("Lomarel") and for the fax setup ("FaxSetup") are present with the right version.
bool CheckDownloadResources();
bool CheckFaxResources();
