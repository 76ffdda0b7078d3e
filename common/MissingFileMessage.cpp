#include "MissingFileMessage.h"

#include <windows.h>

const char kMissingFileText[] = "Cannot run Lomarel - a required file is missing.";

void ShowError(const char* text)
{
    MessageBoxA(nullptr, text, "Lomarel", MB_SETFOREGROUND | MB_ICONERROR);
}

void ShowMissingFile() { ShowError(kMissingFileText); }
