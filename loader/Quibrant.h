#pragma once
#include <windows.h>

// The resource-language loader Quibrant.dll: opens the resource-only libraries that hold the
// user-interface texts, dialog templates and images.
//
// - A path is relative to the folder of the running program (the process's executable, also
//   when the caller is a library inside that process).
// - An unfilled "%s" in the path is filled with the language the message-download interface
//   runs in when nobody asks for one: ResolveUiLanguage("Lomarel", nullptr), from the
//   configuration and the user's locale. When that file does not exist, "enu" is put in
//   instead. Only the first "%s" is filled; the path is never used as a format.
// - A library is mapped as a data file (LOAD_LIBRARY_AS_DATAFILE): none of its code runs, and
//   the handle serves LoadStringA, LoadImageA, FindResourceA and the dialog templates of
//   dialogs and property-sheet pages, on every Windows version and under Wine alike. (Mapping
//   it as an image resource as well would also lock the file while it is loaded, but that
//   flag is unknown before Windows Vista.) The handle is no module handle: GetProcAddress
//   and GetModuleFileNameA do not work with it.
// Returns 0 when the library does not exist, is no library, or its full path is too long.
extern "C" HMODULE WINAPI VukLoadLanguageDLL(const char* relativePath);
extern "C" void WINAPI VukFreeLanguageDLL(HMODULE library);
