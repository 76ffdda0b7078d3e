#include "RegistryKey.h"

ScopedTestKey::ScopedTestKey(const std::string& name) : m_subkey("Software\\LomarelTests\\" + name)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, m_subkey.c_str());
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, m_subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
}

ScopedTestKey::~ScopedTestKey() { RegDeleteTreeA(HKEY_CURRENT_USER, m_subkey.c_str()); }

ScopedMachineKey::ScopedMachineKey(const std::string& subkey) : m_subkey(subkey)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, m_subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
}

ScopedMachineKey::~ScopedMachineKey() { RegDeleteTreeA(HKEY_LOCAL_MACHINE, m_subkey.c_str()); }

bool ScopedMachineKey::SetValue(const char* name, DWORD type, const void* data, DWORD size) const
{
    return RegSetKeyValueA(HKEY_LOCAL_MACHINE, m_subkey.c_str(), name, type, data, size) ==
           ERROR_SUCCESS;
}

bool ReadDword(HKEY root, const std::string& subkey, const char* name, DWORD& value)
{
    DWORD type = 0;
    DWORD size = sizeof value;
    return RegGetValueA(root, subkey.c_str(), name, RRF_RT_ANY, &type, &value, &size) ==
               ERROR_SUCCESS &&
           type == REG_DWORD && size == sizeof value;
}

bool KeyExists(HKEY root, const std::string& subkey)
{
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}
