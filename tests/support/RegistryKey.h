#pragma once
#include <windows.h>

#include <string>

// A key under HKEY_CURRENT_USER\Software\LomarelTests created for one test and deleted with
// everything below it afterwards.
class ScopedTestKey {
public:
    explicit ScopedTestKey(const std::string& name);
    ~ScopedTestKey();
    ScopedTestKey(const ScopedTestKey&) = delete;
    ScopedTestKey& operator=(const ScopedTestKey&) = delete;

    std::string Subkey() const { return m_subkey; }        // below HKEY_CURRENT_USER
    std::string FullPath() const { return "HKEY_CURRENT_USER\\" + m_subkey; }

private:
    std::string m_subkey;
};

// Reads a REG_DWORD value; false when it is missing or of another type or size.
bool ReadDword(HKEY root, const std::string& subkey, const char* name, DWORD& value);
bool KeyExists(HKEY root, const std::string& subkey);
