#pragma once
#include <stddef.h>

#include <array>
#include <string>

// What reading a configuration file needs to know of the ANSI code page: which bytes begin a
// double-byte character (whose second byte may look like "=", "]", a letter or a line end).
struct AnsiCharacters {
    std::array<bool, 256> leadByte{};

    // 2 when a lead byte with a byte after it starts at `at`, else 1.
    size_t LengthAt(const std::string& text, size_t at) const;
    // The profile functions' blanks are single-byte control characters and the space, in every
    // code page; no-break and ideographic spaces are text.
    bool IsBlankAt(const std::string& text, size_t at) const;
    bool IsLineEndAt(const std::string& text, size_t at) const;
};

// A single-byte code page, and code page 932. Windows builds take theirs from the system
// (SystemAnsiCharacters).
AnsiCharacters SingleByteCharacters();
AnsiCharacters CodePage932Characters();
