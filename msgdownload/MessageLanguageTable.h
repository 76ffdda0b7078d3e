#pragma once
#include <string>

#include "ResourceLibrary.h"

// The panel languages of a text library: the configuration key of position k ("enu") at string
// 20000 + k and its display name at 20500 + k. The first missing or empty key ends the table.

// The position of `key` (case ignored), or -1 when the table lacks it.
int FindMessageLanguageKey(const CResourceLibrary& texts, const std::string& key);
// The position whose display name is `name` (case ignored), or -1.
int FindMessageLanguageName(const CResourceLibrary& texts, const std::string& name);
std::string MessageLanguageKey(const CResourceLibrary& texts, int position);
std::string MessageLanguageName(const CResourceLibrary& texts, int position);
