#pragma once
#include <string>

// The whole of an initialization file in the ANSI code page, read with one open, reads to its
// end (one for a file that keeps its size) and one close. Its text is converted as the profile
// functions convert it: from UTF-8 or UTF-16 after a byte-order mark, else from the code page
// through UTF-16 and back. False, with `bytes` empty, when the file is missing, cannot be read or
// is larger than any configuration can be.
bool ReadIniFileBytes(const std::string& path, std::string& bytes);
