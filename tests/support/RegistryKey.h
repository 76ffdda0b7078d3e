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

// A key under HKEY_LOCAL_MACHINE, created with any missing parents for one test and deleted with
// everything below it afterwards (the parents stay).
class ScopedMachineKey {
public:
    explicit ScopedMachineKey(const std::string& subkey);
    ~ScopedMachineKey();
    ScopedMachineKey(const ScopedMachineKey&) = delete;
    ScopedMachineKey& operator=(const ScopedMachineKey&) = delete;

    // Stores exactly `size` bytes as the value, with the given type.
    bool SetValue(const char* name, DWORD type, const void* data, DWORD size) const;

private:
    std::string m_subkey;
};

// Reads a REG_DWORD value; false when it is missing or of another type or size.
bool ReadDword(HKEY root, const std::string& subkey, const char* name, DWORD& value);
bool KeyExists(HKEY root, const std::string& subkey);
