#include "AnsiCharacters.h"

size_t AnsiCharacters::LengthAt(const std::string& text, size_t at) const
{
    return leadByte[static_cast<unsigned char>(text[at])] && at + 1 < text.size() ? 2 : 1;
}

bool AnsiCharacters::IsBlankAt(const std::string& text, size_t at) const
{
    char c = text[at];
    return LengthAt(text, at) == 1 && ((c >= '\t' && c <= '\r') || c == '\x1a' || c == ' ');
}

bool AnsiCharacters::IsLineEndAt(const std::string& text, size_t at) const
{
    return LengthAt(text, at) == 1 && (text[at] == '\n' || text[at] == '\r');
}

std::vector<unsigned> AnsiCharacters::LowerCaseCharacters(const std::string& text) const
{
    std::vector<unsigned> characters;
    for (size_t at = 0; at < text.size(); at += LengthAt(text, at)) {
        unsigned c = static_cast<unsigned char>(text[at]);
        if (LengthAt(text, at) == 2) {
            c = c << 8 | static_cast<unsigned char>(text[at + 1]);
            for (const DoubleByteCaseRange& range : doubleByteCases) {
                if (c >= range.firstUpper && c <= range.lastUpper)
                    c += range.firstLower - range.firstUpper;
            }
        } else if (c >= 'A' && c <= 'Z') {
            c += 'a' - 'A';
        }
        characters.push_back(c);
    }
    return characters;
}

bool AnsiCharacters::SameIgnoringCase(const std::string& a, const std::string& b) const
{
    return LowerCaseCharacters(a) == LowerCaseCharacters(b);
}

AnsiCharacters SingleByteCharacters() { return AnsiCharacters(); }

AnsiCharacters CodePage932Characters()
{
    AnsiCharacters characters;
    for (int c = 0x81; c <= 0xFC; ++c)
        characters.leadByte[c] = c <= 0x9F || c >= 0xE0;
    // Full-width Latin, Greek, Cyrillic (whose lower case skips the code 0x847F), and the Roman
    // numerals, whose lower case lives in the IBM extension.
    characters.doubleByteCases = {{0x8260, 0x8279, 0x8281},
                                  {0x839F, 0x83B6, 0x83BF},
                                  {0x8440, 0x844E, 0x8470},
                                  {0x844F, 0x8460, 0x8480},
                                  {0x8754, 0x875D, 0xFA40}};
    return characters;
}
