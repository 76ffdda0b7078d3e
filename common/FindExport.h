#pragma once
#include <windows.h>

// A library's export as the function type the caller declares for it; null when it is missing.
template <typename Export>
Export FindExport(HMODULE module, const char* pszName)
{
    return reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(module, pszName)));
}
