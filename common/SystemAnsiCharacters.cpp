#include "SystemAnsiCharacters.h"

#include <windows.h>

AnsiCharacters SystemAnsiCharacters()
{
    AnsiCharacters characters = GetACP() == 932 ? CodePage932Characters() : AnsiCharacters();
    for (int byte = 1; byte < 256; ++byte)
        characters.leadByte[byte] = IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE;
    return characters;
}
