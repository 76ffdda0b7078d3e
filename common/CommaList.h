#pragma once
#include <string>
#include <vector>

#include "AnsiCharacters.h"

// The items of a comma-separated configuration value, as they stand: "a,,b" has an empty
// second item, and an empty value has one empty item.
std::vector<std::string> SplitAtCommas(const std::string& list);

// The rule by which a language list names a language: the text anywhere in the list, case
// ignored, so "jp" is in "enu,jpn" and so is "u,j". It never matches within a double-byte
// character.
bool ListContainsIgnoringCase(const std::string& list, const std::string& text,
                              const AnsiCharacters& characters);
