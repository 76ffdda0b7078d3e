#include "ResourceFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "ProgramFiles.h"

namespace {

// The names of the plain files in a folder (given with a trailing backslash).
std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

}  // namespace

ScopedResourceFolder::ScopedResourceFolder(const std::string& parent, Content content)
    : m_path(parent + "Resource\\")
{
    RemoveAll();  // leftovers of an aborted run
    CreateDirectoryA(m_path.c_str(), nullptr);
    if (content == EMPTY)
        return;
    std::string installed = InstallFolder() + "Resource\\";
    std::vector<std::string> libraries = FilesIn(installed);
    if (libraries.empty())
        ADD_FAILURE() << "no resource libraries in " << installed;
    for (const std::string& name : libraries)
        Add(installed + name, name);
}

ScopedResourceFolder::~ScopedResourceFolder() { RemoveAll(); }

void ScopedResourceFolder::Add(const std::string& source, const std::string& name)
{
    if (!CopyFileA(source.c_str(), (m_path + name).c_str(), FALSE))
        ADD_FAILURE() << "cannot copy " << source << " to " << m_path << name;
}

void ScopedResourceFolder::Remove(const std::string& name) { DeleteFileA((m_path + name).c_str()); }

void ScopedResourceFolder::RemoveAll()
{
    for (const std::string& name : FilesIn(m_path))
        Remove(name);
    RemoveDirectoryA(m_path.c_str());
}
