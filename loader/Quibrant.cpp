#include "Quibrant.h"

#include <string.h>

#include <string>

#include "ModulePath.h"
#include "TextSlot.h"
#include "UiLanguage.h"

namespace {

const char kLanguageSlot[] = "%s";
const char kFallbackLanguage[] = "enu";

bool FileExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The full path beside the program with the language slot (if any) filled with `language`.
bool FormPath(const char* relativePath, const char* language, std::string& path)
{
    return GetPathBesideProgram(FillTextSlot(relativePath, language).c_str(), path);
}

// Where the library of `relativePath` is; empty when there is none.
std::string FindLibrary(const char* relativePath)
{
    std::string path;
    if (strstr(relativePath, kLanguageSlot) == nullptr)
        return GetPathBesideProgram(relativePath, path) ? path : std::string();
    std::string language = ResolveUiLanguage("Lomarel", nullptr);
    if (FormPath(relativePath, language.c_str(), path) && FileExists(path))
        return path;
    return FormPath(relativePath, kFallbackLanguage, path) ? path : std::string();
}

}  // namespace

extern "C" HMODULE WINAPI VukLoadLanguageDLL(const char* relativePath)
{
    if (relativePath == nullptr)
        return nullptr;
    std::string path = FindLibrary(relativePath);
    if (path.empty())
        return nullptr;
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

extern "C" void WINAPI VukFreeLanguageDLL(HMODULE library)
{
    if (library != nullptr)
        FreeLibrary(library);
}
