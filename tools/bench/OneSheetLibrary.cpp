// The floor of a library that shows a wizard: its export shows one wizard-style property sheet
// with one page from the library's own resources, and nothing else.
#include <windows.h>

#include "OneSheetShow.h"

extern "C" int WINAPI ShowOneSheet()
{
    HMODULE library = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ShowOneSheet), &library);
    return ShowOneSheetOf(library);
}
