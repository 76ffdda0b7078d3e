#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "BuildMachine.h"
#include "ProgramFiles.h"

namespace {

// The shipped launcher as a file: what Windows needs to start it the way customers do.
class DeliverableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_image = ReadTextFile(m_path);
        ASSERT_GT(m_image.size(), sizeof(IMAGE_DOS_HEADER));
        auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(m_image.data());
        ASSERT_EQ(IMAGE_DOS_SIGNATURE, dos->e_magic);
        m_nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(m_image.data() + dos->e_lfanew);
        ASSERT_EQ(IMAGE_NT_SIGNATURE, m_nt->Signature);
    }

    // File offset of a relative virtual address, through the section table.
    size_t Offset(DWORD rva) const
    {
        const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(m_nt);
        for (int i = 0; i < m_nt->FileHeader.NumberOfSections; ++i, ++section) {
            if (rva >= section->VirtualAddress &&
                rva < section->VirtualAddress + section->SizeOfRawData)
                return rva - section->VirtualAddress + section->PointerToRawData;
        }
        return 0;
    }

    std::set<std::string> ImportedLibraries() const
    {
        std::set<std::string> names;
        DWORD rva = m_nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(m_image.data() + Offset(rva));
        for (; import->Name != 0; ++import) {
            std::string name = m_image.data() + Offset(import->Name);
            for (char& c : name)
                c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
            names.insert(name);
        }
        return names;
    }

    std::string m_path = InstallFolder() + "Zembrak.exe";
    std::string m_image;
    const IMAGE_NT_HEADERS* m_nt = nullptr;
};

TEST_F(DeliverableTest, IsAWindowlessProgramOfTheBuildsMachineNeedingOnlySystemLibraries)
{
    EXPECT_EQ(kBuildMachine, m_nt->FileHeader.Machine);
    EXPECT_EQ(IMAGE_NT_OPTIONAL_HDR_MAGIC, m_nt->OptionalHeader.Magic);
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, m_nt->OptionalHeader.Subsystem);
    // The spooler is loaded when first called, so that a windowless run does not bring up the
    // window system with it.
    std::set<std::string> expected = {"ADVAPI32.DLL", "KERNEL32.DLL", "MSVCRT.DLL", "USER32.DLL",
                                      "VERSION.DLL"};
    EXPECT_EQ(expected, ImportedLibraries());
}

TEST_F(DeliverableTest, ManifestAsksForAdministratorAndCommonControls6)
{
    HMODULE module = LoadLibraryExA(m_path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(nullptr, resource);
    std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, resource))),
                         SizeofResource(module, resource));
    FreeLibrary(module);
    EXPECT_NE(std::string::npos, manifest.find("level=\"requireAdministrator\""));
    EXPECT_NE(std::string::npos, manifest.find("name=\"Microsoft.Windows.Common-Controls\""));
    EXPECT_NE(std::string::npos, manifest.find("version=\"6.0.0.0\""));
}

TEST_F(DeliverableTest, FileVersionHasFourParts)
{
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(m_path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(m_path.c_str(), 0, size, data.data()));
    char* version = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904b0\\FileVersion",
                               reinterpret_cast<void**>(&version), &length));
    std::string text(version);
    EXPECT_EQ(3, std::count(text.begin(), text.end(), '.')) << text;
}

}  // namespace
