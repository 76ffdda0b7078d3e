#pragma once
#include <string>

// Numbers read from version texts such as "3.10.2.7". Only the leading decimal digits of each
// piece count; a piece without them is 0. Values that do not fit wrap as the 32-bit result does.

// The number before the first full stop (the whole text without one).
int LeadingVersionNumber(const std::string& version);

// a.b.c.d packed as a*2^24 + b*2^16 + c*2^8 + d, with as many parts as the text has full stops:
// "3.10" gives a*2^24 only, "3.10.2" adds b*2^16; a text without a full stop gives 0.
int PackedVersionNumber(const std::string& version);
