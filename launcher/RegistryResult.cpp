#include "RegistryResult.h"

#include <string.h>
#include <string>

namespace {

struct RootKey {
    const char* name;
    HKEY key;
};

const RootKey kRootKeys[] = {
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
    {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKEY_USERS", HKEY_USERS},
    {"HKEY_PERFORMANCE_DATA", HKEY_PERFORMANCE_DATA},
    {"HKEY_DYN_DATA", HKEY_DYN_DATA},
};

HKEY FindRootKey(const std::string& name)
{
    for (const RootKey& root : kRootKeys) {
        if (name == root.name)
            return root.key;
    }
    return nullptr;
}

}  // namespace

bool WriteRegistryResult(const char* keyPath, DWORD count)
{
    const char* backslash = strchr(keyPath, '\\');
    std::string rootName = backslash ? std::string(keyPath, backslash) : std::string();
    const char* subkey = backslash ? backslash + 1 : keyPath;

    HKEY root = FindRootKey(rootName);
    HKEY key = nullptr;
    if (root == nullptr || RegOpenKeyExA(root, subkey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return false;

    bool written = RegSetValueExA(key, "LangDwmResult", 0, REG_DWORD,
                                  reinterpret_cast<const BYTE*>(&count),
                                  sizeof count) == ERROR_SUCCESS;
    if (written)
        RegFlushKey(key);
    RegCloseKey(key);
    return written;
}
