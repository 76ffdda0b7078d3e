#pragma once
#include <stddef.h>

#include <string>

// The longest start of `text` that fits in maxBytes without splitting a double-byte character of
// the ANSI code page; a lead byte left alone at the end of `text` is dropped as well.
std::string CutAtCharacter(const std::string& text, size_t maxBytes);

// Whether the texts are equal when case is ignored, a double-byte character of the ANSI code page
// counting as one character.
bool SameTextIgnoringCase(const char* a, const char* b);
