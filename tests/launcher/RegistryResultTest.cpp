#include <gtest/gtest.h>

#include "RegistryKey.h"
#include "RegistryResult.h"

namespace {

TEST(WriteRegistryResult, WritesADwordIntoAnExistingKey)
{
    ScopedTestKey key("Answer");
    ASSERT_TRUE(WriteRegistryResult(key.FullPath().c_str(), 3));
    DWORD value = 0;
    ASSERT_TRUE(ReadDword(HKEY_CURRENT_USER, key.Subkey(), "LangDwmResult", value));
    EXPECT_EQ(3u, value);

    ASSERT_TRUE(WriteRegistryResult(key.FullPath().c_str(), 0));
    ASSERT_TRUE(ReadDword(HKEY_CURRENT_USER, key.Subkey(), "LangDwmResult", value));
    EXPECT_EQ(0u, value);
}

TEST(WriteRegistryResult, NeverCreatesAKey)
{
    ScopedTestKey key("Parent");
    std::string missing = key.Subkey() + "\\Missing";
    EXPECT_FALSE(WriteRegistryResult(("HKEY_CURRENT_USER\\" + missing).c_str(), 1));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, missing));
}

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
