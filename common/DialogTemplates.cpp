#include "DialogTemplates.h"

#include <windows.h>

bool HoldsDialogTemplates(const std::string& path, const std::vector<unsigned>& templateIds)
{
    HMODULE library = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (library == nullptr)
        return false;
    bool holdsAll = true;
    for (unsigned id : templateIds)
        holdsAll = holdsAll && FindResourceA(library, MAKEINTRESOURCEA(id), RT_DIALOG) != nullptr;
    FreeLibrary(library);
    return holdsAll;
}
