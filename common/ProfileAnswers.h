#pragma once
#include <stddef.h>

#include <string>

#include "IniText.h"

// What GetPrivateProfileStringA writes into a buffer of `bufferSize` bytes and returns, for the
// two questions the configuration model asks, answered from a file's text instead of the file:
// the API works in UTF-16 units and then converts to the ANSI code page, so its limits fall on
// characters first and on bytes second, and both are kept here.
struct ProfileAnswer {
    std::string buffer;  // bufferSize bytes; what the API leaves there, zero-filled past it
    size_t length = 0;   // the API's result
};

// The entry names of the first section of that name (case ignored), each followed by a NUL; lines
// without "=" or starting with ";" are not entries, and an empty name is one. A list that starts
// with an empty name reads as an absent section; one that does not fit gives bufferSize - 2 (or
// bufferSize - 1 when only its bytes do not fit).
ProfileAnswer ProfileEntryNames(const IniText& text, const char* section, size_t bufferSize);

// The value of the first entry of that name (which may be empty) in that section, "" when there
// is none; a value in one pair of matching quotes (' or ") loses them. A value that does not fit
// gives bufferSize - 1.
ProfileAnswer ProfileValue(const IniText& text, const char* section, const char* key,
                           size_t bufferSize);
