#pragma once
#include <windows.h>

// A library's export as the function type the caller declares for it; null when it is missing.
template <typename Export>
Export FindExport(HMODULE module, const char* pszName)
{
    return reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(module, pszName)));
}

// A system library loaded at run time instead of imported, pinned so that it stays loaded for the
// process as an import would: a library loaded and freed around each call that loads it again
// counts up no references. Null when it cannot be loaded.
inline HMODULE LoadPinnedLibrary(const char* pszName)
{
    HMODULE pinned = nullptr;
    if (LoadLibraryA(pszName) == nullptr ||
        !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN, pszName, &pinned))
        return nullptr;
    return pinned;
}
