#pragma once
#include <stddef.h>

#include <array>
#include <string>
#include <vector>

// Double-byte letters whose lower-case forms follow in one run: firstUpper..lastUpper become
// firstLower and on.
struct DoubleByteCaseRange {
    unsigned firstUpper;
    unsigned lastUpper;
    unsigned firstLower;
};

// What reading a configuration file needs to know of the ANSI code page: which bytes begin a
// double-byte character (whose second byte may look like "=", "]", a letter or a line end), and
// which double-byte letters have a lower-case form.
struct AnsiCharacters {
    std::array<bool, 256> leadByte{};
    std::vector<DoubleByteCaseRange> doubleByteCases;

    // 2 when a lead byte with a byte after it starts at `at`, else 1.
    size_t LengthAt(const std::string& text, size_t at) const;
    // The profile functions' blanks are single-byte control characters and the space, in every
    // code page; no-break and ideographic spaces are text.
    bool IsBlankAt(const std::string& text, size_t at) const;
    bool IsLineEndAt(const std::string& text, size_t at) const;

    // The configuration's own comparisons, which ignore case as the multibyte string functions
    // do: ASCII letters and the code page's double-byte letters fold, and a byte that ends a
    // double-byte character is never taken for a letter of its own.
    bool SameIgnoringCase(const std::string& a, const std::string& b) const;
    // The text's characters (a double-byte one as lead byte * 256 + second byte) in lower case.
    std::vector<unsigned> LowerCaseCharacters(const std::string& text) const;
};

// A single-byte code page, and code page 932. Windows builds take theirs from the system
// (SystemAnsiCharacters).
AnsiCharacters SingleByteCharacters();
AnsiCharacters CodePage932Characters();
