#pragma once
#include <string>

// Files beside the running test program, and the install folder the build assembles.
std::string TestProgramFolder();  // with a trailing backslash
std::string InstallFolder();      // with a trailing backslash

void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);

// A profile file (Zembrak.ini unless named) beside the running test program for the lifetime of
// the object.
class ScopedIniFile {
public:
    explicit ScopedIniFile(const std::string& text, const char* name = "Zembrak.ini");
    ~ScopedIniFile();
    ScopedIniFile(const ScopedIniFile&) = delete;
    ScopedIniFile& operator=(const ScopedIniFile&) = delete;

private:
    std::string m_path;
};

// An empty folder of its own, removed with its files when the object dies.
class ScopedFolder {
public:
    explicit ScopedFolder(const std::string& name);
    ~ScopedFolder();
    ScopedFolder(const ScopedFolder&) = delete;
    ScopedFolder& operator=(const ScopedFolder&) = delete;

    const std::string& Path() const { return m_path; }  // with a trailing backslash

private:
    void RemoveAll();

    std::string m_path;
};
