#pragma once
#include <windows.h>

// Writes the installer's answer, the REG_DWORD "LangDwmResult", under an existing key named
// "<root name>\<subkey>"; the root name is matched exactly. The key is never created.
bool WriteRegistryResult(const char* keyPath, DWORD count);
