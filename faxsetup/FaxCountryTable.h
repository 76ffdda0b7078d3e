#pragma once
#include <string>

#include "ResourceLibrary.h"

// The fax countries of a text library: the code the printer knows ("81") of position k at string
// 21500 + k and its display name at 21000 + k. The first missing or empty code ends the table.

// The position of `code` (case ignored), or -1 when the table lacks it.
int FindFaxCountryCode(const CResourceLibrary& texts, const std::string& code);
// The position whose display name is `name` (case ignored), or -1.
int FindFaxCountryName(const CResourceLibrary& texts, const std::string& name);
std::string FaxCountryCode(const CResourceLibrary& texts, int position);
std::string FaxCountryName(const CResourceLibrary& texts, int position);
