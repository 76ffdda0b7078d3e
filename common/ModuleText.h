#pragma once
#include <windows.h>

#include <string>

// String `id` of a loaded resource library, read through a 1024-byte buffer; empty when the
// library is null or has no such string.
std::string LoadModuleText(HMODULE module, UINT id);
