#include "ErrorMessages.h"

#include <windows.h>

const char kMissingParameterText[] = "Cannot run Lomarel - required parameter(s) is/are missing.";
const char kMissingFileText[] = "Cannot run Lomarel - a required file is missing.";
const char kIncorrectParameterText[] = "Cannot run Lomarel - specified parameter(s) is/are incorrect.";
const char kRegistryWriteText[] = "Failed to write to the registry.";

void ShowError(const char* text)
{
    MessageBoxA(nullptr, text, "Lomarel", MB_SETFOREGROUND | MB_ICONERROR);
}

void ShowMissingFile() { ShowError(kMissingFileText); }
