#pragma once
#include <string.h>

#include <string>

// Texts that callers and the spooler may leave out: a null pointer reads as the empty text.
inline bool IsEmpty(const char* text) { return text == nullptr || *text == '\0'; }
inline std::string TextOrEmpty(const char* text) { return text != nullptr ? text : ""; }
// An exact, byte-for-byte match; a missing text matches nothing.
inline bool SameBytes(const char* a, const char* b)
{
    return a != nullptr && b != nullptr && strcmp(a, b) == 0;
}
