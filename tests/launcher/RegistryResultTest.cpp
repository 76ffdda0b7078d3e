#include <gtest/gtest.h>

#include "RegistryKey.h"
#include "RegistryResult.h"

namespace {

// Writing into an existing key, and refusing a missing one, is covered by the launcher runs.
TEST(WriteRegistryResult, RootNameMustMatchExactly)
{
    ScopedTestKey key("Roots");
    for (const char* path : {"hkey_current_user\\Software\\LomarelTests\\Roots",
                             "HKCU\\Software\\LomarelTests\\Roots",
                             "HKEY_CURRENT_USER",
                             "Software\\LomarelTests\\Roots",
                             ""}) {
        EXPECT_FALSE(WriteRegistryResult(path, 1)) << path;
    }
    DWORD value;
    EXPECT_FALSE(ReadDword(HKEY_CURRENT_USER, key.Subkey(), "LangDwmResult", value));
}

TEST(WriteRegistryResult, RootNameWithBackslashWritesIntoTheRootKey)
{
    ASSERT_TRUE(WriteRegistryResult("HKEY_CURRENT_USER\\", 7));
    DWORD value = 0;
    EXPECT_TRUE(ReadDword(HKEY_CURRENT_USER, "", "LangDwmResult", value));
    EXPECT_EQ(7u, value);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, nullptr, "LangDwmResult");
}

}  // namespace
