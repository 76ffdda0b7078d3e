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

AnsiCharacters SingleByteCharacters() { return AnsiCharacters(); }

AnsiCharacters CodePage932Characters()
{
    AnsiCharacters characters;
    for (int c = 0x81; c <= 0xFC; ++c)
        characters.leadByte[c] = c <= 0x9F || c >= 0xE0;
    return characters;
}
