#include "ProgramFiles.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

std::string TestProgramFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string InstallFolder() { return TestProgramFolder() + "..\\dist\\"; }

void WriteTextFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

std::string ReadTextFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Wine caches profile files; flushing makes the next read see the new text.
static void FlushProfileCache(const std::string& path)
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

ScopedIniFile::ScopedIniFile(const std::string& text, const char* name)
    : m_path(TestProgramFolder() + name)
{
    WriteTextFile(m_path, text);
    FlushProfileCache(m_path);
}

ScopedIniFile::~ScopedIniFile()
{
    DeleteFileA(m_path.c_str());
    FlushProfileCache(m_path);
}

ScopedFolder::ScopedFolder(const std::string& name)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    m_path = std::string(temp) + name + "\\";
    RemoveAll();  // leftovers of an aborted run
    CreateDirectoryA(m_path.c_str(), nullptr);
}

ScopedFolder::~ScopedFolder() { RemoveAll(); }

void ScopedFolder::RemoveAll()
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((m_path + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileA((m_path + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(m_path.c_str());
}
